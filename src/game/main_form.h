#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine_host.h"
#include "game/run_state.h"
#include "game/startup_flags.h"
#include "ui/translator.h"

class QLabel;
class QStackedWidget;
class QTimer;

namespace novlet {

class TBaseBtn;
class TBkControl;
class TBookPage;
class TEnterNDesignPage;
class TMyNovletsPage;
class TOptionsPage;
class TPlayNSolvePage;
class TScreenScaler;
class TShellLinks;

// What the program entry hands to the main window.
struct TMainFormSetup {
  TProgramFolders Folders;
  std::uint8_t StartupFlags = kInitialStartupFlags;
  // The desktop services; nullptr for none.
  TShellLinks* ShellLinks = nullptr;
  // The logged-on account, asked at creation and on every tick.
  std::function<std::string()> AccountName;
};

// The one window of the program: the page buttons, the four small buttons,
// the page book and the state of the whole run.
class TMainForm : public QWidget, public TEngineHost {
 public:
  static constexpr int kBaseWidth = 568;
  static constexpr int kBaseHeight = 405;
  static constexpr int kMainTimerInterval = 1000;
  static constexpr int kFarewellMilliseconds = 2000;

  enum TPageIndex { PlayNSolvePageIndex = 0, EnterNDesignPageIndex = 1, MyNovletsPageIndex = 2, OptionsPageIndex = 3 };

  explicit TMainForm(TMainFormSetup setup);
  ~TMainForm() override;

  TRunState& Run() { return run_; }
  const TRunState& Run() const { return run_; }
  TShellLinks& ShellLinks() const { return *shellLinks_; }

  std::uint8_t StartupFlags() const { return startupFlags_; }
  void ClearStartupFlag(TStartupFlag flag) { startupFlags_ &= static_cast<std::uint8_t>(~flag); }
  bool MainWindowRunning() const { return mainWindowRunning_; }
  bool AltF4Requested() const { return altF4Requested_; }
  QPoint DragOrigin() const { return dragOrigin_; }
  int ScreenMode() const;

  // The frame's controls.
  TBkControl* Background() const { return background_; }
  QLabel* CaptionLbl() const { return captionLbl_; }
  TBaseBtn* PlayNSolveBtn() const { return playNSolveBtn_; }
  TBaseBtn* EnterNDesignBtn() const { return enterNDesignBtn_; }
  TBaseBtn* MyNovletsBtn() const { return myNovletsBtn_; }
  TBaseBtn* OptionsBtn() const { return optionsBtn_; }
  TBaseBtn* QuitBtn() const { return quitBtn_; }
  TBaseBtn* HelpBtn() const { return helpBtn_; }
  TBaseBtn* InfoBtn() const { return infoBtn_; }
  TBaseBtn* MinimizeBtn() const { return minimizeBtn_; }
  TBaseBtn* HideBtn() const { return hideBtn_; }
  TBaseBtn* CorvexSBtn() const { return corvexSBtn_; }
  QTimer* MainTimer() const { return mainTimer_; }

  // The page book and its pages, in their fixed order.
  QStackedWidget* Pages() const { return pages_; }
  TPlayNSolvePage* PlayNSolvePage() const { return playNSolvePage_; }
  TEnterNDesignPage* EnterNDesignPage() const { return enterNDesignPage_; }
  TMyNovletsPage* MyNovletsPage() const { return myNovletsPage_; }
  TOptionsPage* OptionsPage() const { return optionsPage_; }
  int ActivePageIndex() const;

  // The page buttons; each does nothing while the window is busy.
  void PlayNSolveBtnClick();
  void EnterNDesignBtnClick();
  void MyNovletsBtnClick();
  void OptionsBtnClick();
  // Runs whenever the active page changes: the game of the page left is
  // stored into its last-game section and ends.
  void PagesPageChanged();

  void QuitBtnClick();
  void HideBtnClick();
  void MinimizeBtnClick();
  void InfoBtnClick();
  void HelpBtnClick();
  void CorvexSBtnClick();
  // Brings the window back from the task bar to the front; a second start
  // asks for this.
  void FormRestore();

