// The solver that works as a person does: the next step from a position, and the whole path.
#pragma once

#include <vector>

#include "engine/board.h"
#include "engine/geometry.h"
#include "logic/logic_step.h"

namespace novlet {

// The steps of a solve, in order, until the board is full or no technique applies.
struct TLogicPath {
  std::vector<TLogicStep> Steps;
  bool Solved = false;
  // The hardest technique a step used; None for a path without steps.
  TTechnique Hardest = TTechnique::None;
  int OpenCells = 0;  // cells still empty at the end
};

// The first step of one technique on the candidates; false when it does not apply.
bool TryTechnique(TTechnique technique, const TCandidateGrid& grid, TLogicStep& step);

// The first step of the techniques, easiest first, on the candidates; a step
// whose Technique is None when none applies. unique-rectangle is tried only
// with knownUnique (the puzzle has exactly one solution).
TLogicStep FindStep(const TCandidateGrid& grid, bool knownUnique);

// The path from the position's placed values (every value on the board
// counts; pencil notes play no part). A broken position (a value twice in a
// unit, an empty cell with no value left) gives an empty, unsolved path.
TLogicPath SolvePath(const TGeometry& g, const TBoard& position, bool knownUnique);

// The next value a person can place from the position, with what proves it.
//
// A position holds values only, so the eliminations of earlier steps are not
// part of it. Reporting a bare elimination would make the player ask again
// and get the same elimination, as nothing on the board can record it; so the
// answer is the first step of the path that places a value, with the
// eliminations that had to come first in its Preparation, in order (empty
// when the easiest step already places one). When no placing step is reached
// the step's Technique is None, still with the eliminations found before the
// solver got stuck.
TLogicStep NextStep(const TGeometry& g, const TBoard& position, bool knownUnique);

}  // namespace novlet
