// The main window as the player meets it: frame, pages, the busy rule,
// quitting, the close query, keys, dragging and the main timer's duties.
#include "main_form_fixture.h"
#include "shipped_language.h"

#include "game/enter_n_design_page.h"
#include "game/options_page.h"
#include "game/pie_gauge.h"
#include "game/play_n_solve_page.h"
#include "ui/base_btn.h"
#include "ui/bk_control.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <fstream>
#include <sstream>
#include <tuple>

namespace novlet::test {
namespace {

void Click(TBaseBtn* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 8)); }

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

TEST_F(MainFormTest, FrameShowsItsCaptionsPagesAndSize) {
  TMainForm& form = CreateForm();
  EXPECT_EQ(form.size(), QSize(568, 405));
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form.windowTitle(), "Corvex Novlet 1.0 release 5");
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName())
      << "the window manager's title is the caption alone";
  EXPECT_EQ(form.CaptionLbl()->text(), "Corvex Novlet 1.0 release 5 - tester");
  ASSERT_EQ(form.Pages()->count(), 4);
  QStringList captions;
  for (TBaseBtn* button : form.PageButtons()) captions << button->Caption();
  EXPECT_EQ(captions, QStringList({"Play & Solve", "Enter & Design", "My Novlets", "Options", "Quit"}));
  EXPECT_EQ(form.QuitBtn()->toolTip(), "Quit Corvex Novlet");
  EXPECT_EQ(form.HelpBtn()->toolTip(), "Corvex Novlet Online Help");
  EXPECT_EQ(form.InfoBtn()->toolTip(), "Show About Corvex Novlet");
  EXPECT_EQ(form.MinimizeBtn()->toolTip(), "Minimize Corvex Novlet");
  EXPECT_EQ(form.HideBtn()->Caption(), "x");
  EXPECT_TRUE(form.MainWindowRunning());
  EXPECT_TRUE(form.MainTimer()->isActive());
  EXPECT_EQ(form.MainTimer()->interval(), 1000);
  EXPECT_TRUE(form.StartupFlags() & StartupWindowCreated);
}

TEST_F(MainFormTest, ShowingTheWindowStartsOnPlayAndSolveWithAnEmptyGame) {
  TMainForm& form = CreateForm();
  ShowPage(TPageKind::Options);
  form.show();
  EXPECT_EQ(form.ActivePage(), PageOf(TPageKind::PlayNSolve));
  EXPECT_TRUE(PlayPage().Session().State().IsClear());
}

TEST_F(MainFormTest, PageButtonsWaitWhileTheWindowIsBusy) {
  TMainForm& form = CreateForm();
  const std::vector<TBaseBtn*>& buttons = form.PageButtons();
  WhileGenerating([&] {
    for (std::size_t page = 1; page < 4; ++page) {
      Click(buttons[page]);
      EXPECT_EQ(form.ActivePage(), form.BookPages()[0]);
    }
  });
  EXPECT_EQ(PlayPage().Session().State(), TGameState(TGameFlag::Playing)) << "a refused switch must not end the game";
  for (std::size_t page : {2, 3, 1, 0}) {
    Click(buttons[page]);
    EXPECT_EQ(form.ActivePage(), form.BookPages()[page]);
  }
}

TEST_F(MainFormTest, LeavingAPageEndsTheGameItOwned) {
  TMainForm& form = CreateForm();
  TPlayNSolvePage* play = &PlayPage();
  auto* design = static_cast<TEnterNDesignPage*>(PageOf(TPageKind::EnterNDesign));
  form.Engine().Random().Seed(7);
  play->NovletGridsPopupMenuClick(2, 2);
  play->PlayNSolvePauseBtnClick();
  // The page button of the page already shown changes nothing.
  ShowPage(TPageKind::PlayNSolve);
  EXPECT_EQ(play->Session().State(), TGameFlag::Playing | TGameFlag::Paused);
  ShowPage(TPageKind::Options);
  EXPECT_TRUE(play->Session().State().IsClear());

  ShowPage(TPageKind::EnterNDesign);
  design->NovletGridsPopupMenuClick(2, 2);
  EXPECT_TRUE(design->Session().Designing());
  ShowPage(TPageKind::MyNovlets);
  EXPECT_TRUE(design->Session().State().IsClear());
}