  void MainTimerTime();
  // After every change: each page's part in the documented order, then the
  // desktop shortcut when its check box sent the update.
  void UpdateStatus(QObject* sender = nullptr);

  // Reads the account's options and applies them; stores the active game and
  // writes the options.
  void LoadOptions();
  void SaveOptions();
  // Applies the screen-size choice (0 Automatic ... 4 "1024 x 768"); a
  // window that changed size is centred on the screen.
  void ScaleUp(int screenSizeChoice);

  // The shown text for a text id, the built-in text as fallback.
  QString TranslateText(int textId, const QString& builtIn) const;
  TControlTexts TranslateControl(int tag, const TControlTexts& builtIn) const;
  // Every caption and hint of the window and its pages, in the current language.
  void TranslateWindow();

  QString HelpUrl() const;
  QString HomeUrl() const;
  std::filesystem::path OptionsFile() const { return run_.Folders.Data.OptionsFile; }

  // TEngineHost: the engine lets the window live while it works.
  void ProcessPendingMessages() override;
  void BeginReduction() override;
  void ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) override;
  void EndReduction() override;
  void ShowSolutionChoices(int menuItems, const std::string& countSuffix) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateFrame();
  void CreatePages();
  TBaseBtn* CreatePageButton(int top, const QString& caption);
  TBaseBtn* CreateSmallButton(int left, const QString& caption);
  void FormCreate();
  void FormShow();
  void FormActivate();
  bool FormCloseQuery();
  void FormKeyDown(int key, Qt::KeyboardModifiers shift);
  void FormKeyUp(int key, Qt::KeyboardModifiers shift);
  void FormMouseDown(QObject* sender, QMouseEvent* event);
  void FormMouseMove(QObject* sender, QMouseEvent* event);
  void FormMouseUp(QObject* sender, QMouseEvent* event);
  bool IsDragHandle(QObject* sender) const;
  const QObject* FirstKeyReceiver() const;
  void ActivatePage(int index);
  void ResizeGridBuffer(QSize gridSize);
  void AnimateThinking();
  void DesktopShortcutUpkeep();
  void UpdateCaption();
  void CenterOnScreen();
  TBookPage* ActivePage() const;
  QString SkinFolder() const;

  TRunState run_;
  std::unique_ptr<TShellLinks> ownShellLinks_;
  TShellLinks* shellLinks_ = nullptr;
  std::function<std::string()> accountName_;
  std::uint8_t startupFlags_;
  bool mainWindowRunning_ = false;
  bool altF4Requested_ = false;
  bool formShown_ = false;
  QPoint dragOrigin_;

  TBkControl* background_ = nullptr;
  QLabel* captionLbl_ = nullptr;
  TBaseBtn* playNSolveBtn_ = nullptr;
  TBaseBtn* enterNDesignBtn_ = nullptr;
  TBaseBtn* myNovletsBtn_ = nullptr;
  TBaseBtn* optionsBtn_ = nullptr;
  TBaseBtn* quitBtn_ = nullptr;
  TBaseBtn* helpBtn_ = nullptr;
  TBaseBtn* infoBtn_ = nullptr;
  TBaseBtn* minimizeBtn_ = nullptr;
  TBaseBtn* hideBtn_ = nullptr;
  TBaseBtn* corvexSBtn_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  TPlayNSolvePage* playNSolvePage_ = nullptr;
  TEnterNDesignPage* enterNDesignPage_ = nullptr;
  TMyNovletsPage* myNovletsPage_ = nullptr;
  TOptionsPage* optionsPage_ = nullptr;
  QTimer* mainTimer_ = nullptr;
  std::unique_ptr<TScreenScaler> scaler_;

  // The frame's translatable buttons with their tags and built-in texts.
  struct TTaggedButton {
    TBaseBtn* Button;
    int Tag;
    TControlTexts BuiltIn;
  };
  std::vector<TTaggedButton> taggedButtons_;
};

}  // namespace novlet
