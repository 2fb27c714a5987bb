// The main window as the player meets it: frame, pages, the busy rule,
// quitting, the close query, keys, dragging and the main timer's duties.
#include "main_form_fixture.h"

#include "game/enter_n_design_page.h"
#include "game/grid_popup_menu.h"
#include "game/my_novlets_page.h"
#include "game/options_page.h"
#include "game/pie_gauge.h"
#include "game/play_n_solve_page.h"
#include "ui/about_box.h"
#include "ui/base_btn.h"
#include "ui/bk_control.h"
#include "ui/msg_dlg_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <sstream>

namespace novlet::test {
namespace {

void Click(TBaseBtn* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 8)); }

// Answers "No" to every message box that shows while it lives, and tells
// whether one did.
class TBoxWatch {
 public:
  TBoxWatch() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (TMsgDlgBox* box = TMsgDlgBox::OpenBox()) {
        seen_ = true;
        QTest::mouseClick(box->CancelBtn(), Qt::LeftButton, {}, QPoint(20, 10));
      }
    });
    timer_.start();
  }
  bool Seen() {
    QTest::qWait(100);
    return seen_;
  }

 private:
  QTimer timer_;
  bool seen_ = false;
};

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

TEST_F(MainFormTest, FrameShowsTheDocumentedCaptionsPagesAndSize) {
  TMainForm& form = CreateForm();
  EXPECT_EQ(form.size(), QSize(568, 405));
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form.windowTitle(), "Corvex Novlet 1.0 release 5");
  EXPECT_EQ(form.CaptionLbl()->text(), "Corvex Novlet 1.0 release 5 - tester");
  ASSERT_EQ(form.Pages()->count(), 4);
  EXPECT_EQ(form.Pages()->widget(0), form.PlayNSolvePage());
  EXPECT_EQ(form.Pages()->widget(1), form.EnterNDesignPage());
  EXPECT_EQ(form.Pages()->widget(2), form.MyNovletsPage());
  EXPECT_EQ(form.Pages()->widget(3), form.OptionsPage());
  EXPECT_EQ(form.PlayNSolveBtn()->Caption(), "Play & Solve");
  EXPECT_EQ(form.EnterNDesignBtn()->Caption(), "Enter & Design");
  EXPECT_EQ(form.MyNovletsBtn()->Caption(), "My Novlets");
  EXPECT_EQ(form.OptionsBtn()->Caption(), "Options");
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
  form.OptionsBtnClick();
  form.show();
  EXPECT_EQ(form.ActivePageIndex(), TMainForm::PlayNSolvePageIndex);
  EXPECT_TRUE(form.Run().GameState.IsClear());
  EXPECT_EQ(form.Run().GridBuffer.size(), form.PlayNSolvePage()->NovletGridSize());
}

TEST_F(MainFormTest, PageButtonsWaitWhileTheWindowIsBusy) {
  TMainForm& form = CreateForm();
  for (TGameFlag busy : {TGameFlag::Thinking, TGameFlag::Loading, TGameFlag::Validating}) {
    form.Run().GameState = TGameFlag::Playing | busy;
    for (TBaseBtn* button : {form.EnterNDesignBtn(), form.MyNovletsBtn(), form.OptionsBtn()}) {
      Click(button);
      EXPECT_EQ(form.ActivePageIndex(), TMainForm::PlayNSolvePageIndex);
    }
    EXPECT_EQ(form.Run().GameState, TGameFlag::Playing | busy) << "a refused switch must not end the game";
  }
  form.Run().GameState = TGameState();
  Click(form.MyNovletsBtn());
  EXPECT_EQ(form.ActivePageIndex(), TMainForm::MyNovletsPageIndex);
  Click(form.OptionsBtn());
  EXPECT_EQ(form.ActivePageIndex(), TMainForm::OptionsPageIndex);
  Click(form.EnterNDesignBtn());
  EXPECT_EQ(form.ActivePageIndex(), TMainForm::EnterNDesignPageIndex);
  Click(form.PlayNSolveBtn());
  EXPECT_EQ(form.ActivePageIndex(), TMainForm::PlayNSolvePageIndex);
}

