// The path and the next step from whole positions: solved, stuck on a broken board, eliminations first.
#include "logic/logic_solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/board_text.h"
#include "engine/level_table.h"
#include "engine/novlet_engine.h"

namespace novlet {
namespace {

TBoard LineBoard(const std::string& line) {
  TBoard board;
  for (int i = 0; i < 81; ++i)
    board.at(i % 9 + 1, i / 9 + 1) = static_cast<std::uint8_t>(line[i] == '.' ? 0 : line[i] - '0');
  return board;
}

const TGeometry k9x9{};

TEST(LogicSolver, SolvesAnEasyPuzzleWithSinglesAndPlacesEveryEmptyCellOnce) {
  const std::string line = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
  const TBoard puzzle = LineBoard(line);
  const TLogicPath path = SolvePath(k9x9, puzzle, false);
  EXPECT_TRUE(path.Solved);
  EXPECT_EQ(path.Hardest, TTechnique::NakedSingle);
  EXPECT_EQ(path.Steps.size(), static_cast<std::size_t>(std::count(line.begin(), line.end(), '.')));
  const TLogicStep next = NextStep(k9x9, puzzle, false);
  EXPECT_EQ(next.Placed, path.Steps.front().Placed);
  EXPECT_TRUE(next.Preparation.empty());
}

// A value twice in a row implies anything, so nothing is reported from it.
TEST(LogicSolver, ReportsNothingFromABrokenPositionOrAFullBoard) {
  const TBoard broken = LineBoard("55..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
  const TLogicPath path = SolvePath(k9x9, broken, true);
  EXPECT_TRUE(path.Steps.empty());
  EXPECT_FALSE(path.Solved);
  EXPECT_EQ(path.Hardest, TTechnique::None);
  EXPECT_FALSE(NextStep(k9x9, broken, true).Found());
  const TBoard full = LineBoard("534678912672195348198342567859761423426853791713924856961537284287419635345286179");
  EXPECT_TRUE(SolvePath(k9x9, full, true).Solved);
  EXPECT_FALSE(NextStep(k9x9, full, true).Found());
}

// Where the easiest step only eliminates, the next step is still the first
// placement, led by the eliminations it needs.
TEST(LogicSolver, NextStepPlacesAValueAfterTheEliminationsItNeeds) {
  TNovletEngine engine;
  engine.Random().Seed(5);
  int checked = 0;
  for (int i = 0; i < 200 && checked < 5; ++i) {
    TBoard solution;
    TCellTexts texts;
    if (!engine.GeneratePuzzle(solution, texts, true, kLevelExpert)) continue;
    TBoard board;
    TextsToBoard(k9x9, texts, board);
    for (const TLogicStep& step : SolvePath(k9x9, board, true).Steps) {
      if (step.Placed.empty() && FindStep(TCandidateGrid(k9x9, board), true).Placed.empty()) {
        const TLogicStep next = NextStep(k9x9, board, true);
        ASSERT_FALSE(next.Preparation.empty());
        for (const TLogicStep& before : next.Preparation) EXPECT_TRUE(before.Placed.empty());
        EXPECT_EQ(next.Placed.size(), next.Found() ? 1u : 0u);
        ++checked;
        break;
      }
      for (const TCellValue& placed : step.Placed)
        board.at(placed.Column, placed.Row) = static_cast<std::uint8_t>(placed.Value);
    }
  }
  EXPECT_EQ(checked, 5);
}

}  // namespace
}  // namespace novlet
