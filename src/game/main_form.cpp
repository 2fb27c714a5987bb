// The main window: frame, page flow, main timer, options, quitting, dragging.
#include "game/main_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSessionManager>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <algorithm>

#include "game/accessibility.h"
#include "game/book_page.h"
#include "game/enter_n_design_page.h"
#include "game/event_wait.h"
#include "game/frame_look.h"
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
#include "ui/bk_control.h"
#include "ui/screen_placement.h"
#include "ui/screen_scaler.h"
#include "ui/skin_pictures.h"
#include "ui/skinned_dialogs.h"
#include "ui/std_text.h"

namespace novlet {

namespace {

const QString kWindowCaption = QStringLiteral("Corvex Novlet 1.0 release 5");

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
      startupFlags_(setup.StartupFlags) {
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

void TMainForm::CreateFrame() {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(kBaseWidth, kBaseHeight);
  setWindowIcon(ApplicationIcon());

  background_ = new TBkControl(this);
  background_->setObjectName(QStringLiteral("Background"));
  background_->Background().SetBrush(Qt::NoBrush);
  background_->Background().SetPen(Qt::NoPen);
  background_->Background().SetImageDrawStyle(TImageDrawStyle::idsStretch);
  background_->SetAlign(TAlign::alClient);
  connect(background_, &TBkControl::mousePressed, this, &TMainForm::FormMouseDown);
  connect(background_, &TBkControl::mouseMoved, this, &TMainForm::FormMouseMove);
  connect(background_, &TBkControl::mouseReleased, this, [this] { FormMouseUp(); });

  captionLbl_ = new QLabel(this);
  captionLbl_->setObjectName(QStringLiteral("CaptionLbl"));
  captionLbl_->setGeometry(144, 4, 330, 16);
  captionLbl_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  captionLbl_->setFont(FrameFont(11, false));
  captionLbl_->setStyleSheet(CreamLabelStyle());
  captionLbl_->installEventFilter(this);

  quitBtn_ = CreateFrameButton(318, QStringLiteral("QuitBtn"));
  connect(quitBtn_, &TBaseBtn::clicked, this, &TMainForm::QuitBtnClick);

  helpBtn_ = CreateSmallButton(484, QStringLiteral("HelpBtn"));
  infoBtn_ = CreateSmallButton(504, QStringLiteral("InfoBtn"));
  minimizeBtn_ = CreateSmallButton(524, QStringLiteral("MinimizeBtn"));
  hideBtn_ = CreateSmallButton(544, QStringLiteral("HideBtn"));
  connect(helpBtn_, &TBaseBtn::clicked, this, &TMainForm::HelpBtnClick);
  connect(infoBtn_, &TBaseBtn::clicked, this, &TMainForm::InfoBtnClick);
  connect(minimizeBtn_, &TBaseBtn::clicked, this, &TMainForm::MinimizeBtnClick);
  connect(hideBtn_, &TBaseBtn::clicked, this, &TMainForm::HideBtnClick);

  // The maker's mark is part of the background picture; this clear button
  // lies over it.
  corvexSBtn_ = new TBaseBtn(this);
  corvexSBtn_->setObjectName(QStringLiteral("CorvexSBtn"));
  corvexSBtn_->setGeometry(10, 360, 118, 38);
  corvexSBtn_->SetFaceVisible(false);
  corvexSBtn_->SetPen(Qt::NoPen);
  connect(corvexSBtn_, &TBaseBtn::clicked, this, &TMainForm::CorvexSBtnClick);

  taggedButtons_ = {{quitBtn_, TextId::QuitBtn},         {helpBtn_, TextId::HelpBtn},
                    {infoBtn_, TextId::InfoBtn},         {minimizeBtn_, TextId::MinimizeBtn},
                    {hideBtn_, TextId::HideBtn},         {corvexSBtn_, TextId::WebsiteBtn}};

  mainTimer_ = new QTimer(this);
  mainTimer_->setInterval(kMainTimerInterval);
  connect(mainTimer_, &QTimer::timeout, this, &TMainForm::MainTimerTime);
}

TBaseBtn* TMainForm::CreateFrameButton(int top, const QString& name) {
  auto* button = new TBaseBtn(this);
  button->setObjectName(name);
  button->setGeometry(8, top, 120, 35);
  // The longest caption, "Enter & Design", fits inside the face with room
  // to spare at every screen size.
  button->SetCaptionXOffset(0.08);
  button->SetCaptionYOffset(0.28);
  button->setFont(FrameFont(11, true));
  button->SetFontColor(kCreamText);
  // The drawn look until the skin's faces are put on.
  button->SetFaceXOffset(0.02);
  button->SetFaceYOffset(0.03);
  button->SetFaceWidth(0.96);
  button->SetFaceHeight(0.94);
  button->SetCaptionXRound(12);
  button->SetCaptionYRound(12);
  button->SetBrush(QColor(0x4a, 0x66, 0x8c));
  button->SetPen(QPen(QColor(0x2a, 0x3a, 0x52), 1));
  return button;
}

TBaseBtn* TMainForm::CreateSmallButton(int left, const QString& name) {
  auto* button = new TBaseBtn(this);
  button->setObjectName(name);
  button->setGeometry(left, 3, 18, 17);
  button->setFont(FrameFont(11, true));
  button->SetFontColor(kCreamText);
  button->SetFaceWidth(0.9);
  button->SetFaceHeight(0.9);
  button->SetCaptionXRound(6);
  button->SetCaptionYRound(6);
  button->SetShadowXOffset(0.06);
  button->SetShadowYOffset(0.06);
  button->SetShadowColor(QColor(0x10, 0x16, 0x20));
  button->SetBrush(QColor(0x3c, 0x52, 0x72));
  button->SetPen(QPen(QColor(0x7d, 0x98, 0xbd), 1));
  button->SetCaptionYOffset(0.02);
  return button;
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
    TBaseBtn* button = CreateFrameButton(kPageButtonTops[index], QString::fromLatin1(kPageButtonNames[index]));
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
  altF4Requested_ = false;
  dragOrigin_ = QPoint();
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
  LetEventsRun();
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

void TMainForm::LetEventsRun() { QCoreApplication::processEvents(); }

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
  // An older record for the same place, still unstored, is out of date.
  TakeUnstored(file, section);
  pendingStores_.push_back({file, section, std::move(record)});
}

std::optional<TNovletFileData> TMainForm::TakeUnstored(const std::filesystem::path& file,
                                                       const std::string& section) {
  const auto found = std::find_if(pendingStores_.begin(), pendingStores_.end(), [&](const TPendingStore& store) {
    return store.File == file && store.Section == section;
  });
  if (found == pendingStores_.end()) return std::nullopt;
  TNovletFileData record = std::move(found->Record);
  pendingStores_.erase(found);
  return record;
}

void TMainForm::FlushPendingStores(TFailureNotice notice) {
  std::vector<TPendingStore> pending;
  pending.swap(pendingStores_);
  for (TPendingStore& store : pending) {
    TStoreResult result = EnsureDataFolder(folders_.Data);
    if (result.Ok) result = WritePuzzleRecord(store.File, store.Section, store.Record);
    if (result.Ok) continue;
    const bool tell = !store.FailureTold || notice == TFailureNotice::Again;
    store.FailureTold = true;
    // Kept before the box opens: the ticks that run while it shows try again.
    pendingStores_.push_back(std::move(store));
    if (tell) dialogs_->Tell(StoreMessageText(result.Message, translator_), Text(TextId::Ok));
  }
}

void TMainForm::UpdateStatus() {
  for (TBookPage* page : pages_) page->RefreshStatus();
  CarryOutPendingStop();
}

void TMainForm::ChangeOptions(const std::function<void(TOptions&)>& change) {
  change(options_);
  for (TBookPage* page : pages_) page->ApplyOptions();
  UpdateStatus();
}

void TMainForm::LanguageChosen(std::int32_t lngId) {
  if (lngId == options_.LngID) return;
  // The new number goes into the file first: loading reads it back from there.
  options_.LngID = lngId;
  SaveOptions();
  LoadOptions();
}

void TMainForm::ScreenSizeChosen(int screenSize) {
  options_.ScreenSize = static_cast<std::uint8_t>(screenSize >= 1 && screenSize < kScreenSizeCount ? screenSize : 0);
  ScaleUp(options_.ScreenSize);
  CenterOnScreen(*this);
}

void TMainForm::QuitBtnClick() {
  // A window on its way out asks nothing more (a key's release that arrives
  // after the Yes that closed it).
  if (Busy() || closeAllowed_) return;
  const QString question =
      Text(TextId::QuitQuestion) + QStringLiteral("\n\n") + Text(TextId::QuitExplanation);
  if (!dialogs_->Ask(question, Text(TextId::Yes), Text(TextId::No))) return;
  closeAllowed_ = true;
  hide();
  LetEventsRun();
  if (startupFlags_ & StartupFarewellAbout) {
    // The farewell only paints: no tick and no second start may bring the
    // hidden window back in the meantime.
    mainTimer_->stop();
    dialogs_->ShowFarewell([this](int tag, const TControlTexts&) { return translator_.Control(tag); });
    WaitPaintingOnly(kFarewellMilliseconds);
    dialogs_->CloseAbout();
  }
  // A close refused after all (an operation started meanwhile) must not
  // leave the program running without a window.
  if (!close()) {
    closeAllowed_ = false;
    mainTimer_->start();
    show();
  }
}

void TMainForm::CloseWithoutAsking() {
  closeAllowed_ = true;
  if (!close()) {
    // The engine is thinking: the window stays whole and answers as usual
    // until the work ends, then the stop is carried out.
    closeAllowed_ = false;
    stopPending_ = true;
    return;
  }
  stopPending_ = false;
  // A box left open would keep the program waiting for an answer nobody is
  // there to give, beside a window already gone.
  dialogs_->CancelOpenBoxes();
}

void TMainForm::CarryOutPendingStop() {
  if (!stopPending_ || Thinking()) return;
  stopPending_ = false;
  // Once the operation that ended has returned, not inside it.
  QTimer::singleShot(0, this, &TMainForm::CloseWithoutAsking);
}

void TMainForm::MinimizeBtnClick() {
  if (Busy()) return;
  showMinimized();
}

void TMainForm::InfoBtnClick() {
  if (Busy()) return;
  dialogs_->ShowAbout([this](int tag, const TControlTexts&) { return translator_.Control(tag); },
                      [this] { CorvexSBtnClick(); });
}

void TMainForm::HelpBtnClick() {
  if (Busy()) return;
  shellLinks_->OpenWebPage(HelpUrl());
  showMinimized();
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

void TMainForm::FormRestore() {
  // A window on its way out stays hidden.
  if (closeAllowed_) return;
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  // A question left open stays in front of the window it belongs to.
  if (QWidget* box = QApplication::activeModalWidget()) {
    box->raise();
    box->activateWindow();
  }
}

void TMainForm::MainTimerTime() {
  CarryOutPendingStop();
  FlushPendingStores();
  const std::string account = accountName_();
  if (account != userName_) {
    SaveOptions();
    userName_ = account;
    LoadOptions();
    return;
  }
  for (TBookPage* page : pages_) page->Tick();
}

void TMainForm::UseLanguage() {
  translator_.SetLanguage(folders_.LanguageFile(), options_.LngID);
  // Qt's choosers and key names speak the language the window shows, not a
  // chosen one the language file lacks.
  dialogLanguage_.Use(translator_.ShownLanguageCode());
}

void TMainForm::LoadOptions() {
  ReadOptions(folders_.Data.OptionsFile, userName_, options_);
  UseLanguage();
  TranslateWindow();
  ScaleUp(options_.ScreenSize);
  for (TBookPage* page : pages_) page->ApplyOptions();
  UpdateCaption();
  // The captions that follow the state (Pause or Continue, the mode) in the
  // language just loaded.
  UpdateStatus();
}

void TMainForm::SaveOptions() {
  FlushPendingStores(TFailureNotice::Again);
  for (TBookPage* page : pages_)
    if (page->StoreLastGame()) break;
  TStoreResult result = EnsureDataFolder(folders_.Data);
  if (result.Ok) result = WriteOptions(folders_.Data.OptionsFile, userName_, options_);
  if (!result.Ok) dialogs_->Tell(StoreMessageText(result.Message, translator_), Text(TextId::Ok));
}

void TMainForm::ScaleUp(int screenSizeChoice) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen ? screen->availableGeometry().size() : QSize(kBaseWidth, kBaseHeight);
  const int oldMode = scaler_->ScreenMode();
  scaler_->ScaleUp(screenSizeChoice, screenSize);
  // A window the player has moved stays where it is when nothing changed
  // (options loaded again for another account, say).
  if (scaler_->ScreenMode() != oldMode) CenterOnScreen(*this);
}

void TMainForm::UpdateCaption() { captionLbl_->setText(kWindowCaption + QStringLiteral(" - ") + FromStd(userName_)); }

void TMainForm::TranslateWindow() {
  for (const auto& [button, tag] : taggedButtons_) {
    const TControlTexts texts = translator_.Control(tag);
    button->SetCaption(FromStd(texts.Caption));
    button->setToolTip(FromStd(texts.Hint));
  }
  // The small buttons carry their captions in the middle of their faces.
  for (TBaseBtn* button : {helpBtn_, infoBtn_, minimizeBtn_, hideBtn_}) {
    const int textWidth = QFontMetrics(button->font()).horizontalAdvance(button->Caption());
    button->SetCaptionXOffset((button->FaceWidth() * button->width() - textWidth) / 2.0 / button->width());
  }
  for (TBookPage* page : pages_) page->Translate();
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
  LetEventsRun();
}

void TMainForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TMainForm::FormActivate() {
  if (!(startupFlags_ & StartupAskQuit)) return;
  startupFlags_ &= static_cast<std::uint8_t>(~StartupAskQuit);
  LetEventsRun();
  HideBtnClick();
  LetEventsRun();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // A close the program did not ask for itself (the window manager's close
  // button, Alt+F4 taken by the desktop) asks the quit question first.
  if (!closeAllowed_) altF4Requested_ = true;
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  // An about box left open would keep the program running without its window.
  dialogs_->CloseAbout();
  event->accept();
}

bool TMainForm::FormCloseQuery() {
  if (Thinking()) return false;
  if (altF4Requested_) {
    altF4Requested_ = false;
    // Asked once the refused close has returned, not inside it.
    QTimer::singleShot(0, this, &TMainForm::QuitBtnClick);
    return false;
  }
  mainTimer_->stop();
  SaveOptions();
  if (!dragOrigin_.isNull()) QGuiApplication::restoreOverrideCursor();
  dragOrigin_ = QPoint();
  // No control may keep the mouse once the window is gone.
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  return true;
}

void TMainForm::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
  const Qt::KeyboardModifiers held = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (key != Qt::Key_F4 || held != Qt::AltModifier) return;
  altF4Requested_ = true;
  // Without a window manager to turn Alt+F4 into a close request, the
  // window asks itself.
  QTimer::singleShot(0, this, [this] { close(); });
}

void TMainForm::FormKeyUp(int key, Qt::KeyboardModifiers shift) {
  const Qt::KeyboardModifiers held = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (key == Qt::Key_Insert && held == Qt::NoModifier) HideBtnClick();
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
    if (type == QEvent::MouseButtonPress) FormMouseDown(static_cast<QMouseEvent*>(event));
    if (type == QEvent::MouseMove) FormMouseMove(static_cast<QMouseEvent*>(event));
    if (type == QEvent::MouseButtonRelease) FormMouseUp();
  }
  return QWidget::eventFilter(watched, event);
}

// A key event travels from the focused control up to the window; the window
// looks at it once, where it starts.
const QObject* TMainForm::FirstKeyReceiver() const {
  const QWidget* focused = QApplication::focusWidget();
  return focused && focused->window() == this ? focused : this;
}

void TMainForm::FormMouseDown(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // A compositor moves its windows itself (Wayland ignores a program moving
  // its own); by hand only where nothing can, as on a bare X server.
  if (windowHandle() && windowHandle()->startSystemMove()) return;
  if (dragOrigin_.isNull()) QGuiApplication::setOverrideCursor(Qt::BusyCursor);
  dragOrigin_ = event->globalPosition().toPoint();
}

void TMainForm::FormMouseMove(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton) || dragOrigin_.isNull()) return;
  const QPoint position = event->globalPosition().toPoint();
  move(pos() + (position - dragOrigin_));
  dragOrigin_ = position;
}

void TMainForm::FormMouseUp() {
  if (dragOrigin_.isNull()) return;
  dragOrigin_ = QPoint();
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace novlet
