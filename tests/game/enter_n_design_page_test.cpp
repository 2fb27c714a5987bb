// The Enter & Design page as the user meets it: modes, typing, the check,
// the engine's help, saving, the hand-over, and Print and Clipboard of both
// game pages.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "engine/board_text.h"
#include "game/enter_n_design_page.h"
#include "game/grid_popup_menu.h"
#include "game/grid_shape_menu.h"
#include "game/grid_symbol_strip.h"
#include "game/novlet_grid.h"
#include "game/pie_gauge.h"
#include "game/play_n_solve_page.h"
#include "main_form_fixture.h"
#include "render/grid_painter.h"
#include "store/options_record.h"
#include "store/typed_record.h"
#include "ui/base_btn.h"

namespace novlet::test {
namespace {

const std::string kThreeSolutions =
    ".2...6.8.456.8.1.....12...62.4....97.6..972.48.7.1...55..64....64.9785.....5316.2";

class EnterNDesignTest : public MainFormTest {
 protected:
  TEnterNDesignPage& CreatePage() {
    TMainForm& form = CreateForm();
    form.show();
    form.MainTimer()->stop();
    ShowPage(TPageKind::EnterNDesign);
    return Page();
  }
  TEnterNDesignPage& Page() { return *static_cast<TEnterNDesignPage*>(PageOf(TPageKind::EnterNDesign)); }
  const TDesignSession& Session() { return Page().Session(); }
  TNovletGrid& Grid() { return *Page().Grid(); }
  int N() { return Session().GridSize(); }

  void New(const char* shapeItem = "S3X3") {
    Page().NovletGridsPopupMenu()->findChild<QAction*>(QString::fromLatin1(shapeItem))->trigger();
  }
  // A 9 x 9 design of the one-line puzzle's givens, opened as the collection
  // page opens one (a status of 5 opens it in design mode).
  void Open(const std::string& oneLine, int status = StatusDesignPuzzle) {
    TNovletFileData record = TypedRecord(oneLine, status);
    record.SolutionHex = record.PuzzleHex;
    const std::filesystem::path file = DataFolder() / "designs.dat";
    ASSERT_TRUE(WritePuzzleRecord(file, record.Name, record).Ok);
    Form().OpenStoredPuzzle(TPageKind::EnterNDesign, file, record.Name, TOpenMode::Continue);
  }
  void Select(int c, int r) {
    QTest::mouseClick(&Grid(), Qt::LeftButton, {}, GridCellRect(c - 1, r - 1, N(), Grid().size()).center());
  }
  void Key(Qt::Key key) { QTest::keyClick(&Grid(), key); }
  void Click(TBaseBtn* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 7)); }
  QString Verdict() { return Page().BottomLbl()->text(); }
  int Givens() { return N() * N() - CountEmptyTexts(Session().Geometry(), Session().PuzzleTexts()); }
};

TEST_F(EnterNDesignTest, TypingMarksGivensInPuzzleModeAndValuesInDesignMode) {
  CreatePage();
  EXPECT_EQ(Page().Strip()->toolTip(),
            "Select a cell and click here to enter a value and ctrl + click to enter a pencil note");
  New();
  EXPECT_EQ(Page().StatusLbl()->text(), "Puzzle Mode");
  EXPECT_EQ(Page().EnterNDesignModeBtn()->Caption(), "Design Mode");
  EXPECT_FALSE(Page().EnterNDesignPlayNSolveBtn()->isEnabled());
  Select(2, 3);
  Key(Qt::Key_4);
  Key(Qt::Key_Return);  // Enter marks givens in design mode only
  EXPECT_EQ(Session().PuzzleTexts().at(2, 3), "4");
  EXPECT_TRUE(Page().EnterNDesignPlayNSolveBtn()->isEnabled());

  Click(Page().EnterNDesignModeBtn());
  EXPECT_EQ(Page().StatusLbl()->text(), "Design Mode");
  EXPECT_EQ(Page().EnterNDesignModeBtn()->Caption(), "Puzzle Mode");
  Select(5, 5);
  Key(Qt::Key_6);
  EXPECT_EQ(Session().PuzzleTexts().at(5, 5), "");
  Key(Qt::Key_Return);
  EXPECT_EQ(Session().PuzzleTexts().at(5, 5), "6");
  QTest::mouseDClick(&Grid(), Qt::LeftButton, {}, GridCellRect(4, 4, 9, Grid().size()).center());
  EXPECT_EQ(Session().PuzzleTexts().at(5, 5), "");
  EXPECT_EQ(Page().AlternativesLbl()->text(), "Alternatives\n6");
  EXPECT_FALSE(Page().NovletGridPopupMenu()->PencilNote()->menuAction()->isVisible());  // a design has no notes
}

