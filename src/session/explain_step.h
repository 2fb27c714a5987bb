// What the game's Explain shows: a wrong value first, else the next step the solver finds.
#pragma once

#include <cstdint>
#include <string>

#include "engine/board.h"
#include "engine/geometry.h"
#include "logic/logic_step.h"
#include "store/text_lookup.h"

namespace novlet {

struct TExplanation {
  enum class TKind : std::uint8_t {
    WrongValue,  // Cell holds a value that is not the solution's
    Step,        // Step places a value (after the eliminations in its Preparation)
    NoStep,      // no known technique goes on from here
    Solved,      // nothing left to explain
  };
  TKind Kind = TKind::NoStep;
  TCellRef Cell;  // WrongValue: the first wrong cell, row by row
  TLogicStep Step;
};

// Explains the player's position: the givens and values on the grid (pencil
// notes do not limit it) against the puzzle's full solution. A wrong value is
// reported before anything else, as any step from a wrong position would
// teach from a board that cannot be finished. Otherwise the next placing step
// (see NextStep); knownUnique lets it use the unique rectangle, so pass it
// only for puzzles known to have exactly one solution. Changes nothing; the
// player makes the move.
TExplanation ExplainNextStep(const TGeometry& g, const TCellTexts& grid, const TBoard& solution, bool knownUnique);

// The sentence shown and announced for the explanation; a step with
// preparing eliminations reads them first, one sentence each.
std::string ExplanationText(const TExplanation& explanation, const TTextLookup& text);

}  // namespace novlet