TEST_F(MainFormTest, ThinkingLabelCyclesAndNeverReachesFiveDots) {
  TMainForm& form = CreateForm();
  QLabel* label = PlayPage().StatusLbl();
  TPieGauge* gauge = PlayPage().Gauge();
  const QStringList expected{"Thinking",         "Thinking .",   "Thinking . .", "Thinking . . .",
                             "Thinking . . . .", "Thinking",     "Thinking ."};
  QStringList seen;
  std::vector<int> progress;
  WhileGenerating([&] {
    label->setText("Time ");
    gauge->SetForeColor(Qt::red);
    for (int tick = 0; tick < 13; ++tick) {
      form.MainTimerTime();
      if (tick < static_cast<int>(expected.size())) seen << label->text();
      progress.push_back(gauge->Progress());
    }
    EXPECT_TRUE(gauge->isVisibleTo(&form));
    EXPECT_EQ(gauge->ForeColor(), QColor(Qt::black));
  });
  EXPECT_EQ(seen, expected);
  // One turn in eleven ticks: 6, 12 ... 60, then back to 0.
  EXPECT_EQ(progress, (std::vector<int>{6, 12, 18, 24, 30, 36, 42, 48, 54, 60, 0, 6, 12}));
}

TEST_F(MainFormTest, ThinkingWhileDesigningAnimatesTheDesignPage) {
  TMainForm& form = CreateForm();
  ShowPage(TPageKind::EnterNDesign);
  auto* design = static_cast<TEnterNDesignPage*>(PageOf(TPageKind::EnterNDesign));
  design->NovletGridsPopupMenuClick(3, 3);
  Click(design->EnterNDesignModeBtn());
  WhileGenerating(
      [&] {
        form.MainTimerTime();
        form.MainTimerTime();
        EXPECT_EQ(design->StatusLbl()->text(), "Thinking .");
        EXPECT_FALSE(design->Gauge()->isHidden());
        EXPECT_TRUE(PlayPage().Gauge()->isHidden());
      },
      [&] { Click(design->EnterNDesignGenerateBtn()); });
}

TEST_F(MainFormTest, AnAccountChangeStoresTheOldAccountsOptionsAndLoadsTheNew) {
  TMainForm& form = CreateForm();
  form.ChangeOptions([](TOptions& options) { options.Level = 3; });
  account_ = "second";
  form.MainTimerTime();
  EXPECT_EQ(form.UserName(), "second");
  EXPECT_EQ(form.CaptionLbl()->text(), "Corvex Novlet 1.0 release 5 - second");
  EXPECT_EQ(form.Options().Level, 1) << "the new account starts from the defaults";
  const std::string file = FileText(DataFolder() / "novlet.ini");
  EXPECT_NE(file.find("[tester.Options]"), std::string::npos);
  EXPECT_NE(file.find("Level=3"), std::string::npos);
}

TEST_F(MainFormTest, QuitAsksAndNoKeepsTheProgramRunning) {
  TMainForm& form = CreateForm();
  form.show();
  Click(form.QuitBtn());
  ASSERT_EQ(dialogs_.Messages.size(), 1);
  EXPECT_EQ(dialogs_.Messages[0],
            "Do you really want to close Corvex Novlet?\n\nClick Yes to quit and No to continue.");
  EXPECT_EQ(dialogs_.LeftCaptions[0], "Yes");
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(form.MainTimer()->isActive());
}

TEST_F(MainFormTest, QuitWithYesClosesThroughTheCloseQuery) {
  TMainForm& form = CreateForm();
  form.show();
  dialogs_.Answers = {true};
  Click(form.HideBtn());
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.MainTimer()->isActive());
  EXPECT_NE(FileText(DataFolder() / "novlet.ini").find("[tester.Options]"), std::string::npos);
  // The release of a key that asked arrives after the Yes: nothing more is asked.
  QTest::keyRelease(&form, Qt::Key_Insert);
  EXPECT_EQ(dialogs_.Messages.size(), 1);
}

TEST_F(MainFormTest, QuitShowsTheFarewellAndEndsIt) {
  TMainForm& form = CreateForm(StartupFarewellAbout);
  form.show();
  dialogs_.Answers = {true};
  form.QuitBtnClick();
  EXPECT_EQ(dialogs_.AboutShows, QStringList{"farewell"});
  EXPECT_TRUE(dialogs_.AboutOpen);
  EXPECT_FALSE(form.isVisible());
  // A second start meanwhile cannot bring the window back.
  form.FormRestore();
  EXPECT_FALSE(form.isVisible());
  QCoreApplication::processEvents();
  EXPECT_FALSE(dialogs_.AboutOpen);
  EXPECT_EQ(form.CloseProtocol().Step(), TCloseProtocol::TStep::Ended);
}

