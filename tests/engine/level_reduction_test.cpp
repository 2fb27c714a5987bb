#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "board_literals.h"
#include "engine/board_text.h"
#include "engine/level_table.h"
#include "engine_kinds.h"
#include "puzzle_checks.h"
#include "recording_host.h"

namespace novlet {
namespace {

TEST(LevelTable, SharesAndTextsOfTheFourLevels) {
  EXPECT_EQ(LevelRemovalShare(kLevelRookie), 46);
  EXPECT_EQ(LevelRemovalShare(kLevelNormal), 51);
  EXPECT_EQ(LevelRemovalShare(kLevelSkilled), 56);
  EXPECT_EQ(LevelRemovalShare(kLevelExpert), 61);
  EXPECT_EQ(LevelRemovalShare(7), 51);
  EXPECT_EQ(LevelTargetText(kLevelRookie), "Target is Rookie");
  EXPECT_EQ(LevelTargetText(kLevelExpert), "Target is Expert");
  EXPECT_EQ(LevelTargetText(-1), "Target is Normal");
  EXPECT_EQ(ScaleFrom81(9, 66), 66);
  EXPECT_EQ(ScaleFrom81(16, 66), 209);
  EXPECT_EQ(ScaleFrom81(4, 5), 1);
  EXPECT_EQ(ScaleFrom81(16, 5), 16);
}

// All targets a level can draw on an N x N board, over many seeds.
std::set<int> Targets(int gridSize, int level) {
  std::set<int> targets;
  TRandomSource random(99);
  for (int i = 0; i < 400; ++i) targets.insert(RemovalTarget(gridSize, level, random));
  return targets;
}

TEST(LevelTable, RemovalTargetsPerLevelAndSize) {
  EXPECT_EQ(Targets(9, kLevelExpert), std::set<int>{61});
  EXPECT_EQ(Targets(9, kLevelRookie), (std::set<int>{42, 43, 44, 45, 46}));
  EXPECT_EQ(Targets(9, kLevelNormal), (std::set<int>{47, 48, 49, 50, 51}));
  EXPECT_EQ(Targets(4, kLevelRookie), std::set<int>{9});
  EXPECT_EQ(Targets(4, kLevelExpert), std::set<int>{12});
  const std::set<int> bigRookie = Targets(16, kLevelRookie);
  EXPECT_EQ(*bigRookie.begin(), 96 - 15);
  EXPECT_EQ(*bigRookie.rbegin(), 96);
  const std::set<int> bigExpert = Targets(16, kLevelExpert);
  EXPECT_EQ(*bigExpert.begin(), 144 - 15);
  EXPECT_EQ(*bigExpert.rbegin(), 144);
}

TEST(LevelTable, OnlyAnExactTargetDrawsNoRandomNumber) {
  TRandomSource random(5);
  TRandomSource twin(5);
  RemovalTarget(9, kLevelExpert, random);
  EXPECT_EQ(random.Below(1000000), twin.Below(1000000));
  RemovalTarget(4, kLevelRookie, random);  // draws from a range of one
  twin.Below(1);
  EXPECT_EQ(random.Below(1000000), twin.Below(1000000));
}

template <typename Engine>
class LevelReduction : public ::testing::Test {
 protected:
  LevelReduction() { engine.SetHost(&host); }

  void UseShape(int boxWidth, int boxHeight) {
    engine.SetBoxShape(boxWidth, boxHeight);
    g.SetBoxShape(boxWidth, boxHeight);
    TNovletEngine maker;
    maker.SetBoxShape(boxWidth, boxHeight);
    maker.Random().Seed(static_cast<std::uint64_t>(boxWidth * 100 + boxHeight));
    TCellTexts ignored;
    for (int attempt = 0; attempt < 100 && !maker.GeneratePuzzle(solution, ignored, false, 0); ++attempt) {
    }
    ASSERT_TRUE(IsCompleteNovlet(boxWidth, boxHeight, solution));
  }

  // Reduces the solution; true when the reduction succeeded with the solution
  // kept in B and a puzzle of its givens in T.
  bool Reduce(int level, std::uint64_t seed) {
    engine.Random().Seed(seed);
    host = TRecordingHost();
    board = solution;
    texts = TCellTexts();
    const bool result = engine.ReduceToLevel(board, texts, level);
    EXPECT_EQ(engine.SolutionCap(), 10);
    if (!result) return false;
    EXPECT_EQ(board, solution);
    for (int r = 1; r <= g.GridSize; ++r) {
      for (int c = 1; c <= g.GridSize; ++c) {
        if (!texts.at(c, r).empty()) {
          EXPECT_EQ(texts.at(c, r), DecimalText(solution.at(c, r)));
        }
      }
    }
    return true;
  }
  int Removed() const { return g.GridSize * g.GridSize - CountGivens(g, texts); }

