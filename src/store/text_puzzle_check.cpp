// Checking a puzzle read from text before it is stored: it is taken only when it has exactly one solution.
#include "store/text_puzzle_check.h"

namespace novlet {
namespace {

bool Refuse(TTextPuzzle& puzzle, TTextPuzzleState state, const std::string& reason) {
  puzzle.State = state;
  puzzle.Reason = "line " + std::to_string(puzzle.Line) + ": " + reason;
  return false;
}

int CountGivens(const TGeometry& g, const TBoard& board) {
  int givens = 0;
  for (int row = 1; row <= g.GridSize; ++row) {
    for (int column = 1; column <= g.GridSize; ++column) givens += board.at(column, row) != 0;
  }
  return givens;
}

}  // namespace

bool CheckTextPuzzle(TTextPuzzle& puzzle, std::int64_t nodeCap) {
  if (puzzle.State == TTextPuzzleState::Unreadable) return false;
  const TGeometry g = puzzle.Geometry();
  const TSolutionCount count = CountSolutionsUpTo(g, puzzle.Givens, 2, nodeCap);
  puzzle.SolutionCount = count.Solutions;
  puzzle.Solution = count.FirstSolution;
  if (!count.Decided) {
    return Refuse(puzzle, TTextPuzzleState::TooFewGivens,
                  std::to_string(CountGivens(g, puzzle.Givens)) + " givens, too few to decide");
  }
  if (count.Solutions == 0) return Refuse(puzzle, TTextPuzzleState::NoSolution, "no solution");
  if (count.Solutions > 1) return Refuse(puzzle, TTextPuzzleState::SeveralSolutions, "several solutions");
  puzzle.State = TTextPuzzleState::Solvable;
  puzzle.Reason.clear();
  return true;
}

}  // namespace novlet
