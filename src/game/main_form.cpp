// The main window: its pages, their flow, the main timer and the frame's small buttons.
#include "game/main_form.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSessionManager>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>

#include <algorithm>

#include "game/accessibility.h"
#include "game/book_page.h"
#include "game/enter_n_design_page.h"
#include "game/frame_buttons.h"
#include "game/my_novlets_page.h"
#include "game/options_page.h"
#include "game/play_n_solve_page.h"
#include "game/shell_links.h"
#include "game/store_messages.h"
#include "render/display_set.h"
#include "store/account_name.h"
#include "store/language/language_detection.h"
#include "store/language/text_ids.h"
#include "ui/base_btn.h"
#include "ui/screen_scaler.h"
#include "ui/skinned_dialogs.h"
#include "ui/std_text.h"

namespace novlet {

namespace {

// The object names of the page buttons, in page order.
const char* const kPageButtonNames[] = {"PlayNSolveBtn", "EnterNDesignBtn", "MyNovletsBtn", "OptionsBtn"};
constexpr int kPageButtonTops[] = {48, 88, 128, 168};

}  // namespace

TMainForm::TMainForm(TMainFormSetup setup)
    : folders_(std::move(setup.Folders)),
      clock_(setup.Clock ? std::move(setup.Clock) : SystemTimeSource()),
      shellLinks_(setup.ShellLinks),
      dialogs_(setup.Dialogs),
      accountName_(setup.AccountName ? std::move(setup.AccountName) : std::function<std::string()>(CurrentUserName)),
      startupFlags_(setup.StartupFlags),
      farewellMilliseconds_(setup.FarewellMilliseconds),
      deferredStores_(folders_.Data),
      closeProtocol_(*this),
      drag_(*this) {
  InstallAccessibility();
  if (!shellLinks_) {
    ownShellLinks_ = std::make_unique<TNoShellLinks>();
    shellLinks_ = ownShellLinks_.get();
  }
  if (!dialogs_) {
    ownDialogs_ = std::make_unique<TSkinnedDialogs>(SkinFolder(), this);
    dialogs_ = ownDialogs_.get();
  }
  // Every run deals new puzzles.
  engine_.Random().ReseedFromClock();
  userName_ = accountName_();
  options_.LngID = DetectLanguage();
  UseLanguage();
  CreateFrame();
  CreatePages();
  FormCreate();
}

TMainForm::~TMainForm() {
  qApp->removeEventFilter(this);
  mainWindowRunning_ = false;
  mainTimer_->stop();
  // The pages go while the run state they point into is still there; QWidget
  // would delete them only after this class's members are gone.
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void TMainForm::CreatePages() {
  pageBook_ = new QStackedWidget(this);
  pageBook_->setObjectName(QStringLiteral("Pages"));
  pageBook_->setGeometry(kPageAreaLeft, kPageAreaTop, kPageAreaWidth, kPageAreaHeight);
  pageBook_->setAttribute(Qt::WA_TranslucentBackground);
  pages_ = {new TPlayNSolvePage(*this), new TEnterNDesignPage(*this), new TMyNovletsPage(*this),
            new TOptionsPage(*this)};
  for (std::size_t index = 0; index < pages_.size(); ++index) {
    TBookPage* page = pages_[index];
    pageBook_->addWidget(page);
    TBaseBtn* button = CreateFrameButton(this, kPageButtonTops[index], QString::fromLatin1(kPageButtonNames[index]));
    connect(button, &TBaseBtn::clicked, this, [this, page] { ShowPageByButton(page); });
    pageButtons_.push_back(button);
    taggedButtons_.push_back({button, page->HeadingTag()});
  }
  pageButtons_.push_back(quitBtn_);
}

// Main-window creation: language, geometry, display sets, skins, options,
// then the timer; each step needs the ones before it.
void TMainForm::FormCreate() {
  startupFlags_ |= StartupWindowCreated;
  setWindowTitle(kWindowCaption);
  UpdateCaption();
  QDir::setCurrent(FromStd(folders_.ProgramFolder.string()));
  qApp->installEventFilter(this);
  // Logging out saves and closes without a question, so it is never blocked.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { CloseWithoutAsking(); });

  engine_.SetHost(this);
  engine_.SetBoxShape(3, 3);
  InitOptions(options_);

  displaySetList_ = FillDisplaySetList(FromStd(folders_.DisplaySetsFolder().string()));
  std::vector<TBaseBtn*> smallButtons;
  for (TBookPage* page : pages_) {
    const std::vector<TBaseBtn*> buttons = page->SmallButtons();
    smallButtons.insert(smallButtons.end(), buttons.begin(), buttons.end());
  }
  scaler_ = std::make_unique<TScreenScaler>(TSkinnedWindow{this, background_, pageButtons_, smallButtons, [this] {
                                                              for (TBookPage* page : pages_) page->AfterScale();
                                                            }});
  ScaleUp(options_.ScreenSize);
  LoadOptions();

  mainWindowRunning_ = true;
  mainTimer_->start();
  UpdateStatus();
}

int TMainForm::ScreenMode() const { return scaler_ ? scaler_->ScreenMode() : 0; }

TBookPage* TMainForm::Page(TPageKind kind) const {
  for (TBookPage* page : pages_)
    if (page->Kind() == kind) return page;
  return nullptr;
}

TBookPage* TMainForm::ActivePage() const { return static_cast<TBookPage*>(pageBook_->currentWidget()); }

bool TMainForm::IsActivePage(const TBookPage* page) const { return ActivePage() == page; }

QString TMainForm::SkinFolder() const { return FromStd(folders_.SkinFolder().string()); }

void TMainForm::ProcessPendingMessages() { QCoreApplication::processEvents(); }

bool TMainForm::Busy() const {
  return std::any_of(pages_.begin(), pages_.end(), [](const TBookPage* page) { return page->SessionState().IsBusy(); });
}

bool TMainForm::Thinking() const {
  return std::any_of(pages_.begin(), pages_.end(),
                     [](const TBookPage* page) { return page->SessionState().Has(TGameFlag::Thinking); });
}

void TMainForm::ActivatePage(TBookPage* page) {
  TBookPage* left = ActivePage();
  if (left == page) return;
  left->Leave();
  pageBook_->setCurrentWidget(page);
}

void TMainForm::ShowPageByButton(TBookPage* page) {
  if (Busy()) return;
  const bool alreadyShown = ActivePage() == page;
  ActivatePage(page);
  page->Enter(alreadyShown);
  UpdateStatus();
  repaint();
  FlushPendingStores();
}

void TMainForm::OpenStoredPuzzle(TPageKind kind, const std::filesystem::path& file, const std::string& section,
                                 TOpenMode mode) {
  TBookPage* page = Page(kind);
  ActivatePage(page);
  // The puzzle handed over may be the very one the page left just stored.
  FlushPendingStores();
  page->OpenStoredPuzzle(file, section, mode);
  UpdateStatus();
}

void TMainForm::StoreAfterShowing(const std::filesystem::path& file, const std::string& section,
                                  TNovletFileData record) {
  deferredStores_.Add(file, section, std::move(record));
}

std::optional<TNovletFileData> TMainForm::TakeUnstored(const std::filesystem::path& file,
                                                       const std::string& section) {
  return deferredStores_.Take(file, section);
}

void TMainForm::FlushPendingStores(TDeferredStores::TNotice notice) {
  for (const std::string& failure : deferredStores_.Flush(notice))
    dialogs_->Tell(StoreMessageText(failure, translator_), Text(TextId::Ok));
}

bool TMainForm::HoldWindowFlag(TGameFlag flag) {
  if (gameState_.Has(flag)) return false;
  gameState_.Set(flag);
  return true;
}

void TMainForm::UpdateStatus() {
  for (TBookPage* page : pages_) page->RefreshStatus();
  closeProtocol_.WorkMayHaveEnded();
}

void TMainForm::MinimizeBtnClick() {
  if (Busy()) return;
  showMinimized();
}

void TMainForm::InfoBtnClick() {
  if (Busy()) return;
  dialogs_->ShowAbout(ControlTexts(), [this] { CorvexSBtnClick(); });
}

void TMainForm::HelpBtnClick() {
  if (Busy()) return;
  shellLinks_->OpenWebPage(HelpUrl());
  showMinimized();
}

TControlTranslator TMainForm::ControlTexts() const {
  return [this](int tag, const TControlTexts&) { return translator_.Control(tag); };
}

void TMainForm::CorvexSBtnClick() {
  shellLinks_->OpenWebPage(HomeUrl());
  showMinimized();
}

// The page in the window's language, English where it has none, as a plain
// file address: the desktop's openers take a query or a fragment of a file
// address for part of its name.
QString TMainForm::HelpUrl() const {
  const std::filesystem::path folder = folders_.ResourceFolder / "help";
  std::filesystem::path page = folder / ("index." + std::string(translator_.ShownLanguageCode()) + ".html");
  std::error_code unknown;
  if (!std::filesystem::is_regular_file(page, unknown)) page = folder / "index.html";
  return QUrl::fromLocalFile(FromStd(page.string())).toString();
}

QString TMainForm::HomeUrl() const {
  return QUrl::fromLocalFile(FromStd((folders_.ResourceFolder / "help" / "corvex.html").string())).toString();
}

void TMainForm::MainTimerTime() {
  closeProtocol_.WorkMayHaveEnded();
  FlushPendingStores();
  if (FollowAccount()) return;
  for (TBookPage* page : pages_) page->Tick();
}

void TMainForm::BeginReduction() { ActivePage()->BeginReduction(); }

void TMainForm::ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) {
  ActivePage()->ShowReductionProgress(levelText, puzzle);
}

void TMainForm::EndReduction() { ActivePage()->EndReduction(); }

void TMainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (formShown_) return;
  formShown_ = true;
  FormShow();
}

