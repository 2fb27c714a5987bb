// Input on the Play & Solve grid as the player gives it: keys, notes, the
// grid menu, the symbol strip, and the alternatives shown for a cell.
#include <gtest/gtest.h>

#include <QMenu>
#include <QRegularExpression>

#include "game/grid_popup_menu.h"
#include "play_n_solve_fixture.h"

namespace novlet::test {
namespace {

TEST_F(PlayNSolveTest, AValueKeyWritesOnceWithOneHistoryRecord) {
  CreatePage();
  NewGame("S3X3");
  const auto [c, r] = OpenCell();
  Select(c, r);
  Key(Qt::Key_7);
  EXPECT_EQ(Cell(c, r), "7");
  const std::string record = std::to_string(c) + "," + std::to_string(r) + "=|";
  EXPECT_EQ(Game().History, record);
  EXPECT_EQ(Game().EntryCount, 1);
  Key(Qt::Key_7);
  EXPECT_EQ(Game().EntryCount, 1);
  EXPECT_EQ(Game().History, record);

  // Clearing keys empty the cell once; an empty cell stays as it is.
  Key(Qt::Key_Delete);
  EXPECT_EQ(Cell(c, r), "");
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Space);
  EXPECT_EQ(Game().EntryCount, 2);
  // No value above N, no letters with digits.
  Key(Qt::Key_Q);
  Key(Qt::Key_A);
  EXPECT_EQ(Cell(c, r), "");
}

TEST_F(PlayNSolveTest, CtrlKeysTogglePencilNotesAndAValueReplacesThem) {
  CreatePage();
  NewGame("S3X3");
  const auto [c, r] = OpenCell();
  Select(c, r);
  Key(Qt::Key_3, Qt::ControlModifier);
  Key(Qt::Key_1, Qt::ControlModifier);
  EXPECT_EQ(Cell(c, r), "3,1,");
  Key(Qt::Key_3, Qt::ControlModifier);
  EXPECT_EQ(Cell(c, r), "1,");
  Key(Qt::Key_5);
  EXPECT_EQ(Cell(c, r), "5");
  Key(Qt::Key_2, Qt::ControlModifier);
  EXPECT_EQ(Cell(c, r), "2,");
  EXPECT_EQ(Game().EntryCount, 5);  // the Ctrl key's own release changes nothing
  EXPECT_EQ(Game().History.substr(0, Game().History.find('|') + 1),
            std::to_string(c) + "," + std::to_string(r) + "=5|");
}

TEST_F(PlayNSolveTest, WideBoardsTakeQToWAndMatchNotesWhole) {
  CreatePage();
  NewGame("S4X4");
  ASSERT_EQ(N(), 16);
  const auto [c, r] = OpenCell();
  Select(c, r);
  Key(Qt::Key_W, Qt::ControlModifier);
  Key(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(Cell(c, r), "16,10,");
  Key(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(Cell(c, r), "16,");
  Key(Qt::Key_R);
  EXPECT_EQ(Cell(c, r), "11");
}

TEST_F(PlayNSolveTest, GivensPausedGamesAndSmallBoardsIgnoreKeys) {
  CreatePage();
  NewGame();
  const auto [gc, gr] = GivenCell();
  const std::string given = Cell(gc, gr);
  Select(gc, gr);
  Key(Qt::Key_Delete);
  Key(Qt::Key_1, Qt::ControlModifier);
  EXPECT_EQ(Cell(gc, gr), given);
  const auto [c, r] = OpenCell();
  Select(c, r);
  Key(Qt::Key_7);  // above N = 4
  EXPECT_EQ(Cell(c, r), "");
  EXPECT_EQ(Game().EntryCount, 0);

  Key(Qt::Key_Pause);
  EXPECT_TRUE(Run().GameState.Has(TGameFlag::Paused));
  Page().NovletGridKeyUp(&Grid(), VkPause, {});  // the grid is disabled; even so nothing continues
  EXPECT_TRUE(Run().GameState.Has(TGameFlag::Paused));
  Page().NovletGridKeyUp(&Grid(), Vk1, {});
  EXPECT_EQ(Cell(c, r), "");
}

TEST_F(PlayNSolveTest, LetterDisplaySetsBringTheirOwnKeys) {
  CreatePage();
  Run().Options.DisplaySet = "SINGAPORE";
  NewGame("S3X3");
  const auto [c, r] = OpenCell();
  Select(c, r);
  Key(Qt::Key_S);
  EXPECT_EQ(Cell(c, r), "1");
  Key(Qt::Key_E);
  EXPECT_EQ(Cell(c, r), "9");
  Key(Qt::Key_4, Qt::KeypadModifier);
  EXPECT_EQ(Cell(c, r), "9");

  Run().Options.DisplaySet = "abcdefghi";  // matched without regard to case
  Page().ApplyDisplaySet();
  EXPECT_EQ(Run().DisplaySet.SelectedIndex(), 1);
  Key(Qt::Key_C);
  EXPECT_EQ(Cell(c, r), "3");
  Key(Qt::Key_4, Qt::KeypadModifier);
  EXPECT_EQ(Cell(c, r), "4");
}

TEST_F(PlayNSolveTest, TheGridMenuOpensOnlyOnOpenCellsAndEntersValuesAndNotes) {
  CreatePage();
  NewGame("S2X3");
  TGridPopupMenu& menu = *Page().NovletGridPopupMenu();
  const auto [gc, gr] = GivenCell();
  Select(gc, gr, Qt::RightButton);
  EXPECT_FALSE(menu.isVisible());
  const auto [c, r] = OpenCell();
  Select(c, r, Qt::RightButton);
  EXPECT_TRUE(menu.isVisible());
  menu.hide();
  for (int k = 1; k <= 16; ++k) EXPECT_EQ(menu.ValueItem(k)->isVisible(), k <= 6) << k;
  EXPECT_TRUE(menu.PencilNote()->menuAction()->isVisible());
  EXPECT_EQ(menu.ValueItem(3)->text(), "3");
  EXPECT_EQ(menu.PencilNoteItem(3)->text(), "3  (Ctrl + 3)");

  menu.PencilNoteItem(4)->trigger();
  menu.PencilNoteItem(2)->trigger();
  EXPECT_EQ(Cell(c, r), "4,2,");
  menu.ValueItem(6)->trigger();
  EXPECT_EQ(Cell(c, r), "6");
  menu.ValueItem(0)->trigger();
  EXPECT_EQ(Cell(c, r), "");
  EXPECT_EQ(Game().EntryCount, 4);
}

TEST_F(PlayNSolveTest, StripClicksEnterNotesAndHighlightAValue) {
  CreatePage();
  NewGame("S3X3");
  const auto [c, r] = OpenCell();
  Select(c, r);
  StripClick(8);
  EXPECT_EQ(Cell(c, r), "8");
  StripClick(2, Qt::ControlModifier);
  StripClick(9, Qt::ControlModifier);
  EXPECT_EQ(Cell(c, r), "2,9,");

  const auto [gc, gr] = GivenCell();
  const int value = Run().Solution.at(gc, gr);
  StripClick(value, Qt::ShiftModifier);
  EXPECT_EQ(Run().HighlightValue, value);
  EXPECT_EQ(Cell(c, r), "2,9,");
  const QImage shown = Grid().grab().toImage();
  EXPECT_EQ(shown.pixelColor(GridCellRect(gc - 1, gr - 1, 9, Grid().size()).topLeft() + QPoint(3, 3)),
            QColor(Qt::yellow));
  Key(Qt::Key_Right);  // the next status update ends the highlight
  EXPECT_EQ(Run().HighlightValue, 0);
}

TEST_F(PlayNSolveTest, AlternativesOfTheSelectedCellAreShownAndCounted) {
  CreatePage();
  Run().Options.Alternatives = true;
  NewGame("S3X3");
  const auto [c, r] = OpenCell();
  Select(c, r);
  QLabel* label = Page().PlayNSolveAlternativesLbl();
  EXPECT_TRUE(label->isEnabled());
  EXPECT_TRUE(label->text().startsWith("Alternatives\n"));
  const QString list = label->text().mid(13);
  EXPECT_FALSE(list.isEmpty());
  EXPECT_TRUE(list.contains(QString::number(Run().Solution.at(c, r))));
  EXPECT_GT(Game().AlternativesCount, 0);

  const auto [gc, gr] = GivenCell();
  Select(gc, gr);
  EXPECT_EQ(label->text(), "Alternatives");
}

TEST_F(PlayNSolveTest, AlternativesAreShownInTheDisplaySetsLetters) {
  CreatePage();
  Run().Options.Alternatives = true;
  Run().Options.DisplaySet = "ABCDEFGHI";
  NewGame("S3X3");
  const auto [c, r] = OpenCell();
  Select(c, r);
  const QString letter = Run().DisplaySet.DisplaySetSymbol(Run().Solution.at(c, r));
  const QString shown = Page().PlayNSolveAlternativesLbl()->text();
  EXPECT_TRUE(shown.startsWith("Alternatives\n"));
  EXPECT_TRUE(shown.contains(letter)) << shown.toStdString();
  EXPECT_FALSE(shown.contains(QRegularExpression("[0-9]"))) << shown.toStdString();
}

TEST_F(PlayNSolveTest, AWholeGamePlayedByKeysStripAndMenuEndsSolved) {
  CreatePage();
  NewGame("S2X2", 3);
  Tick(5);
  int method = 0;
  for (int r = 1; r <= 4; ++r) {
    for (int c = 1; c <= 4; ++c) {
      if (IsGiven(c, r)) continue;
      const int value = Run().Solution.at(c, r);
      Select(c, r);
      switch (method++ % 3) {
        case 0: Key(static_cast<Qt::Key>(Qt::Key_0 + value)); break;
        case 1: StripClick(value); break;
        default: Page().NovletGridPopupMenu()->ValueItem(value)->trigger(); break;
      }
    }
  }
  EXPECT_TRUE(Run().GameState == TGameFlag::SolutionShown);
  EXPECT_EQ(Game().Status, StatusFinished);
  EXPECT_FALSE(Game().History.empty());  // a won game keeps its history
  Tick(60);
  EXPECT_EQ(TimeLabel(), "Puzzle Solved!");
  EXPECT_NEAR(Game().TimePlayed * kSecondsPerDay, 5, 0.01);  // the clock stopped at the last entry
  Key(Qt::Key_1);
  EXPECT_EQ(Game().EntryCount, method);
}

}  // namespace
}  // namespace novlet::test