TEST_F(MainFormTest, ClosingTakesAnOpenAboutBoxAlong) {
  TMainForm& form = CreateForm();
  form.show();
  form.InfoBtnClick();
  ASSERT_EQ(dialogs_.AboutShows, QStringList{"about"});
  form.CloseWithoutAsking();
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(dialogs_.AboutOpen);
}

TEST_F(MainFormTest, NothingQuitsWhileBusyAndNoCloseWhileThinking) {
  TMainForm& form = CreateForm();
  form.show();
  WhileGenerating([&] {
    form.QuitBtnClick();
    form.CloseWithoutAsking();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.MainTimer()->isActive());
    // The stop is kept, and the window still answers a second start meanwhile.
    form.showMinimized();
    form.FormRestore();
    EXPECT_FALSE(form.isMinimized());
  });
  EXPECT_TRUE(dialogs_.Messages.isEmpty());
  QCoreApplication::processEvents();
  EXPECT_FALSE(form.isVisible()) << "carried out when the work is done";
  EXPECT_TRUE(dialogs_.Messages.isEmpty());
}

TEST_F(MainFormTest, AltF4AndTheWindowManagersCloseAskTheQuitQuestion) {
  TMainForm& form = CreateForm();
  form.show();
  const auto settle = [] {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  };
  QTest::keyPress(PageOf(TPageKind::PlayNSolve), Qt::Key_F4, Qt::AltModifier);
  settle();
  EXPECT_EQ(dialogs_.Messages.size(), 1);
  EXPECT_TRUE(form.isVisible());

  // Ctrl+Alt+F4 is not Alt+F4.
  QTest::keyPress(&form, Qt::Key_F4, Qt::AltModifier | Qt::ControlModifier);
  settle();
  EXPECT_EQ(dialogs_.Messages.size(), 1);

  // A close request from outside asks too, and closes on "Yes".
  EXPECT_FALSE(form.close());
  settle();
  EXPECT_EQ(dialogs_.Messages.size(), 2);
  EXPECT_TRUE(form.isVisible());
  dialogs_.Answers = {true};
  form.close();
  settle();
  EXPECT_FALSE(form.isVisible());
}

TEST_F(MainFormTest, TheEndOfTheDesktopSessionClosesWithoutAsking) {
  TMainForm& form = CreateForm();
  form.show();
  form.CloseWithoutAsking();
  EXPECT_TRUE(dialogs_.Messages.isEmpty());
  EXPECT_EQ(dialogs_.Cancellations, 1) << "no box keeps the program waiting";
  EXPECT_FALSE(form.isVisible());
  EXPECT_NE(FileText(DataFolder() / "novlet.ini").find("[tester.Options]"), std::string::npos);
  // A second start asking meanwhile cannot bring the window back.
  form.FormRestore();
  EXPECT_FALSE(form.isVisible());
}