  Engine engine;
  TRecordingHost host;
  TGeometry g;
  TBoard solution;
  TBoard board;
  TCellTexts texts;
};
TYPED_TEST_SUITE(LevelReduction, EngineKinds, EngineKindNames);

TYPED_TEST(LevelReduction, ABoardWithARepeatedValueIsRefusedUntouched) {
  this->UseShape(3, 3);
  TBoard broken = this->solution;
  broken.at(2, 1) = broken.at(1, 1);
  TCellTexts callers = TextsFromRows({"5 . 3,1,"});
  TBoard board = broken;
  TCellTexts texts = callers;
  EXPECT_FALSE(this->engine.ReduceToLevel(board, texts, kLevelRookie));
  EXPECT_EQ(board, broken);
  EXPECT_EQ(texts, callers);
  EXPECT_EQ(this->engine.SolutionCap(), 10);

  board.at(1, 1) = 0;
  EXPECT_FALSE(this->engine.ReduceToLevel(board, texts, kLevelRookie));
  EXPECT_EQ(texts, callers);
}

TYPED_TEST(LevelReduction, ABoardWhoseBoxesRepeatValuesIsRefused) {
  this->UseShape(2, 2);
  // Every row and column holds 1..4, but the 2 x 2 boxes repeat values.
  TBoard latin = BoardFromRows({"1 2 3 4", "2 3 4 1", "3 4 1 2", "4 1 2 3"});
  TCellTexts texts;
  EXPECT_FALSE(this->engine.ReduceToLevel(latin, texts, kLevelRookie));
  EXPECT_EQ(texts, TCellTexts());
}

TYPED_TEST(LevelReduction, ARookiePuzzleReachesItsTargetAndNeedsNoGuess) {
  this->UseShape(3, 3);
  ASSERT_TRUE(this->Reduce(kLevelRookie, 1));
  EXPECT_GE(this->Removed(), 42);
  EXPECT_LE(this->Removed(), 46);
  EXPECT_TRUE(SolvedByPropagationAlone(this->engine, this->g, this->texts, this->solution));

  // One progress report per kept removal, each showing the puzzle so far.
  ASSERT_EQ(static_cast<int>(this->host.ProgressTexts.size()), this->Removed());
  EXPECT_TRUE(std::all_of(this->host.ProgressTexts.begin(), this->host.ProgressTexts.end(),
                          [](const std::string& text) { return text == "Target is Rookie"; }));
  EXPECT_EQ(this->host.Log.front(), "begin reduction");
  EXPECT_EQ(this->host.Log.back(), "end reduction");
  EXPECT_GE(this->host.MessageCalls, this->Removed());
}

TYPED_TEST(LevelReduction, ExpertOnNineByNineTurnsFiendishWhenPropagationRunsOut) {
  this->UseShape(3, 3);
  bool sawFiendish = false;
  for (std::uint64_t seed = 1; seed <= 20 && !sawFiendish; ++seed) {
    ASSERT_TRUE(this->Reduce(kLevelExpert, seed));
    EXPECT_LE(this->Removed(), 61);
    const auto& progress = this->host.ProgressTexts;
    const auto firstFiendish = std::find(progress.begin(), progress.end(), "Level is Fiendish!");
    EXPECT_TRUE(std::all_of(progress.begin(), firstFiendish,
                            [](const std::string& text) { return text == "Target is Expert"; }));
    EXPECT_TRUE(std::all_of(firstFiendish, progress.end(),
                            [](const std::string& text) { return text == "Level is Fiendish!"; }));
    if (firstFiendish == progress.end()) {
      // Still propagation only, so the target was reached or nothing more could go.
      EXPECT_TRUE(SolvedByPropagationAlone(this->engine, this->g, this->texts, this->solution));
      if (this->Removed() < 61) {
        EXPECT_FALSE(SomeGivenCouldGo(this->engine, this->g, this->texts, true));
      }
      continue;
    }
    sawFiendish = true;
    // Unique within the search's means, but beyond propagation.
    TCellTexts texts = this->texts;
    TBoard board;
    this->engine.SetSolutionCap(1);
    EXPECT_TRUE(this->engine.SolveAndCount(board, texts, false, true));
    EXPECT_EQ(board, this->solution);
    this->engine.SetSolutionCap(10);
  }
  EXPECT_TRUE(sawFiendish) << "no seed of 20 needed Fiendish mode";
}

TYPED_TEST(LevelReduction, FourByFourExpertStopsWherePropagationStops) {
  this->UseShape(2, 2);
  for (std::uint64_t seed = 1; seed <= 5; ++seed) {
    ASSERT_TRUE(this->Reduce(kLevelExpert, seed));
    EXPECT_LE(this->Removed(), 12);
    EXPECT_TRUE(SolvedByPropagationAlone(this->engine, this->g, this->texts, this->solution));
    if (this->Removed() < 12) {
      EXPECT_FALSE(SomeGivenCouldGo(this->engine, this->g, this->texts, false));
    }
  }
}

TYPED_TEST(LevelReduction, SixteenBySixteenTargetsAllowForTheBoardSize) {
  this->UseShape(4, 4);
  ASSERT_TRUE(this->Reduce(kLevelRookie, 3));
  EXPECT_LE(this->Removed(), 96);
  if (this->Removed() < 81) {
    EXPECT_FALSE(SomeGivenCouldGo(this->engine, this->g, this->texts, false));
  }
  EXPECT_TRUE(SolvedByPropagationAlone(this->engine, this->g, this->texts, this->solution));
}

}  // namespace
}  // namespace novlet