TEST_F(MainFormTest, LeavingAPageEndsTheGameItOwned) {
  TMainForm& form = CreateForm();
  form.Run().GameState = TGameFlag::Playing | TGameFlag::Paused;
  form.OptionsBtnClick();
  EXPECT_TRUE(form.Run().GameState.IsClear());

  form.EnterNDesignBtnClick();
  form.Run().GameState = TGameFlag::Designing | TGameFlag::PuzzleMode;
  form.MyNovletsBtnClick();
  EXPECT_TRUE(form.Run().GameState.IsClear());

  // The pencil notes belong to Play & Solve alone.
  EXPECT_FALSE(form.PlayNSolvePage()->NovletGridPopupMenu()->PencilNote()->menuAction()->isVisible());
  form.PlayNSolveBtnClick();
  EXPECT_TRUE(form.PlayNSolvePage()->NovletGridPopupMenu()->PencilNote()->menuAction()->isVisible());
  form.MyNovletsBtnClick();

  // The page button of the page already shown changes nothing.
  form.MyNovletsBtnClick();
  form.Run().GameState = TGameFlag::SolutionShown;
  form.MyNovletsBtnClick();
  EXPECT_EQ(form.Run().GameState, TGameState(TGameFlag::SolutionShown));
}

TEST_F(MainFormTest, ThinkingLabelCyclesAndNeverReachesFiveDots) {
  TMainForm& form = CreateForm();
  form.Run().GameState = TGameFlag::Thinking;
  QLabel* label = form.PlayNSolvePage()->PlayNSolveTimeLbl();
  TPieGauge* gauge = form.PlayNSolvePage()->PlayNSolveGauge();
  label->setText("Time ");
  gauge->SetForeColor(Qt::red);
  const QStringList expected{"Thinking",         "Thinking .",   "Thinking . .", "Thinking . . .",
                             "Thinking . . . .", "Thinking",     "Thinking ."};
  QStringList seen;
  std::vector<int> progress;
  for (int tick = 0; tick < 13; ++tick) {
    form.MainTimerTime();
    if (tick < static_cast<int>(expected.size())) seen << label->text();
    progress.push_back(gauge->Progress());
  }
  EXPECT_EQ(seen, expected);
  EXPECT_TRUE(gauge->isVisibleTo(&form));
  EXPECT_EQ(gauge->ForeColor(), QColor(Qt::black));
  // One turn in eleven ticks: 6, 12 ... 60, then back to 0.
  EXPECT_EQ(progress, (std::vector<int>{6, 12, 18, 24, 30, 36, 42, 48, 54, 60, 0, 6, 12}));
}

TEST_F(MainFormTest, ThinkingWhileDesigningAnimatesTheDesignPage) {
  TMainForm& form = CreateForm();
  form.Run().GameState = TGameFlag::Thinking | TGameFlag::Designing;
  form.MainTimerTime();
  form.MainTimerTime();
  EXPECT_EQ(form.EnterNDesignPage()->EnterNDesignStatusLbl()->text(), "Thinking .");
  EXPECT_FALSE(form.EnterNDesignPage()->EnterNDesignGauge()->isHidden());
  EXPECT_TRUE(form.PlayNSolvePage()->PlayNSolveGauge()->isHidden());
}

TEST_F(MainFormTest, AnAccountChangeStoresTheOldAccountsOptionsAndLoadsTheNew) {
  TMainForm& form = CreateForm();
  form.Run().Options.Level = 3;
  account_ = "second";
  form.MainTimerTime();
  EXPECT_EQ(form.Run().UserName, "second");
  EXPECT_EQ(form.CaptionLbl()->text(), "Corvex Novlet 1.0 release 5 - second");
  EXPECT_EQ(form.Run().Options.Level, 1) << "the new account starts from the defaults";
  const std::string file = FileText(DataFolder() / "novlet.ini");
  EXPECT_NE(file.find("[tester.Options]"), std::string::npos);
  EXPECT_NE(file.find("Level=3"), std::string::npos);
}

TEST_F(MainFormTest, QuitAsksAndNoKeepsTheProgramRunning) {
  TMainForm& form = CreateForm();
  form.show();
  AnswerNextBox(false);
  Click(form.QuitBtn());
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(form.MainTimer()->isActive());
}

TEST_F(MainFormTest, QuitWithYesClosesThroughTheCloseQuery) {
  TMainForm& form = CreateForm();
  form.show();
  AnswerNextBox(true);
  Click(form.HideBtn());
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.MainTimer()->isActive());
  EXPECT_TRUE(form.Run().GridBuffer.isNull());
  EXPECT_NE(FileText(DataFolder() / "novlet.ini").find("[tester.Options]"), std::string::npos);
}

TEST_F(MainFormTest, TheFarewellShowsTheAboutBoxWithoutButtons) {
  TMainForm& form = CreateForm(StartupFarewellAbout);
  form.show();
  bool farewellSeen = false;
  AnswerNextBox(true);
  QTimer::singleShot(1000, qApp, [&] {
    TAboutBox* about = TAboutBox::Instance();
    farewellSeen = about && about->isVisible() && !about->CloseBtn()->isVisible() && !about->HideBtn()->isVisible();
  });
  form.QuitBtnClick();
  EXPECT_TRUE(farewellSeen);
  EXPECT_EQ(TAboutBox::Instance(), nullptr);
  EXPECT_FALSE(form.isVisible());
}

