#include "game/main_form.h"

#include "game/book_page.h"
#include "game/enter_n_design_page.h"
#include "game/event_wait.h"
#include "game/frame_look.h"
#include "game/grid_popup_menu.h"
#include "game/my_novlets_page.h"
#include "game/options_page.h"
#include "game/pie_gauge.h"
#include "game/play_n_solve_page.h"
#include "game/shell_links.h"
#include "render/display_set.h"
#include "store/account_name.h"
#include "store/language/language_detection.h"
#include "store/language/translation.h"
#include "ui/about_box.h"
#include "ui/base_btn.h"
#include "ui/bk_control.h"
#include "ui/intro_form.h"
#include "ui/msg_dlg_box.h"
#include "ui/screen_scaler.h"
#include "ui/skin_pictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

namespace novlet {

namespace {

const QString kWindowCaption = QStringLiteral("Corvex Novlet 1.0 release 5");
const QString kApplicationTitle = QStringLiteral("Corvex Novlet");
QString FromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TMainForm::TMainForm(TMainFormSetup setup)
    : shellLinks_(setup.ShellLinks),
      accountName_(setup.AccountName ? std::move(setup.AccountName) : std::function<std::string()>(CurrentUserName)),
      startupFlags_(setup.StartupFlags) {
  if (!shellLinks_) {
    ownShellLinks_ = std::make_unique<TNoShellLinks>();
    shellLinks_ = ownShellLinks_.get();
  }
  run_.Folders = std::move(setup.Folders);
  // Every run deals new puzzles.
  run_.Engine.Random().ReseedFromClock();
  run_.UserName = accountName_();
  CreateFrame();
  CreatePages();
  FormCreate();
}

TMainForm::~TMainForm() {
  qApp->removeEventFilter(this);
  mainWindowRunning_ = false;
  // The controls go while the run state they point into is still there;
  // QWidget would delete them only after this class's members are gone.
  mainTimer_->stop();
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
  background_->OnMouseDown = [this](QObject* sender, QMouseEvent* event) { FormMouseDown(sender, event); };
  background_->OnMouseMove = [this](QObject* sender, QMouseEvent* event) { FormMouseMove(sender, event); };
  background_->OnMouseUp = [this](QObject* sender, QMouseEvent* event) { FormMouseUp(sender, event); };

  captionLbl_ = new QLabel(this);
  captionLbl_->setObjectName(QStringLiteral("CaptionLbl"));
  captionLbl_->setGeometry(144, 4, 330, 16);
  captionLbl_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  captionLbl_->setFont(FrameFont(11, false));
  captionLbl_->setStyleSheet(CreamLabelStyle());
  captionLbl_->installEventFilter(this);

  playNSolveBtn_ = CreatePageButton(48, QStringLiteral("Play & Solve"));
  enterNDesignBtn_ = CreatePageButton(88, QStringLiteral("Enter & Design"));
  myNovletsBtn_ = CreatePageButton(128, QStringLiteral("My Novlets"));
  optionsBtn_ = CreatePageButton(168, QStringLiteral("Options"));
  quitBtn_ = CreatePageButton(318, QStringLiteral("Quit"));
  playNSolveBtn_->OnClick = [this](QObject*) { PlayNSolveBtnClick(); };
  enterNDesignBtn_->OnClick = [this](QObject*) { EnterNDesignBtnClick(); };
  myNovletsBtn_->OnClick = [this](QObject*) { MyNovletsBtnClick(); };
  optionsBtn_->OnClick = [this](QObject*) { OptionsBtnClick(); };
  quitBtn_->OnClick = [this](QObject*) { QuitBtnClick(); };

  helpBtn_ = CreateSmallButton(484, QStringLiteral("?"));
  infoBtn_ = CreateSmallButton(504, QStringLiteral("i"));
  minimizeBtn_ = CreateSmallButton(524, QStringLiteral("_"));
  hideBtn_ = CreateSmallButton(544, QStringLiteral("x"));
  helpBtn_->OnClick = [this](QObject*) { HelpBtnClick(); };
  infoBtn_->OnClick = [this](QObject*) { InfoBtnClick(); };
  minimizeBtn_->OnClick = [this](QObject*) { MinimizeBtnClick(); };
  hideBtn_->OnClick = [this](QObject*) { HideBtnClick(); };

  // The maker's mark is part of the background picture; this clear button
  // lies over it.
  corvexSBtn_ = new TBaseBtn(this);
  corvexSBtn_->setObjectName(QStringLiteral("CorvexSBtn"));
  corvexSBtn_->setGeometry(10, 360, 118, 38);
  corvexSBtn_->SetFaceVisible(false);
  corvexSBtn_->SetPen(Qt::NoPen);
  corvexSBtn_->OnClick = [this](QObject*) { CorvexSBtnClick(); };

  taggedButtons_ = {
      {playNSolveBtn_, 500, {"Play & Solve", ""}},
      {enterNDesignBtn_, 600, {"Enter & Design", ""}},
      {myNovletsBtn_, 700, {"My Novlets", ""}},
      {optionsBtn_, 800, {"Options", ""}},
      {quitBtn_, 1100, {"Quit", "Quit Corvex Novlet"}},
      {helpBtn_, 50, {"?", "Corvex Novlet Online Help"}},
      {infoBtn_, 100, {"i", "Show About Corvex Novlet"}},
      {minimizeBtn_, 200, {"_", "Minimize Corvex Novlet"}},
      {hideBtn_, 300, {"x", "Quit Corvex Novlet"}},
      {corvexSBtn_, 4010, {"", "Go to the Corvex Software website"}},
  };

  mainTimer_ = new QTimer(this);
  mainTimer_->setInterval(kMainTimerInterval);
  connect(mainTimer_, &QTimer::timeout, this, &TMainForm::MainTimerTime);
}

TBaseBtn* TMainForm::CreatePageButton(int top, const QString& caption) {
  auto* button = new TBaseBtn(this);
  button->setGeometry(8, top, 120, 35);
  button->SetCaption(caption);
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

TBaseBtn* TMainForm::CreateSmallButton(int left, const QString& caption) {
  auto* button = new TBaseBtn(this);
  button->setGeometry(left, 3, 18, 17);
  button->SetCaption(caption);
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
  // The caption sits in the middle of the face, whatever the glyph's width.
  const int textWidth = QFontMetrics(button->font()).horizontalAdvance(caption);
  button->SetCaptionXOffset((0.9 * 18 - textWidth) / 2.0 / 18);
  button->SetCaptionYOffset(0.02);
  return button;
}

void TMainForm::CreatePages() {
  pages_ = new QStackedWidget(this);
  pages_->setObjectName(QStringLiteral("Pages"));
  pages_->setGeometry(kPageAreaLeft, kPageAreaTop, kPageAreaWidth, kPageAreaHeight);
  pages_->setAttribute(Qt::WA_TranslucentBackground);
  playNSolvePage_ = new TPlayNSolvePage(*this);
  enterNDesignPage_ = new TEnterNDesignPage(*this);
  myNovletsPage_ = new TMyNovletsPage(*this);
  optionsPage_ = new TOptionsPage(*this);
  for (QWidget* page : std::initializer_list<QWidget*>{playNSolvePage_, enterNDesignPage_, myNovletsPage_, optionsPage_})
    pages_->addWidget(page);
  connect(pages_, &QStackedWidget::currentChanged, this, [this] { PagesPageChanged(); });
}

// Main-window creation, in the documented order.
void TMainForm::FormCreate() {
  startupFlags_ |= StartupWindowCreated;
  run_.Options.LngID = DetectLanguage();
  setWindowTitle(kWindowCaption);
  UpdateCaption();
  QGuiApplication::setApplicationDisplayName(kApplicationTitle);
  QDir::setCurrent(QString::fromStdString(run_.Folders.ProgramFolder.string()));
  altF4Requested_ = false;
  dragOrigin_ = QPoint();
  qApp->installEventFilter(this);

  run_.Engine.SetHost(this);
  run_.Engine.SetBoxShape(3, 3);
  InitOptions(run_.Options);
  run_.Solution = TBoard{};
  run_.PuzzleTexts = TCellTexts{};
  run_.AlternativeTexts = TCellTexts{};
  InitPuzzleRecord(run_.CurrentGame);
  InitPuzzleRecord(run_.CurrentDesign);
  InitPuzzleRecord(run_.CollectionRecord);
  ResizeGridBuffer(playNSolvePage_->NovletGridSize());

  run_.DisplaySetList = FillDisplaySetList(QString::fromStdString(run_.Folders.DisplaySetsFolder().string()));
  std::vector<TBaseBtn*> smallButtons;
  for (int index = 0; index < pages_->count(); ++index) {
    const auto pageButtons = static_cast<TBookPage*>(pages_->widget(index))->SmallButtons();
    smallButtons.insert(smallButtons.end(), pageButtons.begin(), pageButtons.end());
  }
  scaler_ = std::make_unique<TScreenScaler>(TSkinnedWindow{
      this, background_, {playNSolveBtn_, enterNDesignBtn_, myNovletsBtn_, optionsBtn_, quitBtn_}, smallButtons,
      [this] { ResizeGridBuffer(ActivePageIndex() == EnterNDesignPageIndex ? enterNDesignPage_->NovletGridSize()
                                                                             : playNSolvePage_->NovletGridSize()); }});
  ScaleUp(run_.Options.ScreenSize);
  LoadOptions();

  mainWindowRunning_ = true;
  mainTimer_->start();
  QCoreApplication::processEvents();
  UpdateStatus();
}

int TMainForm::ScreenMode() const { return scaler_->ScreenMode(); }

int TMainForm::ActivePageIndex() const { return pages_->currentIndex(); }

TBookPage* TMainForm::ActivePage() const { return static_cast<TBookPage*>(pages_->currentWidget()); }

QString TMainForm::SkinFolder() const { return QString::fromStdString(run_.Folders.SkinFolder().string()); }

void TMainForm::ActivatePage(int index) {
  // QStackedWidget reports the change itself, which runs PagesPageChanged.
  pages_->setCurrentIndex(index);
}

void TMainForm::ResizeGridBuffer(QSize gridSize) {
  if (run_.GridBuffer.size() != gridSize) run_.GridBuffer = QImage(gridSize, QImage::Format_RGB32);
}

void TMainForm::PlayNSolveBtnClick() {
  if (run_.GameState.IsBusy()) return;
  if (ActivePageIndex() != PlayNSolvePageIndex) {
    ActivatePage(PlayNSolvePageIndex);
    ResizeGridBuffer(playNSolvePage_->NovletGridSize());
    playNSolvePage_->LoadPlayGame(OptionsFile(), LastPlayNSolveSectionName(run_.UserName));
  }
  UpdateStatus();
}

void TMainForm::EnterNDesignBtnClick() {
  if (run_.GameState.IsBusy()) return;
  if (ActivePageIndex() != EnterNDesignPageIndex) {
    ActivatePage(EnterNDesignPageIndex);
    ResizeGridBuffer(enterNDesignPage_->NovletGridSize());
    enterNDesignPage_->LoadDesign(OptionsFile(), LastEnterNDesignSectionName(run_.UserName));
  }
  UpdateStatus();
}

void TMainForm::MyNovletsBtnClick() {
  if (run_.GameState.IsBusy()) return;
  ActivatePage(MyNovletsPageIndex);
  myNovletsPage_->RefillCollectionList();
  UpdateStatus();
}

void TMainForm::OptionsBtnClick() {
  if (run_.GameState.IsBusy()) return;
  ActivatePage(OptionsPageIndex);
  UpdateStatus();
}

void TMainForm::PagesPageChanged() {
  if (run_.GameState.Has(TGameFlag::Playing) || run_.GameState.Has(TGameFlag::SolutionShown)) {
    playNSolvePage_->SavePlayGame(OptionsFile(), LastPlayNSolveSectionName(run_.UserName), false);
    run_.GameState = TGameState();
  } else if (run_.GameState.Has(TGameFlag::Designing)) {
    enterNDesignPage_->SaveDesign(OptionsFile(), LastEnterNDesignSectionName(run_.UserName), false);
    run_.GameState = TGameState();
  }
  playNSolvePage_->NovletGridPopupMenu()->SetPencilNoteVisible(ActivePageIndex() == PlayNSolvePageIndex);
}

void TMainForm::QuitBtnClick() {
  if (run_.GameState.IsBusy()) return;
  const QString question = TranslateText(1110, QStringLiteral("Do you really want to close Corvex Novlet?")) +
                           QStringLiteral("\n\n") +
                           TranslateText(1112, QStringLiteral("Click Yes to quit and No to continue."));
  if (!ShowMsgBox(question, TranslateText(10000, QStringLiteral("Yes")), TranslateText(10001, QStringLiteral("No")),
                  SkinFolder()))
    return;
  hide();
  QCoreApplication::processEvents();
  if (startupFlags_ & StartupFarewellAbout) {
    TAboutBox* about = ShowAbout({SkinFolder(), [this](int tag, const TControlTexts& builtIn) {
                                    return TranslateControl(tag, builtIn);
                                  }, nullptr});
    about->HideButtons();
    QCoreApplication::processEvents();
    WaitProcessingEvents(kFarewellMilliseconds);
    DestroyAbout();
  }
  // A close refused after all (an operation started meanwhile) must not
  // leave the program running without a window.
  if (!close()) show();
}

void TMainForm::HideBtnClick() { QuitBtnClick(); }

void TMainForm::MinimizeBtnClick() {
  if (run_.GameState.IsBusy()) return;
  showMinimized();
}

void TMainForm::InfoBtnClick() {
  if (run_.GameState.IsBusy()) return;
  ShowAbout({SkinFolder(), [this](int tag, const TControlTexts& builtIn) { return TranslateControl(tag, builtIn); },
             [this] { CorvexSBtnClick(); }});
}

void TMainForm::HelpBtnClick() {
  if (run_.GameState.IsBusy()) return;
  shellLinks_->OpenWebPage(HelpUrl());
  showMinimized();
}

void TMainForm::CorvexSBtnClick() {
  shellLinks_->OpenWebPage(HomeUrl());
  showMinimized();
}

QString TMainForm::HelpUrl() const {
  QUrl url = QUrl::fromLocalFile(QString::fromStdString((run_.Folders.ResourceFolder / "help" / "index.html").string()));
  QUrlQuery query;
  query.addQueryItem(QStringLiteral("lngid"), QString::number(run_.Options.LngID));
  query.addQueryItem(QStringLiteral("programlabel"), QStringLiteral("novlet"));
  query.addQueryItem(QStringLiteral("programversionnumber"), QStringLiteral("1051"));
  query.addQueryItem(QStringLiteral("show"), QStringLiteral("onlinehelp"));
  url.setQuery(query);
  return url.toString();
}

QString TMainForm::HomeUrl() const {
  QUrl url = QUrl::fromLocalFile(QString::fromStdString((run_.Folders.ResourceFolder / "help" / "index.html").string()));
  url.setFragment(QStringLiteral("corvex"));
  return url.toString();
}

void TMainForm::FormRestore() {
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
  const std::string account = accountName_();
  if (account != run_.UserName) {
    SaveOptions();
    run_.UserName = account;
    LoadOptions();
    return;
  }
  if (run_.GameState.Has(TGameFlag::Thinking))
    AnimateThinking();
  else
    playNSolvePage_->PlayClockStep();
}

void TMainForm::AnimateThinking() {
  const bool designing = run_.GameState.Has(TGameFlag::Designing);
  TPieGauge* gauge = designing ? enterNDesignPage_->EnterNDesignGauge() : playNSolvePage_->PlayNSolveGauge();
  QLabel* label = designing ? enterNDesignPage_->EnterNDesignStatusLbl() : playNSolvePage_->PlayNSolveTimeLbl();
  const QString thinking = TranslateText(designing ? 677 : 577, QStringLiteral("Thinking"));

  if (gauge->isHidden()) {
    gauge->SetProgress(0);
    gauge->show();
  }
  if (gauge->ForeColor() != QColor(Qt::black)) gauge->SetForeColor(Qt::black);
  if (gauge->Progress() + 1 > gauge->MaxValue())
    gauge->SetProgress(0);
  else
    gauge->SetProgress(gauge->Progress() + 6);

  QString text = label->text();
  if (!text.contains(thinking)) {
    label->setText(thinking);
    return;
  }
  text += QStringLiteral(" .");
  label->setText(text.contains(QStringLiteral(" . . . . .")) ? thinking : text);
}

void TMainForm::UpdateStatus(QObject* sender) {
  playNSolvePage_->UpdatePlayNSolveStatus();
  run_.HighlightValue = 0;
  enterNDesignPage_->UpdateEnterNDesignStatus();
  myNovletsPage_->UpdateMyNovletsStatus();
  if (sender && sender == optionsPage_->OptionsShowProgramShortcutOnDesktopChkBox()) DesktopShortcutUpkeep();
}

void TMainForm::DesktopShortcutUpkeep() {
  QCheckBox* box = optionsPage_->OptionsShowProgramShortcutOnDesktopChkBox();
  const bool exists = shellLinks_->DesktopShortcutExists();
  if (!box->isChecked() && exists)
    shellLinks_->RemoveDesktopShortcut();
  else if (box->isChecked() && !exists)
    shellLinks_->CreateDesktopShortcut();
  // The box shows what is on the desktop, also when the change was refused.
  box->setChecked(shellLinks_->DesktopShortcutExists());
}

void TMainForm::LoadOptions() {
  ReadOptions(OptionsFile(), run_.UserName, run_.Options);
  TranslateWindow();
  ScaleUp(run_.Options.ScreenSize);
  optionsPage_->ApplyOptions();
  // The display set may differ for this account, and the strips are drawn
  // for the screen size just chosen.
  playNSolvePage_->ApplyDisplaySet();
  UpdateCaption();
}

void TMainForm::SaveOptions() {
  if (run_.GameState.Has(TGameFlag::Playing) || run_.GameState.Has(TGameFlag::SolutionShown))
    playNSolvePage_->SavePlayGame(OptionsFile(), LastPlayNSolveSectionName(run_.UserName), false);
  else if (run_.GameState.Has(TGameFlag::Designing))
    enterNDesignPage_->SaveDesign(OptionsFile(), LastEnterNDesignSectionName(run_.UserName), false);
  optionsPage_->CollectOptions();
  TStoreResult result = EnsureDataFolder(run_.Folders.Data);
  if (result.Ok) result = WriteOptions(OptionsFile(), run_.UserName, run_.Options);
  if (!result.Ok)
    ShowMsgBox(FromStd(result.Message), TranslateText(20, QStringLiteral("Ok")), QString(), SkinFolder());
}

void TMainForm::ScaleUp(int screenSizeChoice) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen ? screen->size() : QSize(kBaseWidth, kBaseHeight);
  const int oldMode = scaler_->ScreenMode();
  scaler_->ScaleUp(screenSizeChoice, screenSize);
  // A window the player has moved stays where it is when nothing changed
  // (options loaded again for another account, say).
  if (scaler_->ScreenMode() != oldMode) CenterOnScreen();
}

void TMainForm::CenterOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void TMainForm::UpdateCaption() {
  captionLbl_->setText(kWindowCaption + QStringLiteral(" - ") + FromStd(run_.UserName));
}

QString TMainForm::TranslateText(int textId, const QString& builtIn) const {
  return FromStd(novlet::TranslateText(run_.Folders.LanguageFile(), run_.Options.LngID, textId, builtIn.toStdString()));
}

TControlTexts TMainForm::TranslateControl(int tag, const TControlTexts& builtIn) const {
  const auto table = TTextTable::Open(run_.Folders.LanguageFile(), run_.Options.LngID);
  if (!table) return builtIn;
  const auto row = table->FindTag(tag);
  if (!row) return builtIn;
  return {table->Caption(*row).value_or(builtIn.Caption), table->Hint(*row).value_or(builtIn.Hint)};
}

void TMainForm::TranslateWindow() {
  for (const TTaggedButton& tagged : taggedButtons_) {
    const TControlTexts texts = TranslateControl(tagged.Tag, tagged.BuiltIn);
    tagged.Button->SetCaption(FromStd(texts.Caption));
    tagged.Button->setToolTip(FromStd(texts.Hint));
  }
  for (int index = 0; index < pages_->count(); ++index) static_cast<TBookPage*>(pages_->widget(index))->Translate();
}

void TMainForm::ProcessPendingMessages() { QCoreApplication::processEvents(); }

void TMainForm::BeginReduction() { ActivePage()->BeginReduction(); }

void TMainForm::ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) {
  ActivePage()->ShowReductionProgress(levelText, puzzle);
}

void TMainForm::EndReduction() { ActivePage()->EndReduction(); }

void TMainForm::ShowSolutionChoices(int menuItems, const std::string& countSuffix) {
  playNSolvePage_->ShowSolutionChoices(menuItems, countSuffix);
  enterNDesignPage_->ShowSolutionChoices(menuItems, countSuffix);
}

void TMainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (formShown_) return;
  formShown_ = true;
  FormShow();
}

