// The aids of a Play & Solve game: Undo, Hint, Errors, Solution and the
// solutions menu.
#include <gtest/gtest.h>

#include <QMenu>

#include "play_n_solve_fixture.h"

namespace novlet::test {
namespace {

TEST_F(PlayNSolveTest, UndoStepsBackThroughEntriesAndNotes) {
  CreatePage();
  NewGame("S3X3");
  EXPECT_FALSE(Page().PlayNSolveUndoBtn()->isEnabled());
  Page().PlayNSolveUndoBtnClick();  // an empty history changes nothing
  EXPECT_EQ(Grid().Cells(), Run().PuzzleTexts);

  const auto [c, r] = OpenCell();
  Select(c, r);
  Key(Qt::Key_1, Qt::ControlModifier);
  Key(Qt::Key_5, Qt::ControlModifier);
  Key(Qt::Key_4);
  Key(Qt::Key_6);
  EXPECT_TRUE(Page().PlayNSolveUndoBtn()->isEnabled());
  Click(Page().PlayNSolveUndoBtn());
  EXPECT_EQ(Cell(c, r), "4");
  Click(Page().PlayNSolveUndoBtn());
  EXPECT_EQ(Cell(c, r), "1,5,");
  Click(Page().PlayNSolveUndoBtn());
  Click(Page().PlayNSolveUndoBtn());
  EXPECT_EQ(Cell(c, r), "");
  EXPECT_FALSE(Page().PlayNSolveUndoBtn()->isEnabled());
  EXPECT_EQ(Game().EntryCount, 4);  // undoing counts nothing
}

TEST_F(PlayNSolveTest, AHintReplacesNotesByTheValueAndUndoBringsThemBack) {
  CreatePage();
  NewGame();
  // One cell left with notes, one wrong entry, every other open cell right:
  // the hint can only go to the noted cell, and the grid stays unsolved.
  const auto [c, r] = OpenCell();
  const auto [wc, wr] = OpenCell(1);
  for (int row = 1; row <= 4; ++row)
    for (int col = 1; col <= 4; ++col)
      if (!IsGiven(col, row)) Grid().Cells().at(col, row) = DecimalText(Run().Solution.at(col, row));
  Grid().Cells().at(c, r).clear();
  Grid().Cells().at(wc, wr) = DecimalText(Run().Solution.at(wc, wr) % 4 + 1);
  Select(c, r);
  Key(Qt::Key_1, Qt::ControlModifier);
  Key(Qt::Key_2, Qt::ControlModifier);
  ASSERT_EQ(Cell(c, r), "1,2,");

  Click(Page().PlayNSolveHintBtn());
  EXPECT_EQ(Cell(c, r), DecimalText(Run().Solution.at(c, r)));
  EXPECT_EQ(Game().HintCount, 1);
  EXPECT_EQ(Game().EntryCount, 2);  // a hint is no entry
  EXPECT_TRUE(Run().GameState == TGameFlag::Playing);
  Click(Page().PlayNSolveUndoBtn());
  EXPECT_EQ(Cell(c, r), "1,2,");
  EXPECT_EQ(Game().HintCount, 1);
}

TEST_F(PlayNSolveTest, HintWithNothingToFillChangesNothing) {
  CreatePage();
  NewGame();
  for (int row = 1; row <= 4; ++row)
    for (int col = 1; col <= 4; ++col)
      if (!IsGiven(col, row)) Grid().Cells().at(col, row) = DecimalText(Run().Solution.at(col, row) % 4 + 1);
  const TCellTexts grid = Grid().Cells();
  Page().PlayNSolveHintBtnClick();
  EXPECT_EQ(Grid().Cells(), grid);
  EXPECT_EQ(Game().HintCount, 0);
  EXPECT_FALSE(Run().GameState.Has(TGameFlag::HintRunning));
}

TEST_F(PlayNSolveTest, ErrorsCountsEveryPressAndMarksWrongEntriesRed) {
  CreatePage();
  NewGame("S3X3");
  const auto [c, r] = OpenCell();
  Select(c, r);
  const int wrong = Run().Solution.at(c, r) % 9 + 1;
  Key(static_cast<Qt::Key>(Qt::Key_0 + wrong));
  Key(Qt::Key_Right);
  Click(Page().PlayNSolveErrorsBtn());
  Click(Page().PlayNSolveErrorsBtn());
  EXPECT_EQ(Game().ErrorCount, 2);
  EXPECT_FALSE(Run().GameState.Has(TGameFlag::ShowErrors));

  // What the press paints: the same grid drawn with the flag set.
  Run().GameState.Set(TGameFlag::ShowErrors);
  const QImage marked = Grid().grab().toImage();
  Run().GameState.Clear(TGameFlag::ShowErrors);
  const QRect cell = GridCellRect(c - 1, r - 1, 9, Grid().size());
  EXPECT_EQ(marked.pixelColor(cell.topLeft() + QPoint(3, 3)), QColor(Qt::red));
}

TEST_F(PlayNSolveTest, SolutionEndsTheGameWithoutNotesOrHistory) {
  CreatePage();
  NewGame("S3X3");
  const auto [c, r] = OpenCell();
  const auto [c2, r2] = OpenCell(1);
  Select(c, r);
  Key(Qt::Key_1, Qt::ControlModifier);
  Select(c2, r2);
  Key(static_cast<Qt::Key>(Qt::Key_0 + Run().Solution.at(c2, r2)));
  Click(Page().PlayNSolveSolutionBtn());
  EXPECT_TRUE(Run().GameState == TGameFlag::SolutionShown);
  EXPECT_EQ(Cell(c, r), "");
  EXPECT_EQ(Cell(c2, r2), DecimalText(Run().Solution.at(c2, r2)));  // entries stay
  EXPECT_TRUE(Game().History.empty());
  EXPECT_EQ(Game().Status, StatusFinished);
  EXPECT_FALSE(Page().PlayNSolveSolutionBtn()->isEnabled());
  EXPECT_FALSE(Grid().Cells() == Run().PuzzleTexts);
  Tick();
  EXPECT_EQ(TimeLabel(), "Puzzle Solution");
}

// A puzzle with two solutions: a full board whose 1 and 2 in rows 1 and 4
// of the first two columns are left open, so that they can trade places.
TEST_F(PlayNSolveTest, SeveralSolutionsAreOfferedInAMenuAndTheChosenOneIsShown) {
  CreatePage();
  NewGame("S3X3");
  const TGeometry& g = Run().Engine.Geometry();
  const std::string oneLine =
      "..3456789456789123789123456..4365897365897214897214365531642978642978531978531642";
  TCellTexts puzzle;
  for (int i = 0; i < 81; ++i)
    if (oneLine[i] != '.') puzzle.at(i % 9 + 1, i / 9 + 1) = std::string(1, oneLine[i]);
  TNovletFileData record = Game();
  record.SolutionHex.clear();
  record.PuzzleHex = TextsToHex(g, puzzle);
  record.GridHex.clear();
  record.Status = StatusPlaying;
  const std::filesystem::path file = DataFolder() / "several.dat";
  ASSERT_TRUE(WritePuzzleRecord(file, "tester@Several", record).Ok);

  Page().LoadPlayGame(file, "tester@Several");
  Form().UpdateStatus();
  ASSERT_TRUE(Run().GameState == TGameFlag::Playing);
  const int count = Run().Engine.SolutionCount();
  ASSERT_EQ(count, 2);
  EXPECT_EQ(Page().PlayNSolveSolutionBtn()->Caption(), QString("Solution [%1]").arg(count));
  EXPECT_TRUE(Page().PlayNSolveSolutionBtn()->isEnabled());
  QMenu* menu = Page().SolutionsPopupMenu();
  ASSERT_EQ(menu->actions().size(), count);

  Click(Page().PlayNSolveSolutionBtn());
  EXPECT_TRUE(menu->isVisible());
  menu->hide();
  EXPECT_TRUE(Run().GameState == TGameFlag::Playing);

  QAction* last = menu->actions().back();
  EXPECT_EQ(last->objectName(), QString("Solution_%1").arg(count));
  last->trigger();
  TBoard expected;
  HexToBoard(g, Run().Engine.SolutionList()[static_cast<std::size_t>(count)], expected);
  EXPECT_EQ(Run().Solution, expected);
  EXPECT_TRUE(Run().GameState == TGameFlag::SolutionShown);

  // A new shape starts over with the plain caption and no menu.
  NewGame("S2X2", 11);
  EXPECT_EQ(Page().PlayNSolveSolutionBtn()->Caption(), "Solution");
  EXPECT_TRUE(menu->actions().isEmpty());
}

}  // namespace
}  // namespace novlet::test
