// Generating puzzles that are sure to have exactly one solution.
#pragma once

#include "engine/board.h"
#include "engine/novlet_engine.h"

namespace novlet {

// GeneratePuzzle with reduction, keeping the puzzle only when an exact count
// finds one solution for its givens. The reduction's searches stop at the
// first solution they find, so a board reduced with guessing (the deepest
// levels) can keep a second one; such a puzzle counts as a failed attempt,
// and the caller retries as after any other.
bool GenerateUniquePuzzle(TNovletEngine& engine, TBoard& solution, TCellTexts& givens, int level);

}  // namespace novlet