// The first showing restores the game left on the Play & Solve page.
void TMainForm::FormShow() {
  TBookPage* first = pages_.front();
  ActivatePage(first);
  first->Enter(false);
  UpdateStatus();
}

void TMainForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TMainForm::FormActivate() {
  if (!(startupFlags_ & StartupAskQuit)) return;
  startupFlags_ &= static_cast<std::uint8_t>(~StartupAskQuit);
  // Asked once the activation has returned, not inside it.
  Later([this] { HideBtnClick(); });
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched == FirstKeyReceiver()) {
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (!keyEvent->isAutoRepeat()) {
      if (type == QEvent::KeyPress)
        FormKeyDown(keyEvent->key(), keyEvent->modifiers());
      else
        FormKeyUp(keyEvent->key(), keyEvent->modifiers());
    }
    return false;
  }
  if (watched == captionLbl_) {
    // Only mouse events may be taken as such: the label gets every kind.
    if (type == QEvent::MouseButtonPress) drag_.MouseDown(static_cast<QMouseEvent*>(event));
    if (type == QEvent::MouseMove) drag_.MouseMove(static_cast<QMouseEvent*>(event));
    if (type == QEvent::MouseButtonRelease) drag_.MouseUp();
  }
  return QWidget::eventFilter(watched, event);
}

// A key event travels from the focused control up to the window; the window
// looks at it once, where it starts.
const QObject* TMainForm::FirstKeyReceiver() const {
  const QWidget* focused = QApplication::focusWidget();
  return focused && focused->window() == this ? focused : this;
}

}  // namespace novlet
