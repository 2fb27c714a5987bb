// Checking a puzzle read from text the way Check Puzzle does: it is taken only when it has exactly one solution.
#include "store/text_puzzle_check.h"

#include "engine/board_text.h"
#include "engine/level_table.h"

namespace novlet {
namespace {

// The search gives up on a position unless fewer than N^2 * 66 / 81 of its
// cells are empty; below this many givens "no solution" would say nothing.
int FewestSearchableGivens(int gridSize) { return gridSize * gridSize - ScaleFrom81(gridSize, 66) + 1; }

bool Refuse(TTextPuzzle& puzzle, TTextPuzzleState state, const std::string& reason) {
  puzzle.State = state;
  puzzle.Reason = "line " + std::to_string(puzzle.Line) + ": " + reason;
  return false;
}

}  // namespace

bool CheckTextPuzzle(TNovletEngine& engine, TTextPuzzle& puzzle) {
  if (puzzle.State == TTextPuzzleState::Unreadable) return false;
  engine.SetBoxShape(puzzle.BoxWidth, puzzle.BoxHeight);
  const TGeometry& g = engine.Geometry();
  TCellTexts texts;
  BoardToTexts(g, puzzle.Givens, texts);
  const int givens = g.GridSize * g.GridSize - CountEmptyTexts(g, texts);
  const int fewest = FewestSearchableGivens(g.GridSize);
  puzzle.SolutionCount = 0;
  ClearBoard(puzzle.Solution);
  if (givens < fewest) {
    return Refuse(puzzle, TTextPuzzleState::TooFewGivens,
                  std::to_string(givens) + " givens, too few to check (at least " + std::to_string(fewest) + ")");
  }

  TBoard scratch;
  const bool unique = engine.SolveAndCount(scratch, texts, false, true);
  puzzle.SolutionCount = engine.SolutionCount();
  if (unique) {
    puzzle.Solution = scratch;
    puzzle.State = TTextPuzzleState::Solvable;
    puzzle.Reason.clear();
    return true;
  }
  if (puzzle.SolutionCount == 0) return Refuse(puzzle, TTextPuzzleState::NoSolution, "no solution found");
  const std::string count = puzzle.SolutionCount > engine.SolutionCap() ? std::to_string(engine.SolutionCap()) + "+"
                                                                        : std::to_string(puzzle.SolutionCount);
  return Refuse(puzzle, TTextPuzzleState::SeveralSolutions, "several solutions (" + count + ")");
}

}  // namespace novlet