// The first showing restores the game left on the Play & Solve page.
void TMainForm::FormShow() {
  run_.Solution = TBoard{};
  run_.PuzzleTexts = TCellTexts{};
  run_.AlternativeTexts = TCellTexts{};
  ActivatePage(PlayNSolvePageIndex);
  ResizeGridBuffer(playNSolvePage_->NovletGridSize());
  playNSolvePage_->LoadPlayGame(OptionsFile(), LastPlayNSolveSectionName(run_.UserName));
  UpdateStatus();
  QCoreApplication::processEvents();
}

void TMainForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TMainForm::FormActivate() {
  if (!(startupFlags_ & StartupAskQuit) || TIntroForm::Instance()) return;
  ClearStartupFlag(StartupAskQuit);
  QCoreApplication::processEvents();
  HideBtnClick();
  QCoreApplication::processEvents();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  // An about box left open would keep the program running without its window.
  DestroyAbout();
  event->accept();
}

bool TMainForm::FormCloseQuery() {
  if (run_.GameState.Has(TGameFlag::Thinking)) return false;
  if (altF4Requested_) {
    altF4Requested_ = false;
    // Asked once the refused close has returned, not inside it.
    QTimer::singleShot(0, this, [this] { QuitBtnClick(); });
    return false;
  }
  mainTimer_->stop();
  SaveOptions();
  run_.GridBuffer = QImage();
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
    if (type == QEvent::MouseButtonPress) FormMouseDown(captionLbl_, static_cast<QMouseEvent*>(event));
    if (type == QEvent::MouseMove) FormMouseMove(captionLbl_, static_cast<QMouseEvent*>(event));
    if (type == QEvent::MouseButtonRelease) FormMouseUp(captionLbl_, static_cast<QMouseEvent*>(event));
  }
  return QWidget::eventFilter(watched, event);
}