TEST_F(EnterNDesignTest, CheckPuzzleShowsTheCountAndCompleteOffersTheSolutions) {
  CreatePage();
  New();
  Click(Page().EnterNDesignCheckPuzzleBtn());
  EXPECT_EQ(Verdict(), "Puzzle Invalid");  // an empty board

  Open(kThreeSolutions, StatusDesignMode);
  EXPECT_EQ(Verdict(), "Puzzle Solvable [3]");
  EXPECT_EQ(Page().SolutionsBtn()->Caption(), "Complete [3]");
  EXPECT_FALSE(Page().EnterNDesignPuzzleBtn()->isEnabled());
  Click(Page().SolutionsBtn());
  QMenu* menu = Page().SolutionsPopupMenu();
  EXPECT_TRUE(menu->isVisible());
  menu->hide();
  ASSERT_EQ(menu->actions().size(), 3);
  menu->actions().back()->trigger();
  EXPECT_TRUE(Session().BoardComplete());
  EXPECT_EQ(Givens(), 38);  // the puzzle's own
  EXPECT_TRUE(Page().EnterNDesignPuzzleBtn()->isEnabled());

  // A changed given makes the count stale: the plain caption completes again.
  Select(2, 1);
  Key(Qt::Key_Return);
  EXPECT_EQ(Verdict(), "Puzzle Invalid");
  EXPECT_EQ(Page().SolutionsBtn()->Caption(), "Complete");
}

TEST_F(EnterNDesignTest, GenerateThenPuzzleGivesASolvablePuzzleOfTheOptionsLevel) {
  CreatePage();
  Form().ChangeOptions([](TOptions& options) { options.Level = 3; });
  New("S2X3");
  Click(Page().EnterNDesignModeBtn());
  Form().Engine().Random().Seed(5);
  Click(Page().EnterNDesignGenerateBtn());
  EXPECT_TRUE(Session().BoardComplete());
  EXPECT_EQ(Givens(), 0);

  Form().ChangeOptions([](TOptions& options) { options.Level = 0; });  // the level at the click counts
  int progressShown = 0;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] { progressShown += Verdict().startsWith("Target") ? 1 : 0; });
  watch.start(0);
  Click(Page().EnterNDesignPuzzleBtn());
  EXPECT_GT(progressShown, 0);
  EXPECT_EQ(Session().Record().Level, 0);
  EXPECT_EQ(Verdict(), "Puzzle Solvable");
  EXPECT_TRUE(Page().Gauge()->isHidden());
  EXPECT_TRUE(Grid().isEnabled());
}

TEST_F(EnterNDesignTest, SaveEstimatesTheLevelAndTheHandOverStartsAGame) {
  CreatePage();
  New();
  for (int i = 0; i < 25; ++i) {
    Select(i % 9 + 1, i / 9 + 1);
    Key(static_cast<Qt::Key>(Qt::Key_1 + (i % 9 + i / 9 * 3 + i / 27) % 9));
  }
  dialogs_.NameAnswer = "Mine";
  Click(Page().SaveBtn());
  TNovletFileData saved;
  ASSERT_TRUE(ReadPuzzleRecord(Form().Folders().Data.CollectionFile, "tester@Mine", saved));
  EXPECT_EQ(saved.Level, Session().LevelEstimate());
  EXPECT_EQ(Page().FileNameLbl()->text(), "Mine");

  const TCellTexts givens = Session().PuzzleTexts();
  Click(Page().EnterNDesignPlayNSolveBtn());
  auto& play = *static_cast<TPlayNSolvePage*>(PageOf(TPageKind::PlayNSolve));
  ASSERT_EQ(Form().ActivePage(), &play);
  EXPECT_TRUE(play.Session().State() == TGameFlag::Playing);
  EXPECT_EQ(play.Session().Record().Name, "tester@Mine");
  EXPECT_EQ(play.Session().Record().Status, StatusPlaying);
  EXPECT_EQ(play.Session().Record().Origin, OriginSelf);
  EXPECT_EQ(play.Session().PuzzleTexts(), givens);

  // Back on the page, the design is there again.
  ShowPage(TPageKind::EnterNDesign);
  EXPECT_EQ(Session().PuzzleTexts(), givens);
}

