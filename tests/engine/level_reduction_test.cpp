// Level targets and the reduction of a full board to a puzzle of a level.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "board_literals.h"
#include "engine/level_table.h"
#include "engine_kinds.h"

namespace novlet {
namespace {

// All targets a level can draw on an N x N board, over many seeds.
std::set<int> Targets(int gridSize, int level) {
  std::set<int> targets;
  TRandomSource random(99);
  for (int i = 0; i < 400; ++i) targets.insert(RemovalTarget(gridSize, level, random));
  return targets;
}

TEST(LevelTable, RemovalTargetsPerLevelAndSize) {
  const struct {
    int GridSize, Level, Low, High;
  } cases[] = {
      {9, kLevelRookie, 42, 46},   {9, kLevelNormal, 47, 51},   {9, kLevelSkilled, 52, 56},
      {9, kLevelExpert, 61, 61},   {9, 7, 47, 51},  // an unknown level is Normal
      {4, kLevelRookie, 9, 9},     {4, kLevelExpert, 12, 12},   {16, kLevelRookie, 96 - 15, 96},
      {16, kLevelExpert, 144 - 15, 144},
  };
  for (const auto& c : cases) {
    const std::set<int> targets = Targets(c.GridSize, c.Level);
    EXPECT_EQ(std::tuple(*targets.begin(), *targets.rbegin(), static_cast<int>(targets.size())),
              std::tuple(c.Low, c.High, c.High - c.Low + 1))
        << c.GridSize << " x " << c.GridSize << ", level " << c.Level;
  }
  EXPECT_EQ(LevelTargetText(7), "Target is Normal");
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
  Engine engine;
};
TYPED_TEST_SUITE(LevelReduction, EngineKinds, EngineKindNames);

// Reductions of the generator's puzzles are checked for every shape and
// level with the generator; here, the boards a reduction must refuse.
TYPED_TEST(LevelReduction, BoardsThatAreNotWholeAndValidAreRefusedUntouched) {
  TNovletEngine maker;
  maker.Random().Seed(303);
  TBoard solution;
  TCellTexts ignored;
  for (int attempt = 0; attempt < 100 && !maker.GeneratePuzzle(solution, ignored, false, 0); ++attempt) {
  }
  ASSERT_TRUE(IsCompleteNovlet(3, 3, solution));
  TBoard repeated = solution;
  repeated.at(2, 1) = repeated.at(1, 1);
  TBoard notFull = solution;
  notFull.at(9, 9) = 0;
  const TCellTexts callers = TextsFromRows({"5 . 3,1,"});
  for (const TBoard& refused : {repeated, notFull}) {
    TBoard board = refused;
    TCellTexts texts = callers;
    EXPECT_FALSE(this->engine.ReduceToLevel(board, texts, kLevelRookie));
    EXPECT_EQ(board, refused);
    EXPECT_EQ(texts, callers);
    EXPECT_EQ(this->engine.SolutionCap(), 10);
  }
  // Every row and column holds 1..4, but the 2 x 2 boxes repeat values.
  this->engine.SetBoxShape(2, 2);
  TBoard latin = BoardFromRows({"1 2 3 4", "2 3 4 1", "3 4 1 2", "4 1 2 3"});
  TCellTexts texts;
  EXPECT_FALSE(this->engine.ReduceToLevel(latin, texts, kLevelRookie));
  EXPECT_EQ(texts, TCellTexts());
}

}  // namespace
}  // namespace novlet