TEST_F(MainFormTest, ClosingTakesAnOpenAboutBoxAlong) {
  TMainForm& form = CreateForm();
  form.show();
  form.InfoBtnClick();
  ASSERT_NE(TAboutBox::Instance(), nullptr);
  EXPECT_TRUE(form.close());
  EXPECT_EQ(TAboutBox::Instance(), nullptr);
}

TEST_F(MainFormTest, NothingQuitsWhileBusyAndNoCloseWhileThinking) {
  TMainForm& form = CreateForm();
  form.show();
  form.Run().GameState = TGameFlag::Loading;
  TBoxWatch watch;
  form.QuitBtnClick();
  EXPECT_FALSE(watch.Seen());

  form.Run().GameState = TGameFlag::Thinking;
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(form.MainTimer()->isActive());
}

TEST_F(MainFormTest, AltF4AsksTheQuitQuestionInsteadOfClosing) {
  TMainForm& form = CreateForm();
  form.show();
  TBoxWatch watch;
  QTest::keyPress(form.PlayNSolvePage(), Qt::Key_F4, Qt::AltModifier);
  EXPECT_TRUE(form.AltF4Requested());
  EXPECT_TRUE(watch.Seen());
  EXPECT_FALSE(form.AltF4Requested());
  EXPECT_TRUE(form.isVisible());

  // Ctrl+Alt+F4 is not Alt+F4.
  QTest::keyPress(&form, Qt::Key_F4, Qt::AltModifier | Qt::ControlModifier);
  EXPECT_FALSE(form.AltF4Requested());
}

TEST_F(MainFormTest, InsertWithoutModifiersAsksFromAnyPage) {
  TMainForm& form = CreateForm();
  form.show();
  form.OptionsBtnClick();
  {
    TBoxWatch watch;
    QTest::keyRelease(form.OptionsPage(), Qt::Key_Insert);
    EXPECT_TRUE(watch.Seen());
  }
  TBoxWatch shifted;
  QTest::keyRelease(form.OptionsPage(), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_FALSE(shifted.Seen());
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
  SendMouse(form.PlayNSolvePage(), QEvent::MouseButtonPress, QPoint(10, 5), Qt::LeftButton);
  SendMouse(form.PlayNSolvePage(), QEvent::MouseMove, QPoint(60, 60), Qt::LeftButton);
  EXPECT_EQ(form.pos(), before) << "only the background and the caption are handles";
}

TEST_F(MainFormTest, ShortcutBoxKeepsTheLauncherWithoutTouchingAnExistingOne) {
  shellLinks_.ShortcutExists = true;
  TMainForm& form = CreateForm();
  QCheckBox* box = form.OptionsPage()->OptionsShowProgramShortcutOnDesktopChkBox();
  EXPECT_TRUE(box->isChecked()) << "loading ticks the box when the launcher is there";
  form.OptionsBtnClick();
  form.UpdateStatus(box);
  EXPECT_EQ(shellLinks_.CreateCalls, 0);
  EXPECT_EQ(shellLinks_.RemoveCalls, 0);

  box->click();
  EXPECT_EQ(shellLinks_.RemoveCalls, 1);
  box->click();
  EXPECT_EQ(shellLinks_.CreateCalls, 1);
  // Any other sender leaves the desktop alone.
  box->setChecked(false);
  form.UpdateStatus(form.OptionsPage());
  EXPECT_EQ(shellLinks_.RemoveCalls, 1);
}

TEST_F(MainFormTest, HelpOpensTheHelpPageWithItsQueryKeysAndMinimises) {
  TMainForm& form = CreateForm();
  form.show();
  form.HelpBtnClick();
  ASSERT_EQ(shellLinks_.OpenedUrls.size(), 1);
  EXPECT_TRUE(shellLinks_.OpenedUrls[0].endsWith(
      "help/index.html?lngid=44&programlabel=novlet&programversionnumber=1051&show=onlinehelp"))
      << shellLinks_.OpenedUrls[0].toStdString();
  EXPECT_TRUE(form.isMinimized());
  form.FormRestore();
  EXPECT_FALSE(form.isMinimized());

  form.Run().GameState = TGameFlag::Thinking;
  form.HelpBtnClick();
  form.MinimizeBtnClick();
  EXPECT_EQ(shellLinks_.OpenedUrls.size(), 1);
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
  TBoxWatch watch;
  form.activateWindow();
  EXPECT_TRUE(watch.Seen());
  EXPECT_FALSE(form.StartupFlags() & StartupAskQuit);
  EXPECT_TRUE(form.isVisible()) << "No leaves the program running";
}

}  // namespace
}  // namespace novlet::test
