// Checking a puzzle read from text before it is stored: it is taken only when it has exactly one solution.
#pragma once

#include <cstdint>

#include "engine/solution_count.h"
#include "store/text_puzzles.h"

namespace novlet {

// Counts the solutions of a read puzzle's givens exactly, up to two, and
// records the verdict in it: Solvable with the solution, or NoSolution,
// SeveralSolutions or, when even the exact count's node cap cannot settle
// it, TooFewGivens, with the reason. An Unreadable puzzle is left as it is.
// True when Solvable. A smaller node cap suits callers that must not wait
// seconds on a hopeless board, such as the fuzzer.
//
// Check Puzzle on the design page keeps its budgeted search, which may give
// up on a hard unique puzzle; a stored puzzle must not depend on that.
bool CheckTextPuzzle(TTextPuzzle& puzzle, std::int64_t nodeCap = kExactCountNodeCap);

}  // namespace novlet