TEST_F(EnterNDesignTest, APausedGameIsCopiedUnhidden) {
  CreateForm().show();
  auto& play = *static_cast<TPlayNSolvePage*>(PageOf(TPageKind::PlayNSolve));
  Form().Engine().Random().Seed(7);
  play.NovletGridsPopupMenuClick(3, 3);
  play.PlayNSolvePauseBtnClick();
  EXPECT_FALSE(play.ClipboardBtn()->isEnabled());
  emit play.ClipboardBtn()->clicked();  // the operation itself, past the disabled button
  const QImage picture = QGuiApplication::clipboard()->image();
  const QRect corner = GridCellRect(0, 0, 9, play.Grid()->size());
  EXPECT_NE(picture.pixelColor(corner.topLeft() + QPoint(3, 3)), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_FALSE(Form().WindowState().Has(TGameFlag::OutputCapture));
}

TEST_F(EnterNDesignTest, ClipboardAndPrintPutTheGridWithItsTextsInPlaceAndReportAFailure) {
  CreatePage();
  Open(kThreeSolutions);
  Click(Page().ClipboardBtn());
  const QClipboard* clipboard = QGuiApplication::clipboard();
  EXPECT_EQ(clipboard->image().width(), Grid().width());
  EXPECT_EQ(clipboard->text().split('\n').first(), ".2...6.8.");
  EXPECT_EQ(clipboard->text().count('\n'), 9);

  Click(Page().PrintBtn());  // cancelled
  EXPECT_EQ(dialogs_.PrintersAsked, 1);

  dialogs_.PrintToPdf = QString::fromStdString((DataFolder() / "novlet.pdf").string());
  Click(Page().PrintBtn());
  EXPECT_FALSE(Form().WindowState().Has(TGameFlag::OutputCapture));
  const QString png = QString::fromStdString((DataFolder() / "page").string());
  ASSERT_EQ(QProcess::execute("pdftoppm", {"-r", "72", "-png", "-singlefile", dialogs_.PrintToPdf, png}), 0);
  const QImage page(png + ".png");
  ASSERT_FALSE(page.isNull());
  const auto darkBetween = [&page](double from, double to) {
    for (int y = static_cast<int>(from * page.height()); y < static_cast<int>(to * page.height()); ++y)
      for (int x = 0; x < page.width(); ++x)
        if (qGray(page.pixel(x, y)) < 160) return true;
    return false;
  };
  EXPECT_TRUE(darkBetween(0, 0.1));  // the title
  EXPECT_FALSE(darkBetween(0.1, 0.25));
  EXPECT_TRUE(darkBetween(0.45, 0.55));  // the grid, centred
  EXPECT_TRUE(darkBetween(0.9, 1));  // the footer

  dialogs_.PrintToPdf = "/nonexistent/folder/novlet.pdf";
  Click(Page().PrintBtn());
  ASSERT_EQ(dialogs_.Messages.size(), 1);
  EXPECT_EQ(dialogs_.Messages.front(), "Unable to print to \"/nonexistent/folder/novlet.pdf\"");
  EXPECT_FALSE(Form().WindowState().Has(TGameFlag::OutputCapture));
}

TEST_F(EnterNDesignTest, APastedPuzzleOpensAsANewCheckedDesignAndBadTextIsRefused) {
  CreatePage();
  // The puzzle as a framed grid, the way people type it, after a 4 x 4 design.
  New("S2X2");
  QString grid;
  for (int row = 0; row < 9; ++row) {
    if (row == 3 || row == 6) grid += QStringLiteral("------+-------+------\n");
    for (int column = 0; column < 9; ++column) {
      if (column == 3 || column == 6) grid += QStringLiteral("| ");
      grid += QChar(kThreeSolutions[static_cast<std::size_t>(row * 9 + column)]) + QStringLiteral(" ");
    }
    grid += '\n';
  }
  QGuiApplication::clipboard()->setText(grid);
  Page().PasteItem()->trigger();
  EXPECT_EQ(N(), 9);
  EXPECT_FALSE(Session().InDesignMode());
  EXPECT_EQ(Session().PuzzleTexts().at(2, 1), "2");
  EXPECT_EQ(Session().Grid().at(1, 2), "4");
  EXPECT_EQ(Page().BottomLbl()->text(), "Puzzle Solvable [3]");

  QGuiApplication::clipboard()->setText(QString::fromStdString(kThreeSolutions.substr(1)));
  Page().PasteItem()->trigger();
  EXPECT_EQ(dialogs_.Messages.back(), "The puzzle on the clipboard cannot be read: line 1: 80 cells, expected 81");
  EXPECT_EQ(Session().PuzzleTexts().at(2, 1), "2") << "a refused paste leaves the design alone";

  // On boards whose values 10..16 are typed with letters, the V of Ctrl+V
  // belongs to the paste and never becomes value 15.
  New("S4X4");
  Select(1, 1);
  QTest::keyClick(&Grid(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(dialogs_.Messages.back(), "The puzzle on the clipboard cannot be read: line 1: 80 cells, expected 81");
  EXPECT_EQ(Session().Grid().at(1, 1), "");
  Key(Qt::Key_V);
  EXPECT_EQ(Session().Grid().at(1, 1), "15") << "the V key alone still types 15";

  const QString puzzle = QString::fromStdString(kThreeSolutions) + '\n';
  QGuiApplication::clipboard()->setText(puzzle + puzzle + puzzle);
  Page().PasteItem()->trigger();
  EXPECT_EQ(dialogs_.Messages.back(), "2 more puzzles on the clipboard: use Import on My Novlets to keep them all.");
}

}  // namespace
}  // namespace novlet::test
