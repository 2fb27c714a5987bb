// Every step the solver takes on generated puzzles of all nineteen shapes agrees with the solution.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/board_text.h"
#include "engine/level_table.h"
#include "engine/novlet_engine.h"
#include "logic/logic_solver.h"

namespace novlet {
namespace {

class LogicSoundness : public testing::TestWithParam<int> {};

// Every value placed is the solution's and no candidate removed is; the
// unique-rectangle is allowed, as generated puzzles have one solution.
TEST_P(LogicSoundness, EveryStepAgreesWithTheSolution) {
  const TBoxShape& shape = kBoxShapes[GetParam()];
  TNovletEngine engine;
  engine.SetBoxShape(shape.BoxWidth, shape.BoxHeight);
  const TGeometry& g = engine.Geometry();
  // Most 9 x 9 Expert puzzles need more than singles: many of them, so that
  // the harder techniques are checked too.
  const int puzzles = g.GridSize == 9 && shape.BoxWidth == 3 ? 300 : g.GridSize > 12 ? 3 : 10;
  std::set<TTechnique> used;
  for (int i = 0; i < puzzles; ++i) {
    engine.Random().Seed(1000 + 7 * i + GetParam());
    TBoard solution;
    TCellTexts texts;
    while (!engine.GeneratePuzzle(solution, texts, true, i % 2 ? kLevelExpert : kLevelSkilled)) {
      engine.Random().Seed(engine.Random().Below(1u << 30));
    }
    TBoard puzzle;
    TextsToBoard(g, texts, puzzle);
    const TLogicPath path = SolvePath(g, puzzle, true);
    for (const TLogicStep& step : path.Steps) {
      used.insert(step.Technique);
      SCOPED_TRACE(std::string(TechniqueIdentifier(step.Technique)) + " in " + BoardToHex(g, puzzle));
      for (const TCellValue& placed : step.Placed) EXPECT_EQ(solution.at(placed.Column, placed.Row), placed.Value);
      for (const TCellValue& removed : step.Removed) EXPECT_NE(solution.at(removed.Column, removed.Row), removed.Value);
      EXPECT_FALSE(step.Placed.empty() && step.Removed.empty());
    }
    EXPECT_EQ(path.Solved, path.OpenCells == 0);
  }
  if (puzzles >= 300) {
    for (const TTechnique technique : {TTechnique::XyWing, TTechnique::SimpleColouring, TTechnique::Aic}) {
      EXPECT_TRUE(used.count(technique)) << TechniqueIdentifier(technique);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllShapes, LogicSoundness, testing::Range(0, static_cast<int>(kBoxShapes.size())),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(kBoxShapes[info.param].ItemName);
                         });

}  // namespace
}  // namespace novlet