// A key event travels from the focused control up to the window; the window
// looks at it once, where it starts.
const QObject* TMainForm::FirstKeyReceiver() const {
  const QWidget* focused = QApplication::focusWidget();
  return focused && focused->window() == this ? focused : this;
}

bool TMainForm::IsDragHandle(QObject* sender) const { return sender == background_ || sender == captionLbl_; }

void TMainForm::FormMouseDown(QObject* sender, QMouseEvent* event) {
  if (!IsDragHandle(sender) || event->button() != Qt::LeftButton) return;
  if (dragOrigin_.isNull()) QGuiApplication::setOverrideCursor(Qt::BusyCursor);
  dragOrigin_ = event->globalPosition().toPoint();
}

void TMainForm::FormMouseMove(QObject* sender, QMouseEvent* event) {
  if (!IsDragHandle(sender) || !(event->buttons() & Qt::LeftButton) || dragOrigin_.isNull()) return;
  const QPoint position = event->globalPosition().toPoint();
  move(pos() + (position - dragOrigin_));
  dragOrigin_ = position;
}

void TMainForm::FormMouseUp(QObject* sender, QMouseEvent*) {
  if (!IsDragHandle(sender) || dragOrigin_.isNull()) return;
  dragOrigin_ = QPoint();
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace novlet
