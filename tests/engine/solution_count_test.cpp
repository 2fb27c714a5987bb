// The exact solution count: every shape, the limit, broken givens and the node cap.
#include "engine/solution_count.h"

#include <gtest/gtest.h>

#include "engine/board_text.h"
#include "engine/unique_puzzle.h"

namespace novlet {
namespace {

// A full valid board of the shape: each band of rows shifts the one above by one.
TBoard PatternBoard(const TGeometry& g) {
  TBoard board;
  for (int r = 0; r < g.GridSize; ++r) {
    for (int c = 0; c < g.GridSize; ++c) {
      board.at(c + 1, r + 1) =
          static_cast<std::uint8_t>((g.BoxWidth * (r % g.BoxHeight) + r / g.BoxHeight + c) % g.GridSize + 1);
    }
  }
  return board;
}

TEST(SolutionCount, CountsExactlyUpToTheLimitOnEveryShape) {
  for (const TBoxShape& shape : kBoxShapes) {
    TGeometry g;
    g.SetBoxShape(shape.BoxWidth, shape.BoxHeight);
    const TBoard full = PatternBoard(g);
    ASSERT_TRUE(BoardLinesValid(g, full)) << shape.Caption;
    TBoard puzzle = full;
    puzzle.at(1, 1) = puzzle.at(g.GridSize, g.GridSize) = 0;
    const TSolutionCount one = CountSolutionsUpTo(g, puzzle, 2);
    EXPECT_TRUE(one.Decided && one.Solutions == 1 && one.FirstSolution == full) << shape.Caption;
    const TSolutionCount empty = CountSolutionsUpTo(g, TBoard(), 3);
    EXPECT_TRUE(empty.Decided && empty.Solutions == 3 && BoardLinesValid(g, empty.FirstSolution)) << shape.Caption;
    puzzle.at(2, 1) = full.at(1, 2);  // that value already stands in its box
    EXPECT_EQ(CountSolutionsUpTo(g, puzzle, 2).Solutions, 0) << shape.Caption;
    EXPECT_FALSE(CountSolutionsUpTo(g, TBoard(), 2, 1).Decided) << shape.Caption;
  }
}

TEST(UniquePuzzle, AnExpertReductionThatKeptASecondSolutionIsAFailedAttempt) {
  // Seed 369 reduces its first Expert board to givens with two solutions.
  TNovletEngine engine;
  TBoard solution;
  TCellTexts givens;
  engine.Random().Seed(369);
  ASSERT_TRUE(engine.GeneratePuzzle(solution, givens, true, 3));
  TBoard board;
  TextsToBoard(engine.Geometry(), givens, board);
  EXPECT_EQ(CountSolutionsUpTo(engine.Geometry(), board, 2).Solutions, 2);
  engine.Random().Seed(369);
  EXPECT_FALSE(GenerateUniquePuzzle(engine, solution, givens, 3));
  engine.Random().Seed(1);
  EXPECT_TRUE(GenerateUniquePuzzle(engine, solution, givens, 3)) << "another board";
}

}  // namespace
}  // namespace novlet
