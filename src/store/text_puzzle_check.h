// Checking a puzzle read from text the way Check Puzzle does: it is taken only when it has exactly one solution.
#pragma once

#include "engine/novlet_engine.h"
#include "store/text_puzzles.h"

namespace novlet {

// Searches the givens of a read puzzle for its solutions and records the
// verdict in it: Solvable with the solution, or NoSolution, SeveralSolutions
// (with the count, at most the solution cap + 1) or TooFewGivens with the
// reason. An Unreadable puzzle is left as it is. True when Solvable.
//
// The engine takes the puzzle's box shape and the resting solution cap, and
// its SolutionList holds this search's lines afterwards. No other engine
// operation may be running: a refused search would leave the last verdict.
bool CheckTextPuzzle(TNovletEngine& engine, TTextPuzzle& puzzle);

}  // namespace novlet
