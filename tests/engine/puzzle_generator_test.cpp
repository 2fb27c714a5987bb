// Filling boxes, generating full boards and puzzles, and the promises every generated puzzle keeps.
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

template <typename Engine>
class PuzzleGeneration : public ::testing::Test {
 protected:
  Engine engine;
  TBoard board;
  TCellTexts texts;
};
TYPED_TEST_SUITE(PuzzleGeneration, EngineKinds, EngineKindNames);

TYPED_TEST(PuzzleGeneration, AValueGoesWhereNeitherRowNorColumnHoldsItOrNowhere) {
  const struct {
    const char* Name;
    std::initializer_list<std::string_view> Rows;
    int BoxColumn, Value;
    bool Placed;
    std::initializer_list<std::string_view> After;  // empty: unchanged
    int Draws;                                      // -1: not counted
  } cases[] = {
      {"a value already there needs no draw", {". .", ". 3"}, 1, 3, true, {}, 0},
      {"a full box without the value refuses", {". . 1 2", ". . 4 1"}, 2, 3, false, {}, 0},
      {"only (4, 2) is free of 2", {"2 . . .", ". . . .", ". . 2 ."}, 2, 2, true, {"2 . . .", ". . . 2", ". . 2 ."}, -1},
      {"3 in both rows: gives up after 500 draws", {"3 . . .", ". 3 . ."}, 2, 3, false, {}, 500},
  };
  this->engine.SetBoxShape(2, 2);
  for (const auto& c : cases) {
    this->engine.Random().Seed(11);
    TRandomSource twin(11);
    this->board = BoardFromRows(c.Rows);
    EXPECT_EQ(this->engine.PlaceInBoxAtRandom(this->board, c.BoxColumn, c.Value, 1), c.Placed) << c.Name;
    EXPECT_EQ(this->board, BoardFromRows(c.After.size() > 0 ? c.After : c.Rows)) << c.Name;
    if (c.Draws < 0) continue;
    for (int draw = 0; draw < c.Draws; ++draw) twin.Between(1, 4);
    EXPECT_EQ(this->engine.Random().Below(1u << 30), twin.Below(1u << 30)) << c.Name << ": draws out of step";
  }
}

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

// Every shape and level, on the engine: the generated puzzles keep the promises
// the game relies on.
class GeneratedPuzzles : public ::testing::TestWithParam<int> {};

struct TTargetRange {
  int Low;
  int High;
};

// The removal targets of each level, worked out here independently.
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

      // One progress report per kept removal, in the level's text until the
      // Fiendish search takes over, and that only for Expert up to 9 x 9.
      const int removed = n * n - CountGivens(g, puzzle);
      const std::vector<std::string>& progress = host.ProgressTexts;
      EXPECT_EQ(static_cast<int>(progress.size()), removed);
      const auto firstFiendish = std::find(progress.begin(), progress.end(), kFiendishText);
      EXPECT_EQ(std::count(progress.begin(), firstFiendish, LevelTargetText(level)), firstFiendish - progress.begin());
      EXPECT_EQ(std::count(firstFiendish, progress.end(), kFiendishText), progress.end() - firstFiendish);
      const bool fiendish = firstFiendish != progress.end();
      EXPECT_TRUE(!fiendish || (level == kLevelExpert && n <= 9));
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

INSTANTIATE_TEST_SUITE_P(AllShapes, GeneratedPuzzles, ::testing::Range(0, static_cast<int>(kBoxShapes.size())),
                         ShapeName);

}  // namespace
}  // namespace novlet
