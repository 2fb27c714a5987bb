#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "board_literals.h"
#include "engine/board_text.h"
#include "engine/geometry.h"
#include "engine/level_table.h"
#include "engine_kinds.h"
#include "puzzle_checks.h"
#include "recording_host.h"

namespace novlet {
namespace {

// ---- Placing one value in a box ------------------------------------------

template <typename Engine>
class PlacementInABox : public ::testing::Test {
 protected:
  PlacementInABox() {
    engine.SetBoxShape(2, 2);
    engine.Random().Seed(11);
    twin.Seed(11);
  }
  // Whether the engine drew exactly as many numbers as the twin source.
  bool DrawsInStep() { return engine.Random().Below(1u << 30) == twin.Below(1u << 30); }

  Engine engine;
  TRandomSource twin;
};
TYPED_TEST_SUITE(PlacementInABox, EngineKinds, EngineKindNames);

TYPED_TEST(PlacementInABox, AValueAlreadyThereNeedsNoDraw) {
  TBoard board = BoardFromRows({". .", ". 3"});
  const TBoard before = board;
  EXPECT_TRUE(this->engine.PlaceInBoxAtRandom(board, 1, 3, 1));
  EXPECT_EQ(board, before);
  EXPECT_TRUE(this->DrawsInStep());
}

TYPED_TEST(PlacementInABox, AFullBoxWithoutTheValueRefuses) {
  TBoard board = BoardFromRows({". . 1 2", ". . 4 1"});  // holds 1 twice, 3 not at all
  const TBoard before = board;
  EXPECT_FALSE(this->engine.PlaceInBoxAtRandom(board, 2, 3, 1));
  EXPECT_EQ(board, before);
  EXPECT_TRUE(this->DrawsInStep());
}

TYPED_TEST(PlacementInABox, TheValueGoesWhereNeitherRowNorColumnHoldsIt) {
  // In the top-right box only (4, 2) is free of 2 in its row and column.
  TBoard board = BoardFromRows({"2 . . .", ". . . .", ". . 2 ."});
  EXPECT_TRUE(this->engine.PlaceInBoxAtRandom(board, 2, 2, 1));
  EXPECT_EQ(board, BoardFromRows({"2 . . .", ". . . 2", ". . 2 ."}));
}

TYPED_TEST(PlacementInABox, GivesUpAfterFiveHundredDraws) {
  // 3 stands in both rows of the top-right box.
  TBoard board = BoardFromRows({"3 . . .", ". 3 . ."});
  const TBoard before = board;
  EXPECT_FALSE(this->engine.PlaceInBoxAtRandom(board, 2, 3, 1));
  EXPECT_EQ(board, before);
  for (int draw = 0; draw < 500; ++draw) this->twin.Between(1, 4);
  EXPECT_TRUE(this->DrawsInStep());
}

// ---- Whole puzzles -------------------------------------------------------

template <typename Engine>
class PuzzleGeneration : public ::testing::Test {
 protected:
  Engine engine;
  TBoard board;
  TCellTexts texts;
};
TYPED_TEST_SUITE(PuzzleGeneration, EngineKinds, EngineKindNames);

TYPED_TEST(PuzzleGeneration, AFullBoardAloneLeavesTheTextsEmpty) {
  this->engine.SetBoxShape(3, 3);
  this->engine.Random().Seed(4);
  this->texts.at(1, 1) = "stale";
  while (!this->engine.GeneratePuzzle(this->board, this->texts, false, kLevelExpert)) {
  }
  EXPECT_TRUE(IsCompleteNovlet(3, 3, this->board));
  EXPECT_EQ(this->texts, TCellTexts());
  EXPECT_EQ(this->engine.SolutionCap(), 10);
}

TYPED_TEST(PuzzleGeneration, FourByFourFillsSometimesDeadEnd) {
  this->engine.SetBoxShape(2, 2);
  int failures = 0;
  int successes = 0;
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    this->engine.Random().Seed(seed);
    if (this->engine.GeneratePuzzle(this->board, this->texts, false, 0)) {
      ++successes;
      EXPECT_TRUE(IsCompleteNovlet(2, 2, this->board));
    } else {
      ++failures;
    }
  }
  EXPECT_GT(failures, 0);
  EXPECT_GT(successes, 0);
}

TYPED_TEST(PuzzleGeneration, TheSameSeedGivesTheSamePuzzle) {
  this->engine.SetBoxShape(3, 2);
  TBoard boards[3];
  TCellTexts puzzles[3];
  for (int i = 0; i < 3; ++i) {
    this->engine.Random().Seed(i < 2 ? 8 : 9);
    while (!this->engine.GeneratePuzzle(boards[i], puzzles[i], true, kLevelNormal)) {
    }
  }
  EXPECT_EQ(boards[0], boards[1]);
  EXPECT_EQ(puzzles[0], puzzles[1]);
  EXPECT_NE(puzzles[0], puzzles[2]);
}

// Every shape and level, on the engine: the generated puzzles keep the promises
// the game relies on.
class GeneratedPuzzles : public ::testing::TestWithParam<int> {};

struct TTargetRange {
  int Low;
  int High;
};

// The documented removal targets, worked out here independently.
TTargetRange TargetRange(int n, int level) {
  const int share = level == 0 ? 46 : level == 2 ? 56 : level == 3 ? 61 : 51;
  int high = (2 * n * n * share + 81) / 162;
  if (n > 9) high -= (n - 9) * (n - 9);
  const int allowance = (level == 3 && n <= 9) ? 0 : (2 * n * n * 5 + 81) / 162 - 1;
  return {high - allowance, high};
}

TEST_P(GeneratedPuzzles, AreValidUniqueAndOfTheirLevel) {
  const TBoxShape& shape = kBoxShapes[static_cast<std::size_t>(GetParam())];
  const int n = shape.BoxWidth * shape.BoxHeight;
  TGeometry g;
  g.SetBoxShape(shape.BoxWidth, shape.BoxHeight);
  TNovletEngine engine;
  engine.SetBoxShape(shape.BoxWidth, shape.BoxHeight);
  TRecordingHost host;
  engine.SetHost(&host);

  for (int level = 0; level <= 3; ++level) {
    for (std::uint64_t seed = 1; seed <= 2; ++seed) {
      SCOPED_TRACE("shape " + std::string(shape.Caption) + ", level " + std::to_string(level) + ", seed " +
                   std::to_string(seed));
      engine.Random().Seed(seed);
      host = TRecordingHost();
      TBoard solution;
      TCellTexts puzzle;
      bool generated = false;
      for (int attempt = 0; attempt < 50 && !generated; ++attempt) {
        generated = engine.GeneratePuzzle(solution, puzzle, true, level);
      }
      ASSERT_TRUE(generated);
      EXPECT_EQ(engine.SolutionCap(), 10);
      ASSERT_TRUE(IsCompleteNovlet(shape.BoxWidth, shape.BoxHeight, solution));
      for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
          if (!puzzle.at(c, r).empty()) {
            ASSERT_EQ(puzzle.at(c, r), DecimalText(solution.at(c, r))) << "given (" << c << ", " << r << ")";
          }
        }
      }

      const bool fiendish = std::find(host.ProgressTexts.begin(), host.ProgressTexts.end(), "Level is Fiendish!") !=
                            host.ProgressTexts.end();
      EXPECT_TRUE(!fiendish || (level == kLevelExpert && n <= 9));
      const int removed = n * n - CountGivens(g, puzzle);
      const TTargetRange range = TargetRange(n, level);
      EXPECT_LE(removed, range.High);
      if (removed < range.Low) {
        EXPECT_FALSE(SomeGivenCouldGo(engine, g, puzzle, level == kLevelExpert && n <= 9))
            << removed << " removed, target at least " << range.Low;
      }
      if (fiendish) {
        TBoard board;
        TCellTexts texts = puzzle;
        engine.SetSolutionCap(1);
        EXPECT_TRUE(engine.SolveAndCount(board, texts, false, true));
        EXPECT_EQ(board, solution);
        engine.SetSolutionCap(10);
      } else {
        EXPECT_TRUE(SolvedByPropagationAlone(engine, g, puzzle, solution));
      }
    }
  }
}

std::string ShapeName(const ::testing::TestParamInfo<int>& info) {
  const TBoxShape& shape = kBoxShapes[static_cast<std::size_t>(info.param)];
  return "Boxes" + std::to_string(shape.BoxWidth) + "x" + std::to_string(shape.BoxHeight);
}

INSTANTIATE_TEST_SUITE_P(AllShapes, GeneratedPuzzles, ::testing::Range(0, static_cast<int>(kBoxShapes.size())),
                         ShapeName);

}  // namespace
}  // namespace novlet
