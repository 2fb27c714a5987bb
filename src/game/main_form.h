// The one window of the program: its frame, the page book, the main timer,
// and the state of the whole run that the pages share through their host.
// Its jobs lie in files of their own: main_frame.cpp (the frame),
// main_form_options.cpp (options, language, account, size) and
// main_form_closing.cpp (its part in the close protocol).
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine_host.h"
#include "engine/novlet_engine.h"
#include "game/page_host.h"
#include "game/run_folders.h"
#include "game/startup_flags.h"
#include "game/window_drag.h"
#include "session/close_protocol.h"
#include "session/deferred_stores.h"
#include "store/language/translator.h"
#include "store/options_record.h"
#include "ui/desktop_dialog_language.h"
#include "ui/translator.h"

class QLabel;
class QStackedWidget;
class QTimer;

namespace novlet {

class TBaseBtn;
class TBkControl;
class TBookPage;
class TScreenScaler;

// What the program entry hands to the main window; tests replace the clock,
// the waits, the dialogs and the desktop.
struct TMainFormSetup {
  TProgramFolders Folders;
  std::uint8_t StartupFlags = kInitialStartupFlags;
  // The desktop services; nullptr for none.
  TShellLinks* ShellLinks = nullptr;
  // The questions and choosers; nullptr for the program's own boxes.
  TDialogs* Dialogs = nullptr;
  // The logged-on account, asked at creation and on every tick.
  std::function<std::string()> AccountName;
  // "Now"; the system clock when empty.
  TTimeSource Clock;
  // How long the farewell shows on the way out.
  int FarewellMilliseconds = 2000;
};

class TMainForm : public QWidget, public TEngineHost, public TPageHost, private TClosingWindow {
  Q_OBJECT

 public:
  static constexpr int kBaseWidth = 568;
  static constexpr int kBaseHeight = 405;
  static constexpr int kMainTimerInterval = 1000;
  static constexpr const char* kWindowCaption = "Corvex Novlet 1.0 release 5";

  explicit TMainForm(TMainFormSetup setup);
  ~TMainForm() override;

  std::uint8_t StartupFlags() const { return startupFlags_; }
  bool MainWindowRunning() const { return mainWindowRunning_; }
  QPoint DragOrigin() const { return drag_.Origin(); }
  const TCloseProtocol& CloseProtocol() const { return closeProtocol_; }

  // The frame's controls.
  TBkControl* Background() const { return background_; }
  QLabel* CaptionLbl() const { return captionLbl_; }
  // The page buttons, one per page in page order, then Quit.
  const std::vector<TBaseBtn*>& PageButtons() const { return pageButtons_; }
  TBaseBtn* QuitBtn() const { return quitBtn_; }
  TBaseBtn* HelpBtn() const { return helpBtn_; }
  TBaseBtn* InfoBtn() const { return infoBtn_; }
  TBaseBtn* MinimizeBtn() const { return minimizeBtn_; }
  TBaseBtn* HideBtn() const { return hideBtn_; }
  TBaseBtn* CorvexSBtn() const { return corvexSBtn_; }
  QTimer* MainTimer() const { return mainTimer_; }

  // The page book and its pages, in their fixed order.
  QStackedWidget* Pages() const { return pageBook_; }
  const std::vector<TBookPage*>& BookPages() const { return pages_; }
  TBookPage* Page(TPageKind kind) const;
  TBookPage* ActivePage() const;

  // A page button: the page is shown (and, the first time, its last game
  // comes back); nothing happens while the window is busy.
  void ShowPageByButton(TBookPage* page);

  void QuitBtnClick();
  void HideBtnClick() { QuitBtnClick(); }
  void MinimizeBtnClick();
  void InfoBtnClick();
  void HelpBtnClick();
  void CorvexSBtnClick();
  // Brings the window back from the task bar to the front; a second start
  // asks for this.
  void FormRestore();
  // Closes without asking, storing the game and the options, and cancels any
  // box still open: a second start asking to close this one, a stop signal,
  // the uninstaller, or the desktop session ending. While the engine thinks
  // the stop waits and is carried out as soon as the work is done.
  void CloseWithoutAsking();

  void MainTimerTime();

  // Reads the account's options and applies them; stores the active game and
  // writes the options.
  void LoadOptions();
  void SaveOptions();
  // Applies the screen-size choice (0 Automatic ... 4 "1024 x 768"); a
  // window that changed size is centred on the screen.
  void ScaleUp(int screenSizeChoice);

  // Every caption and hint of the window and its pages, in the current language.
  void TranslateWindow();

  QString HelpUrl() const;
  QString HomeUrl() const;

