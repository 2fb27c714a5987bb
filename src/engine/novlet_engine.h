#pragma once

#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/engine_host.h"
#include "engine/geometry.h"
#include "engine/random_source.h"

namespace novlet {

// SolutionCap whenever no engine operation is running.
inline constexpr int kRestingSolutionCap = 10;

// The puzzle engine the main window owns: the geometry, the solution cap, the
// solution list of the last search and the random source, with the
// operations that work on boards passed to them.
class TNovletEngine {
 public:
  TNovletEngine() = default;

  const TGeometry& Geometry() const { return geometry_; }
  // Sets the box shape (3 x 3 for any other) and SolutionCap back to 10.
  void SetBoxShape(int boxWidth, int boxHeight);

  int SolutionCap() const { return solutionCap_; }
  void SetSolutionCap(int cap) { solutionCap_ = cap; }

  // After a search: "Solutions=" count on line 0, then the solutions found as
  // hex board texts, the most recent first.
  const std::vector<std::string>& SolutionList() const { return solutionList_; }
  // The number on the "Solutions" line (0 when there is none).
  int SolutionCount() const;

  TRandomSource& Random() { return random_; }
  void SetHost(TEngineHost* host) { host_ = host; }

  // One propagation pass: commits the marks of the previous pass into B and
  // leaves the new alternatives in T. True when some value found a place.
  bool ComputeAlternatives(TBoard& board, TCellTexts& texts);

  // Counts the solutions of the position (B, T) up to SolutionCap + 1, within
  // 250 search nodes; true when exactly one was found, which B then holds.
  bool SolveAndCount(TBoard& board, TCellTexts& texts, bool display, bool guess);

  // Removes givens of the full valid board B at random while the puzzle stays
  // uniquely solvable, down to the level's target. On success B holds the
  // solution and T the puzzle.
  bool ReduceToLevel(TBoard& board, TCellTexts& texts, int level);

  // A random full board in B and, with reduce, a puzzle of the level in T.
  bool GeneratePuzzle(TBoard& board, TCellTexts& texts, bool reduce, int level);
  bool PlaceInBoxAtRandom(TBoard& board, int bx, int value, int by);

 private:
  TGeometry geometry_;
  int solutionCap_ = kRestingSolutionCap;
  std::vector<std::string> solutionList_;
  TRandomSource random_;
  TEngineHost* host_ = nullptr;
};

}  // namespace novlet
