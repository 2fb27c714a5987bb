// The puzzle engine: candidates, search, reduction and generation on one geometry.
#pragma once

#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/engine_host.h"
#include "engine/geometry.h"
#include "engine/random_source.h"
#include "engine/working_texts.h"

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
  // hex board texts, the most recent first. Empty before the first search.
  const std::vector<std::string>& SolutionList() const;
  // The number on the "Solutions" line (0 before the first search).
  int SolutionCount() const { return static_cast<int>(solutions_.size()); }
  // What the last search offers the user: the items of the solutions menu
  // (none below two solutions, at most ten) and the count the Solution and
  // Complete buttons add to their words (" [3]", " [10+]"; empty below two).
  int SolutionMenuItems() const;
  std::string SolutionCountSuffix() const;

  TRandomSource& Random() { return random_; }
  void SetHost(TEngineHost* host) { host_ = host; }

  // One propagation pass: commits the marks of the previous pass into B and
  // leaves the new alternatives in T. True when some value found a place.
  bool ComputeAlternatives(TBoard& board, TCellTexts& texts);

  // Counts the solutions of the position (B, T) up to SolutionCap + 1, within
  // 250 search nodes; true when exactly one was found. B then holds the most
  // recent solution, T the texts as the search left them.
  // None of the operations is re-entrant: one called while another runs
  // (from the host's message processing) does nothing and returns false.
  bool SolveAndCount(TBoard& board, TCellTexts& texts, bool display, bool guess);

  // Removes givens of the full valid board B at random while the puzzle stays
  // uniquely solvable, down to the level's target. On success B holds the
  // solution and T the puzzle.
  bool ReduceToLevel(TBoard& board, TCellTexts& texts, int level);

  // A random full board in B and, with reduce, a puzzle of the level in T.
  bool GeneratePuzzle(TBoard& board, TCellTexts& texts, bool reduce, int level);
  bool PlaceInBoxAtRandom(TBoard& board, int bx, int value, int by);

 private:
  using TWorkBoard = detail::TWorkBoard;
  using TWorkTexts = detail::TWorkTexts;

  // The outermost search on the working form; the list state is left as
  // SolutionList describes it.
  bool RunSearch(TWorkBoard& board, TWorkTexts& texts, bool guess);
  bool ReduceBoard(TBoard& board, TCellTexts& texts, int level);
  bool RemoveGivens(TBoard& board, TCellTexts& texts, int level);
  bool SearchNode(TWorkBoard& board, TWorkTexts& texts, bool guess);
  bool AlreadyVisited(const TWorkTexts& texts);
  void RecordSolution(const TWorkBoard& board);
  void ProcessPendingMessages();
  void ShowSolutionChoices();

  TGeometry geometry_;
  detail::TLayout layout_{geometry_};
  int solutionCap_ = kRestingSolutionCap;
  TRandomSource random_;
  TEngineHost* host_ = nullptr;

  // Bookkeeping of the last search: solutions in the order found, visited
  // positions as the values their texts read as, nodes entered.
  std::vector<TWorkBoard> solutions_;
  std::vector<std::uint64_t> visitedHashes_;
  std::vector<std::uint8_t> visitedValues_;
  int nodeCount_ = 0;
  // Set while a search, reduction or generation runs, so that a call made
  // from the host's message processing cannot start another one inside it.
  bool busy_ = false;
  mutable std::vector<std::string> solutionList_;
  mutable bool solutionListStale_ = false;
};

}  // namespace novlet