  // TPageHost: what the pages share.
  TGameState WindowState() const override { return gameState_; }
  bool HoldWindowFlag(TGameFlag flag) override;
  void ReleaseWindowFlag(TGameFlag flag) override { gameState_.Clear(flag); }
  TNovletEngine& Engine() override { return engine_; }
  const TOptions& Options() const override { return options_; }
  const std::string& UserName() const override { return userName_; }
  const TProgramFolders& Folders() const override { return folders_; }
  const QStringList& DisplaySetList() const override { return displaySetList_; }
  int ScreenMode() const override;
  TTimeSource Clock() const override { return clock_; }
  // A page's game loads, validates or thinks.
  bool Busy() const override;
  bool Thinking() const override;
  const TTranslator& Texts() const override { return translator_; }
  TDialogs& Dialogs() override { return *dialogs_; }
  TShellLinks& ShellLinks() override { return *shellLinks_; }
  void UpdateStatus() override;
  void StoreAfterShowing(const std::filesystem::path& file, const std::string& section,
                         TNovletFileData record) override;
  std::optional<TNovletFileData> TakeUnstored(const std::filesystem::path& file, const std::string& section) override;
  bool IsActivePage(const TBookPage* page) const override;
  void OpenStoredPuzzle(TPageKind kind, const std::filesystem::path& file, const std::string& section,
                        TOpenMode mode) override;
  void ChangeOptions(const std::function<void(TOptions&)>& change) override;
  void LanguageChosen(std::int32_t lngId) override;
  void ScreenSizeChosen(int screenSize) override;

  // TEngineHost: the engine lets the window live while it works.
  // The one place where long work lets the window's events run.
  void ProcessPendingMessages() override;
  void BeginReduction() override;
  void ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) override;
  void EndReduction() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateFrame();
  void CreatePages();
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormKeyDown(int key, Qt::KeyboardModifiers shift);
  void FormKeyUp(int key, Qt::KeyboardModifiers shift);
  const QObject* FirstKeyReceiver() const;
  // Makes the page the active one; the page left stores and ends its game.
  void ActivatePage(TBookPage* page);
  // Writes the games left by pages, before anything else reads or writes.
  // One that fails stays in memory and is tried again at every tick; its
  // failure is told once, and again when the program closes.
  void FlushPendingStores(TDeferredStores::TNotice notice = TDeferredStores::TNotice::Once);
  // The frame's control texts in the window's language, for the About box.
  TControlTranslator ControlTexts() const;
  // Follows a change of the logged-on account; true when it changed.
  bool FollowAccount();
  // TClosingWindow: the window's part in ending the program.
  bool AskToQuit() override;
  bool WantsFarewell() const override;
  void SayFarewell() override;
  void StoreEverything() override;
  void CancelOpenBoxes() override;
  void End() override;
  void Later(std::function<void()> call) override;
  // The program's texts and the desktop choosers' in the options' language.
  void UseLanguage();
  void UpdateCaption();
  QString SkinFolder() const;

  TProgramFolders folders_;
  TNovletEngine engine_;
  TGameState gameState_;
  TOptions options_;
  std::string userName_;
  TTranslator translator_;
  TDesktopDialogLanguage dialogLanguage_;
  QStringList displaySetList_;
  TTimeSource clock_;
  std::unique_ptr<TShellLinks> ownShellLinks_;
  TShellLinks* shellLinks_ = nullptr;
  std::unique_ptr<TDialogs> ownDialogs_;
  TDialogs* dialogs_ = nullptr;
  std::function<std::string()> accountName_;
  std::uint8_t startupFlags_;
  int farewellMilliseconds_;
  bool mainWindowRunning_ = false;
  bool formShown_ = false;
  TDeferredStores deferredStores_;
  TCloseProtocol closeProtocol_;
  TWindowDrag drag_;

  TBkControl* background_ = nullptr;
  QLabel* captionLbl_ = nullptr;
  std::vector<TBaseBtn*> pageButtons_;
  TBaseBtn* quitBtn_ = nullptr;
  TBaseBtn* helpBtn_ = nullptr;
  TBaseBtn* infoBtn_ = nullptr;
  TBaseBtn* minimizeBtn_ = nullptr;
  TBaseBtn* hideBtn_ = nullptr;
  TBaseBtn* corvexSBtn_ = nullptr;
  QStackedWidget* pageBook_ = nullptr;
  std::vector<TBookPage*> pages_;
  QTimer* mainTimer_ = nullptr;
  std::unique_ptr<TScreenScaler> scaler_;

  // The frame's translatable controls with their tags.
  std::vector<std::pair<TBaseBtn*, int>> taggedButtons_;
};

}  // namespace novlet
