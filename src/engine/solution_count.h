// Exact solution counting with no node budget, for verdicts that must not depend on how hard a puzzle is.
#pragma once

#include <cstdint>

#include "engine/board.h"
#include "engine/geometry.h"

namespace novlet {

// Search nodes after which an exact count gives up, about 3 s. Even minimal
// 16 x 16 puzzles (some 90 givens) take a few tens of thousands; only boards
// with far too few givens to be puzzles, say 70 random ones on a 16 x 16
// board with no solution deep down, come near it.
inline constexpr std::int64_t kExactCountNodeCap = 1'000'000;

struct TSolutionCount {
  int Solutions = 0;     // found, at most the limit
  bool Decided = true;   // false when the node cap ended the search first
  TBoard FirstSolution;  // the first one found, empty without one
};

// Counts the solutions of the givens exactly, stopping at the limit: with a
// limit of 2, one solution means exactly one. Unlike SolveAndCount this has
// no node budget: a depth-first search on bit masks that fills naked and
// hidden singles before branching on a cell with the fewest candidates.
// Givens that break a rule, or hold a value above N, have no solution.
TSolutionCount CountSolutionsUpTo(const TGeometry& g, const TBoard& givens, int limit,
                                  std::int64_t nodeCap = kExactCountNodeCap);

}  // namespace novlet
