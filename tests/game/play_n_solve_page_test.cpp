// The Play & Solve page as the player meets it: what its clicks, keys and
// menus reach, its enabled states, captions, labels and pixels.
#include <gtest/gtest.h>

#include <QMenu>
#include <QRegularExpression>

#include "game/grid_popup_menu.h"
#include "play_n_solve_fixture.h"
#include "store/puzzle_record.h"

namespace novlet::test {
namespace {

TEST_F(PlayNSolveTest, NewOpensTheShapeMenuAndStartsAGameWithItsLabelsAndButtons) {
  CreatePage();
  EXPECT_TRUE(Session().State().IsClear());
  EXPECT_FALSE(Page().SaveBtn()->isEnabled());
  EXPECT_FALSE(Page().SolutionsBtn()->isEnabled());
  Click(Page().NewBtn());
  EXPECT_TRUE(Page().NovletGridsPopupMenu()->isVisible());
  Page().NovletGridsPopupMenu()->hide();

  NewGame("S3X3");
  EXPECT_EQ(Grid().ColCount(), 9);
  EXPECT_EQ(Page().BottomLbl()->text(), "Level Normal");
  EXPECT_EQ(TimeLabel(), "Time ");
  for (TBaseBtn* button : {Page().SaveBtn(), Page().PlayNSolvePauseBtn(), Page().PlayNSolveRestartBtn(),
                           Page().PlayNSolveHintBtn(), Page().SolutionsBtn()})
    EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
  EXPECT_FALSE(Page().PlayNSolveUndoBtn()->isEnabled());
  Tick(0);
  EXPECT_EQ(TimeLabel(), "Time 00:00");
  EXPECT_TRUE(Page().Gauge()->isVisibleTo(&Page()));
}

TEST_F(PlayNSolveTest, PauseChangesItsCaptionHidesTheGridAndDisablesTheAids) {
  CreatePage();
  NewGame();
  Tick(10);
  Click(Page().PlayNSolvePauseBtn());
  EXPECT_EQ(TimeLabel(), "Pausing");
  EXPECT_EQ(Page().PlayNSolvePauseBtn()->Caption(), "Continue");
  EXPECT_FALSE(Grid().isEnabled());
  EXPECT_FALSE(Page().PlayNSolveHintBtn()->isEnabled());
  EXPECT_FALSE(Page().SaveBtn()->isEnabled());
  EXPECT_TRUE(Page().PlayNSolveRestartBtn()->isEnabled());
  Click(Page().PlayNSolvePauseBtn());
  EXPECT_EQ(TimeLabel(), "Time 00:10");
  EXPECT_EQ(Page().PlayNSolvePauseBtn()->Caption(), "Pause");
  EXPECT_TRUE(Grid().isEnabled());

  // The Pause key pauses from an open cell; leaving and coming back keeps the
  // game paused.
  Select(OpenCell().first, OpenCell().second);
  Key(Qt::Key_Pause);
  EXPECT_TRUE(Session().State().Has(TGameFlag::Paused));
  ShowPage(TPageKind::Options);
  ShowPage(TPageKind::PlayNSolve);
  EXPECT_TRUE(Session().State().Has(TGameFlag::Paused));
  EXPECT_EQ(TimeLabel(), "Pausing");
}

TEST_F(PlayNSolveTest, KeysStripAndMenuReachTheSelectedCell) {
  CreatePage();
  NewGame("S2X3");
  const auto [c, r] = OpenCell();
  Select(c, r);
  Key(Qt::Key_3, Qt::ControlModifier);
  Key(Qt::Key_1, Qt::ControlModifier);
  EXPECT_EQ(Cell(c, r), "3,1,");
  Key(Qt::Key_5);
  EXPECT_EQ(Cell(c, r), "5");
  StripClick(2, Qt::ControlModifier);
  StripClick(6, Qt::ControlModifier);
  EXPECT_EQ(Cell(c, r), "2,6,");
  StripClick(4);
  EXPECT_EQ(Cell(c, r), "4");

  // The menu opens on open cells only and offers values up to N and notes.
  TGridPopupMenu& menu = *Page().NovletGridPopupMenu();
  const auto [gc, gr] = GivenCell();
  Select(gc, gr, Qt::RightButton);
  EXPECT_FALSE(menu.isVisible());
  Select(c, r, Qt::RightButton);
  EXPECT_TRUE(menu.isVisible());
  menu.hide();
  for (int k = 1; k <= 16; ++k) EXPECT_EQ(menu.ValueItem(k)->isVisible(), k <= 6) << k;
  EXPECT_EQ(menu.PencilNoteItem(3)->text(), "3  (Ctrl+3)");
  menu.PencilNoteItem(1)->trigger();
  EXPECT_EQ(Cell(c, r), "1,");
  menu.ValueItem(0)->trigger();
  EXPECT_EQ(Cell(c, r), "");
  EXPECT_EQ(Game().EntryCount, 8);
  EXPECT_TRUE(Page().PlayNSolveUndoBtn()->isEnabled());
}

TEST_F(PlayNSolveTest, AShiftClickOnTheStripHighlightsAValueUntilTheNextRefresh) {
  CreatePage();
  NewGame("S3X3");
  const auto [gc, gr] = GivenCell();
  const int value = SolutionAt(gc, gr);
  StripClick(value, Qt::ShiftModifier);
  EXPECT_EQ(Page().HighlightValue(), value);
  const QImage shown = Grid().grab().toImage();
  EXPECT_EQ(shown.pixelColor(GridCellRect(gc - 1, gr - 1, 9, Grid().size()).topLeft() + QPoint(3, 3)),
            QColor(Qt::yellow));
  Key(Qt::Key_Right);
  EXPECT_EQ(Page().HighlightValue(), 0);
}

TEST_F(PlayNSolveTest, TheDisplaySetsLettersTypeAndShowTheAlternatives) {
  CreatePage();
  Form().ChangeOptions([](TOptions& options) {
    options.Alternatives = true;
    options.DisplaySet = "singapore";  // matched without regard to case
  });
  NewGame("S3X3");
  const auto [c, r] = OpenCell();
  Select(c, r);
  Key(Qt::Key_E);
  EXPECT_EQ(Cell(c, r), "9");
  Key(Qt::Key_4, Qt::KeypadModifier);  // no keypad with these letters
  EXPECT_EQ(Cell(c, r), "9");
  Key(Qt::Key_Delete);

  const QString shown = Page().AlternativesLbl()->text();
  EXPECT_TRUE(shown.startsWith("Alternatives\n")) << shown.toStdString();
  EXPECT_FALSE(shown.contains(QRegularExpression("[0-9]"))) << shown.toStdString();
  EXPECT_GT(Game().AlternativesCount, 0);
  const auto [gc, gr] = GivenCell();
  Select(gc, gr);
  EXPECT_EQ(Page().AlternativesLbl()->text(), "Alternatives");
}

TEST_F(PlayNSolveTest, ErrorsPaintWrongEntriesRedForOnePaint) {
  CreatePage();
  NewGame("S3X3");
  const auto [c, r] = OpenCell();
  Select(c, r);
  Key(static_cast<Qt::Key>(Qt::Key_0 + SolutionAt(c, r) % 9 + 1));
  Key(Qt::Key_Right);
  Click(Page().PlayNSolveErrorsBtn());
  EXPECT_EQ(Game().ErrorCount, 1);
  EXPECT_FALSE(Session().State().Has(TGameFlag::ShowErrors));

  // What the press paints: the same grid drawn with the flag set.
  auto& session = const_cast<TPlaySession&>(Session());
  session.BeginShowErrors();
  const QImage painted = Grid().grab().toImage();
  session.EndShowErrors();
  const QRect cell = GridCellRect(c - 1, r - 1, 9, Grid().size());
  EXPECT_EQ(painted.pixelColor(cell.topLeft() + QPoint(3, 3)), QColor(Qt::red));
}

TEST_F(PlayNSolveTest, UndoAndHintFlashTheirCellWhileTheirButtonsWaitAndTypingGoesOn) {
  CreatePage();
  NewGame("S3X3");
  const auto [c, r] = OpenCell();
  const auto [otherC, otherR] = OpenCell(1);
  Select(c, r);
  Key(Qt::Key_1, Qt::ControlModifier);
  Click(Page().PlayNSolveUndoBtn());
  EXPECT_EQ(Cell(c, r), "");
  int turns = 0;
  for (; Page().CellFlash().Running(); ++turns) {
    EXPECT_FALSE(Page().PlayNSolveUndoBtn()->isEnabled() || Page().PlayNSolveHintBtn()->isEnabled());
    // A key typed during the flash is taken at once, counted once and kept.
    if (turns == 2) {
      Select(otherC, otherR);
      Key(Qt::Key_2);
    }
    Page().CellFlash().Step();
  }
  EXPECT_EQ(turns, 3) << "the typed key ended the flash";
  EXPECT_EQ(Cell(otherC, otherR), "2");
  EXPECT_EQ(Game().EntryCount, 2);
  Click(Page().PlayNSolveUndoBtn());
  EXPECT_EQ(Cell(otherC, otherR), "") << "its history record is the newest";

  Page().CellFlash().Stop();
  Click(Page().PlayNSolveHintBtn());
  EXPECT_EQ(Game().HintCount, 1);
  for (turns = 0; Page().CellFlash().Running(); ++turns) Page().CellFlash().Step();
  EXPECT_EQ(turns, 8) << "four rounds of two texts each";
  EXPECT_TRUE(Page().PlayNSolveUndoBtn()->isEnabled());
}

TEST_F(PlayNSolveTest, ExplainShowsTheStepOnTheGridUntilTheNextMoveOnEveryBoardSize) {
  CreatePage();
  for (const char* shape : {"S3X3", "S3X2", "S4X4"}) {
    NewGame(shape);
    const int hints = Game().HintCount;
    const TCellTexts before = Session().Grid();
    Key(Qt::Key_X);
    const QString text = Page().PlayNSolveExplainLbl()->text();
    EXPECT_TRUE(Page().PlayNSolveExplainLbl()->isVisible()) << shape;
    EXPECT_TRUE(text.startsWith("Naked single") || text.startsWith("Hidden single")) << text.toStdString();
    EXPECT_EQ(Game().HintCount, hints + 1) << "counted as a hint";
    EXPECT_EQ(Session().Grid(), before) << "the player makes the move";
    // The cell to fill is marked on the grid in the explanation's orange.
    const QImage shown = Grid().grab().toImage();
    int marked = 0;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x) marked += shown.pixelColor(x, y) == QColor(0xE0, 0x70, 0x00);
    EXPECT_GT(marked, 8) << shape;
  }
  // The next move takes the explanation away; a wrong value is named first.
  const auto [c, r] = OpenCell();
  Select(c, r);
  Page().ExplainItem()->trigger();
  EXPECT_TRUE(Page().PlayNSolveExplainLbl()->isVisible());
  StripClick(SolutionAt(c, r) % N() + 1);
  EXPECT_FALSE(Page().PlayNSolveExplainLbl()->isVisible());
  Page().ExplainItem()->trigger();
  EXPECT_TRUE(Page().PlayNSolveExplainLbl()->text().contains(QStringLiteral("row %1, column %2").arg(r).arg(c)))
      << Page().PlayNSolveExplainLbl()->text().toStdString();
}

TEST_F(PlayNSolveTest, SavingAsksForANameAndNeverOverwritesAgainstTheAnswer) {
  CreatePage();
  NewGame();
  dialogs_.NameAnswer = "  First  ";
  Click(Page().SaveBtn());
  const std::filesystem::path collection = Form().Folders().Data.CollectionFile;
  ASSERT_TRUE(SectionExistsInFile(collection, "tester@First"));
  EXPECT_EQ(Game().Name, "tester@First");
  EXPECT_EQ(Page().FileNameLbl()->text(), "First");
  EXPECT_TRUE(Session().State() == TGameFlag::Playing);  // storing goes on playing

  // A second game saved as "First", answered "No": the old one stays.
  NewGame("S2X2", 99);
  TNovletFileData before;
  ASSERT_TRUE(ReadPuzzleRecord(collection, "tester@First", before));
  Click(Page().SaveBtn());
  EXPECT_EQ(dialogs_.Messages.back(), "\"First\" already exists, overwrite existing Novlet?");
  TNovletFileData after;
  ASSERT_TRUE(ReadPuzzleRecord(collection, "tester@First", after));
  EXPECT_EQ(after, before);
  EXPECT_NE(Game().Name, "tester@First");

  // Cancelling the name stores nothing at all.
  dialogs_.NameAnswer = "";
  Click(Page().SaveBtn());
  EXPECT_FALSE(SectionExistsInFile(collection, Game().Name));
}

TEST_F(PlayNSolveTest, SeveralSolutionsAreOfferedInAMenuUnderTheCountedButton) {
  CreatePage();
  const std::string oneLine =
      "..3456789456789123789123456..4365897365897214897214365531642978642978531978531642";
  TGeometry g;
  TCellTexts puzzle;
  for (int i = 0; i < 81; ++i)
    if (oneLine[static_cast<std::size_t>(i)] != '.')
      puzzle.at(i % 9 + 1, i / 9 + 1) = std::string(1, oneLine[static_cast<std::size_t>(i)]);
  TNovletFileData record;
  record.PuzzleHex = TextsToHex(g, puzzle);
  record.Status = StatusPlaying;
  const std::filesystem::path file = DataFolder() / "several.dat";
  ASSERT_TRUE(WritePuzzleRecord(file, "tester@Several", record).Ok);
  Form().OpenStoredPuzzle(TPageKind::PlayNSolve, file, "tester@Several", TOpenMode::Continue);

  EXPECT_EQ(Page().SolutionsBtn()->Caption(), "Solution [2]");
  EXPECT_TRUE(Page().SolutionsBtn()->isEnabled());
  QMenu* menu = Page().SolutionsPopupMenu();
  ASSERT_EQ(menu->actions().size(), 2);
  EXPECT_EQ(menu->actions().back()->text(), "Solution 2");
  Click(Page().SolutionsBtn());
  EXPECT_TRUE(menu->isVisible());
  menu->hide();
  menu->actions().back()->trigger();
  EXPECT_TRUE(Session().State() == TGameFlag::SolutionShown);

  // A new game starts over with the plain caption and no menu.
  NewGame("S2X2", 11);
  EXPECT_EQ(Page().SolutionsBtn()->Caption(), "Solution");
  EXPECT_TRUE(menu->actions().isEmpty());
}

TEST_F(PlayNSolveTest, AGameLeftOrClosedComesBackAsItWas) {
  CreatePage();
  NewGame();
  const auto [c, r] = OpenCell();
  Select(c, r);
  Key(Qt::Key_3, Qt::ControlModifier);
  Tick(42);
  const TCellTexts grid = Session().Grid();
  ShowPage(TPageKind::MyNovlets);
  EXPECT_TRUE(Session().State().IsClear());
  ShowPage(TPageKind::PlayNSolve);
  EXPECT_EQ(Session().Grid(), grid);

  // A store refused on leaving (a busy lock) keeps the game in memory: it is
  // told once, tried again at every tick, and the page comes back to it.
  const std::filesystem::path blockedLock = DataFolder() / ".novlet.ini.lock";
  std::filesystem::create_directory(blockedLock);
  Key(Qt::Key_1);
  const TCellTexts newer = Session().Grid();
  ShowPage(TPageKind::MyNovlets);
  Form().MainTimerTime();
  EXPECT_EQ(dialogs_.Messages.size(), 1);
  ShowPage(TPageKind::PlayNSolve);
  EXPECT_EQ(Session().Grid(), newer);
  std::filesystem::remove(blockedLock);

  Form().CloseWithoutAsking();
  CreatePage();
  EXPECT_EQ(N(), 4);
  EXPECT_EQ(Session().Grid(), newer);
  Tick(0);
  EXPECT_EQ(TimeLabel(), "Time 00:42");

  Click(Page().SolutionsBtn());
  Form().CloseWithoutAsking();
  CreatePage();
  EXPECT_TRUE(Session().State() == TGameFlag::SolutionShown);
  Tick();
  EXPECT_EQ(TimeLabel(), "Puzzle Solution");
  EXPECT_TRUE(Page().PlayNSolveRestartBtn()->isEnabled());
  EXPECT_FALSE(Page().PlayNSolveHintBtn()->isEnabled());
}

TEST_F(PlayNSolveTest, AWholeGamePlayedByKeysStripAndMenuEndsSolved) {
  CreatePage();
  NewGame("S2X2", 3);
  Tick(5);
  int method = 0;
  for (int r = 1; r <= 4; ++r) {
    for (int c = 1; c <= 4; ++c) {
      if (Session().IsGiven(c, r)) continue;
      const int value = SolutionAt(c, r);
      Select(c, r);
      switch (method++ % 3) {
        case 0: Key(static_cast<Qt::Key>(Qt::Key_0 + value)); break;
        case 1: StripClick(value); break;
        default: Page().NovletGridPopupMenu()->ValueItem(value)->trigger(); break;
      }
    }
  }
  EXPECT_TRUE(Session().State() == TGameFlag::SolutionShown);
  EXPECT_FALSE(Game().History.empty());  // a won game keeps its history
  Tick(60);
  EXPECT_EQ(TimeLabel(), "Puzzle Solved!");
  EXPECT_NEAR(Game().TimePlayed * kSecondsPerDay, 5, 0.01);  // the clock stopped at the last entry
  EXPECT_FALSE(Page().SolutionsBtn()->isEnabled());
}

}  // namespace
}  // namespace novlet::test