TEST_F(MainFormTest, InsertWithoutModifiersAsksFromAnyPage) {
  TMainForm& form = CreateForm();
  form.show();
  ShowPage(TPageKind::Options);
  QTest::keyRelease(PageOf(TPageKind::Options), Qt::Key_Insert);
  EXPECT_EQ(dialogs_.Messages.size(), 1);
  QTest::keyRelease(PageOf(TPageKind::Options), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(dialogs_.Messages.size(), 1);
}

TEST_F(MainFormTest, DraggingTheBackgroundOrCaptionMovesTheWindow) {
  TMainForm& form = CreateForm();
  form.show();
  for (QWidget* handle : {static_cast<QWidget*>(form.Background()), static_cast<QWidget*>(form.CaptionLbl())}) {
    const QPoint start = form.pos();
    SendMouse(handle, QEvent::MouseButtonPress, QPoint(10, 5), Qt::LeftButton);
    EXPECT_FALSE(form.DragOrigin().isNull());
    SendMouse(handle, QEvent::MouseMove, QPoint(40, 25), Qt::LeftButton);
    EXPECT_EQ(form.pos(), start + QPoint(30, 20));
    SendMouse(handle, QEvent::MouseButtonRelease, QPoint(40, 25), Qt::NoButton);
    EXPECT_TRUE(form.DragOrigin().isNull());
    // Moving without the button held moves nothing.
    SendMouse(handle, QEvent::MouseMove, QPoint(80, 80), Qt::NoButton);
    EXPECT_EQ(form.pos(), start + QPoint(30, 20));
  }
  const QPoint before = form.pos();
  SendMouse(PageOf(TPageKind::PlayNSolve), QEvent::MouseButtonPress, QPoint(10, 5), Qt::LeftButton);
  SendMouse(PageOf(TPageKind::PlayNSolve), QEvent::MouseMove, QPoint(60, 60), Qt::LeftButton);
  EXPECT_EQ(form.pos(), before) << "only the background and the caption are handles";
}

TEST_F(MainFormTest, ShortcutBoxKeepsTheLauncherWithoutTouchingAnExistingOne) {
  shellLinks_.ShortcutExists = true;
  TMainForm& form = CreateForm();
  QCheckBox* box = static_cast<TOptionsPage*>(PageOf(TPageKind::Options))->OptionsShowProgramShortcutOnDesktopChkBox();
  EXPECT_TRUE(box->isChecked()) << "loading ticks the box when the launcher is there";
  ShowPage(TPageKind::Options);
  form.UpdateStatus();
  EXPECT_EQ(shellLinks_.CreateCalls, 0);
  EXPECT_EQ(shellLinks_.RemoveCalls, 0);

  box->click();
  EXPECT_EQ(shellLinks_.RemoveCalls, 1);
  box->click();
  EXPECT_EQ(shellLinks_.CreateCalls, 1);
}

TEST_F(MainFormTest, HelpOpensTheHelpPageOfTheShownLanguageAsAPlainFileAndMinimises) {
  WriteShippedLanguageFile(DataFolder() / "Novlet.lng");
  std::filesystem::create_directories(DataFolder() / "help");
  std::ofstream(DataFolder() / "help" / "index.de.html") << "Hilfe";
  TMainForm& form = CreateForm();
  form.show();
  const auto page = [this](const char* name) {
    return QUrl::fromLocalFile(QString::fromStdString((DataFolder() / "help" / name).string())).toString();
  };
  // German has its page, French not here, and Italian has no texts at all.
  for (const auto& [language, shown, name] : {std::tuple{49, "de", "index.de.html"}, {33, "fr", "index.html"},
                                             {39, "en", "index.html"}, {44, "en", "index.html"}}) {
    form.LanguageChosen(language);
    EXPECT_EQ(form.Texts().ShownLanguageCode(), shown);
    form.HelpBtnClick();
    EXPECT_EQ(shellLinks_.OpenedUrls.back(), page(name));
    EXPECT_TRUE(form.isMinimized());
    form.FormRestore();
    EXPECT_FALSE(form.isMinimized());
  }
  ASSERT_EQ(shellLinks_.OpenedUrls.size(), 4);

  WhileGenerating([&] {
    form.HelpBtnClick();
    form.MinimizeBtnClick();
  });
  EXPECT_EQ(shellLinks_.OpenedUrls.size(), 4);
  EXPECT_FALSE(form.isMinimized());
}

TEST_F(MainFormTest, ScreenSizesScaleTheWindowAndComeBackExactly) {
  TMainForm& form = CreateForm();
  const QRect quitGeometry = form.QuitBtn()->geometry();
  form.ScaleUp(4);
  EXPECT_EQ(form.size(), QSize(909, 648));
  form.ScaleUp(3);
  EXPECT_EQ(form.size(), QSize(710, 506));
  form.ScaleUp(1);
  EXPECT_EQ(form.size(), QSize(568, 405));
  EXPECT_EQ(form.QuitBtn()->geometry(), quitGeometry);

  form.move(3, 4);
  form.ScaleUp(1);
  EXPECT_EQ(form.pos(), QPoint(3, 4)) << "the same size again leaves the window where the player put it";
  form.ScaleUp(3);
  EXPECT_NE(form.pos(), QPoint(3, 4)) << "a new size is centred";
}

TEST_F(MainFormTest, StartedWithSlashSAsksAtFirstActivation) {
  TMainForm& form = CreateForm(StartupAskQuit);
  form.show();
  form.activateWindow();
  QTest::qWait(20);
  EXPECT_EQ(dialogs_.Messages.size(), 1);
  EXPECT_FALSE(form.StartupFlags() & StartupAskQuit);
  EXPECT_TRUE(form.isVisible()) << "No leaves the program running";
}

}  // namespace
}  // namespace novlet::test
