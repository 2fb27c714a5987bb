#include "game/play_n_solve_page.h"

#include <algorithm>

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>

#include "engine/board_text.h"
#include "game/event_wait.h"
#include "game/frame_look.h"
#include "game/grid_history.h"
#include "game/grid_popup_menu.h"
#include "game/grid_shape_menu.h"
#include "game/grid_symbol_strip.h"
#include "game/main_form.h"
#include "game/novlet_grid.h"
#include "game/pie_gauge.h"
#include "render/grid_look.h"
#include "ui/base_btn.h"
#include "ui/edit_dlg_box.h"
#include "ui/msg_dlg_box.h"

namespace novlet {
namespace {

const QColor kStripFill(0xfa, 0xf6, 0xee);

// Captions sit in the middle of the face, whatever their length.
void SetCentredCaption(TBaseBtn* button, const QString& caption) {
  button->SetCaption(caption);
  const double faceWidth = button->FaceWidth() * button->width();
  const int textWidth = QFontMetrics(button->font()).horizontalAdvance(caption);
  button->SetCaptionXOffset(std::max(0.0, (faceWidth - textWidth) / 2.0 / button->width()));
}

// Layout at base size, inside the page area of 412 x 363.
constexpr int kGridLeft = 12;
constexpr int kGridTop = 34;
constexpr int kGridSide = 245;
constexpr int kColumnLeft = 272;
constexpr int kColumnWidth = 128;
constexpr int kButtonLeft = 294;
constexpr int kButtonWidth = 85;
constexpr int kButtonHeight = 15;

}  // namespace

TPlayNSolvePage::TPlayNSolvePage(TMainForm& mainForm)
    : TBookPage(mainForm, 500, QStringLiteral("Play & Solve")), flashWait_(WaitProcessingEvents) {
  nameEntryDialogs_.AskName = [this](const QString& message, const QString& ok, const QString& cancel,
                                     const QString& initial) {
    return ShowEditBox(message, ok, cancel, initial, QString::fromStdString(Run().Folders.SkinFolder().string()));
  };
  nameEntryDialogs_.AskYesNo = [this](const QString& message, const QString& yes, const QString& no) {
    return ShowMsgBox(message, yes, no, QString::fromStdString(Run().Folders.SkinFolder().string()));
  };
  CreateControls();
}

TRunState& TPlayNSolvePage::Run() const { return MainForm().Run(); }

void TPlayNSolvePage::CreateControls() {
  grid_ = new TNovletGrid(this);
  grid_->setObjectName(QStringLiteral("PlayNSolveNovletGrid"));
  grid_->setGeometry(kGridLeft, kGridTop, kGridSide, kGridSide);
  grid_->SetGridSize(Run().Engine.Geometry().GridSize);
  grid_->OnDrawInputs = [this] {
    TRunState& run = Run();
    TGridDrawInputs inputs;
    inputs.Geometry = &run.Engine.Geometry();
    inputs.Solution = &run.Solution;
    inputs.PuzzleTexts = &run.PuzzleTexts;
    inputs.DisplaySet = &run.DisplaySet;
    inputs.GridBuffer = &run.GridBuffer;
    const TOptions& options = run.Options;
    inputs.Look.BackgroundColor = ColorFromTColor(static_cast<std::uint32_t>(options.BackgroundColor));
    inputs.Look.ContrastColor = ColorFromTColor(static_cast<std::uint32_t>(options.ContrastColor));
    inputs.Look.ContrastPuzzle = options.ContrastPuzzle;
    inputs.Look.RulerColor = ColorFromTColor(static_cast<std::uint32_t>(options.RulerColor));
    inputs.Look.FontName = QString::fromStdString(options.FontName);
    inputs.Look.FontColor = ColorFromTColor(static_cast<std::uint32_t>(options.FontColor));
    inputs.Look.Ruler = options.Ruler;
    inputs.Look.ScreenMode = MainForm().ScreenMode();
    const TGameState state = run.GameState;
    inputs.State.Paused = state.Has(TGameFlag::Paused);
    inputs.State.ShowErrors = state.Has(TGameFlag::ShowErrors);
    inputs.State.SolutionShown = state.Has(TGameFlag::SolutionShown);
    inputs.State.OutputCapture = state.Has(TGameFlag::OutputCapture);
    inputs.State.HighlightValue = run.HighlightValue;
    return inputs;
  };
  grid_->OnKeyUp = [this](QObject* sender, int key, TShiftState shift) { NovletGridKeyUp(sender, key, shift); };
  grid_->OnSelectCell = [this](QObject* sender, int column, int row, bool& canSelect) {
    NovletGridSelectCell(sender, column, row, canSelect);
  };
  grid_->OnMouseUp = [this](QObject* sender, QMouseEvent* event) { NovletGridMouseUp(sender, event); };

  gridMenu_ = new TGridPopupMenu(this);
  gridMenu_->setObjectName(QStringLiteral("NovletGridPopupMenu"));
  gridMenu_->OnItemClick = [this](QAction* item) { NovletGridPopupMenuClick(item); };
  grid_->SetPopupMenu(gridMenu_);

  strip_ = new TGridSymbolStrip(this);
  strip_->setObjectName(QStringLiteral("PlayNSolveDisplaySetImg"));
  // Seven pixels to the left, the strip's digits stand under the columns.
  strip_->setGeometry(kGridLeft - 7, kGridTop + kGridSide + 8, 255, 16);
  strip_->setFont(FrameFont(11, false));
  strip_->SetFillColor(kStripFill);
  strip_->SetDisplaySet(&Run().DisplaySet);
  strip_->OnMouseUp = [this](QObject* sender, Qt::MouseButton button, TShiftState shift, int x, int y) {
    DisplaySetImgMouseUp(sender, button, shift, x, y);
  };

  newBtn_ = CreateButton(34, 510, QStringLiteral("New"), QStringLiteral("Generate a new Novlet"));
  saveBtn_ = CreateButton(54, 515, QStringLiteral("Save"), QStringLiteral("Save Novlet"));
  printBtn_ = CreateButton(74, 520, QStringLiteral("Print"), QStringLiteral("Print Novlet"));
  clipboardBtn_ = CreateButton(94, 525, QStringLiteral("Clipboard"),
                               QStringLiteral("Paste Novlet to the Windows clipboard"));
  pauseBtn_ = CreateButton(124, 530, QStringLiteral("Pause"), QStringLiteral("Pause solving"));
  restartBtn_ = CreateButton(144, 535, QStringLiteral("Restart"), QStringLiteral("Restart solving"));
  undoBtn_ = CreateButton(174, 540, QStringLiteral("Undo"), QStringLiteral("Undo the last entry"));
  hintBtn_ = CreateButton(194, 545, QStringLiteral("Hint"), QStringLiteral("Give one hint"));
  errorsBtn_ = CreateButton(214, 550, QStringLiteral("Errors"), QStringLiteral("Show errors"));
  solutionBtn_ = CreateButton(234, 560, QStringLiteral("Solution"), QStringLiteral("Show the solution"));
  newBtn_->setObjectName(QStringLiteral("PlayNSolveNewBtn"));
  saveBtn_->setObjectName(QStringLiteral("PlayNSolveSaveBtn"));
  printBtn_->setObjectName(QStringLiteral("PlayNSolvePrintBtn"));
  clipboardBtn_->setObjectName(QStringLiteral("PlayNSolveClipboardBtn"));
  pauseBtn_->setObjectName(QStringLiteral("PlayNSolvePauseBtn"));
  restartBtn_->setObjectName(QStringLiteral("PlayNSolveRestartBtn"));
  undoBtn_->setObjectName(QStringLiteral("PlayNSolveUndoBtn"));
  hintBtn_->setObjectName(QStringLiteral("PlayNSolveHintBtn"));
  errorsBtn_->setObjectName(QStringLiteral("PlayNSolveErrorsBtn"));
  solutionBtn_->setObjectName(QStringLiteral("PlayNSolveSolutionBtn"));
  newBtn_->OnClick = [this](QObject* sender) { NovletGridsPopupClick(sender); };
  saveBtn_->OnClick = [this](QObject*) { PlayNSolveSaveBtnClick(); };
  pauseBtn_->OnClick = [this](QObject*) { PlayNSolvePauseBtnClick(); };
  restartBtn_->OnClick = [this](QObject*) { PlayNSolveRestartBtnClick(); };
  undoBtn_->OnClick = [this](QObject*) { PlayNSolveUndoBtnClick(); };
  hintBtn_->OnClick = [this](QObject*) { PlayNSolveHintBtnClick(); };
  errorsBtn_->OnClick = [this](QObject*) { PlayNSolveErrorsBtnClick(); };
  solutionBtn_->OnClick = [this](QObject* sender) { SolutionsPopupClick(sender); };

  gauge_ = new TPieGauge(this);
  gauge_->setObjectName(QStringLiteral("PlayNSolveGauge"));
  gauge_->setGeometry(kColumnLeft, 260, 18, 18);
  gauge_->SetMaxValue(kGaugeMaximum);
  gauge_->hide();
  timeLbl_ = CreateLabel(QRect(kColumnLeft + 22, 260, kColumnWidth - 22, 18), QStringLiteral("PlayNSolveTimeLbl"), true);
  timeLbl_->setText(QStringLiteral("Time"));

  alternativesLbl_ = CreateLabel(QRect(kColumnLeft, 284, kColumnWidth, 34), QStringLiteral("PlayNSolveAlternativesLbl"),
                                 false);
  alternativesLbl_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  alternativesLbl_->setWordWrap(true);
  alternativesLbl_->setText(QStringLiteral("Alternatives"));
  alternativesImg_ = new QLabel(this);
  alternativesImg_->setObjectName(QStringLiteral("PlayNSolveAlternativesImg"));
  alternativesImg_->setGeometry(kColumnLeft, 300, 100, 20);
  alternativesImg_->hide();

  fileNameLbl_ = CreateLabel(QRect(kGridLeft, 314, kGridSide, 18), QStringLiteral("PlayNSolveFileNameLbl"), true);
  levelLbl_ = CreateLabel(QRect(kGridLeft, 332, kGridSide + kColumnWidth, 18), QStringLiteral("PlayNSolveLevelLbl"),
                          false);
  levelLbl_->setText(QStringLiteral("Level"));

  shapeMenu_ = new TGridShapeMenu(this);
  shapeMenu_->setObjectName(QStringLiteral("NovletGridsPopupMenu"));
  shapeMenu_->OnItemClick = [this](QAction* item) { NovletGridsPopupMenuClick(item); };
  solutionsMenu_ = new QMenu(this);
  solutionsMenu_->setObjectName(QStringLiteral("SolutionsPopupMenu"));

  taggedControls_.push_back({alternativesLbl_, 565, QStringLiteral("Alternatives"), QString()});
  taggedControls_.push_back(
      {strip_, 580, QString(),
       QStringLiteral("Select a cell and click here to enter a value or ctrl + click to enter a pencil note or "
                      "shift + click to highlight a value")});
}

TBaseBtn* TPlayNSolvePage::CreateButton(int top, int tag, const QString& caption, const QString& hint) {
  auto* button = new TBaseBtn(this);
  button->setGeometry(kButtonLeft, top, kButtonWidth, kButtonHeight);
  button->setToolTip(hint);
  button->setFont(FrameFont(10, true));
  button->SetFontColor(kCreamText);
  // The drawn look until the skin's faces are put on.
  button->SetFaceWidth(0.96);
  button->SetFaceHeight(0.9);
  button->SetCaptionXRound(8);
  button->SetCaptionYRound(8);
  button->SetShadowXOffset(0.02);
  button->SetShadowYOffset(0.08);
  button->SetShadowColor(QColor(0x10, 0x16, 0x20));
  button->SetBrush(QColor(0x3c, 0x52, 0x72));
  button->SetPen(QPen(QColor(0x7d, 0x98, 0xbd), 1));
  button->SetCaptionYOffset(0.0);
  SetCentredCaption(button, caption);
  taggedControls_.push_back({button, tag, caption, hint});
  return button;
}

QLabel* TPlayNSolvePage::CreateLabel(const QRect& geometry, const QString& name, bool bold) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setFont(FrameFont(11, bold));
  label->setStyleSheet(CreamLabelStyle());
  return label;
}

std::vector<TBaseBtn*> TPlayNSolvePage::SmallButtons() const {
  return {newBtn_, saveBtn_, printBtn_, clipboardBtn_, pauseBtn_, restartBtn_, undoBtn_, hintBtn_, errorsBtn_, solutionBtn_};
}

QSize TPlayNSolvePage::NovletGridSize() const { return grid_->size(); }

void TPlayNSolvePage::Translate() {
  TBookPage::Translate();
  for (const TTaggedControl& tagged : taggedControls_) {
    // The Pause button's caption follows the game; SetPauseCaption keeps it.
    if (tagged.Control == pauseBtn_) continue;
    const TControlTexts texts =
        MainForm().TranslateControl(tagged.Tag, {tagged.Caption.toStdString(), tagged.Hint.toStdString()});
    if (auto* button = dynamic_cast<TBaseBtn*>(tagged.Control))
      SetCentredCaption(button, QString::fromStdString(texts.Caption));
    tagged.Control->setToolTip(QString::fromStdString(texts.Hint));
  }
  SetPauseCaption(Run().GameState.Has(TGameFlag::Paused) ? 531 : 530);
  shapeMenu_->SetCaptions(MainForm().TranslateText(450, QStringLiteral("3 x 3 (Pure Novlet)")),
                          MainForm().TranslateText(460, QStringLiteral("Variants")));
  gridMenu_->SetPencilNoteCaption(MainForm().TranslateText(566, QStringLiteral("Pencil Note")));
}

void TPlayNSolvePage::SetPauseCaption(int tag) {
  // The paused caption is ours; a language file may give its own.
  const TControlTexts builtIn{tag == 531 ? "Continue" : "Pause", "Pause solving"};
  const TControlTexts texts = MainForm().TranslateControl(tag, builtIn);
  SetCentredCaption(pauseBtn_, QString::fromStdString(texts.Caption));
  pauseBtn_->setToolTip(QString::fromStdString(texts.Hint));
}

QString TPlayNSolvePage::TimeCaption() const { return MainForm().TranslateText(575, QStringLiteral("Time ")); }

QString TPlayNSolvePage::LevelCaption(int level) const {
  static const char* const kLevelNames[] = {"Rookie", "Normal", "Skilled", "Expert"};
  const QString name = level >= 0 && level < 4 ? QString::fromLatin1(kLevelNames[level]) : QString();
  return QStringLiteral("Level ") + name;
}

void TPlayNSolvePage::ApplyDisplaySet() {
  TRunState& run = Run();
  int index = 0;
  const QString wanted = QString::fromStdString(run.Options.DisplaySet);
  for (int i = 0; i < run.DisplaySetList.size(); ++i) {
    if (run.DisplaySetList[i].compare(wanted, Qt::CaseInsensitive) == 0) {
      index = i;
      break;
    }
  }
  const QString itemText = index < run.DisplaySetList.size() ? run.DisplaySetList[index] : kSymbolAlphabets.front();
  run.DisplaySet.Apply(index, itemText, run.Engine.Geometry().GridSize,
                       QString::fromStdString(run.Folders.DisplaySetsFolder().string()));
  run.Options.DisplaySet = run.DisplaySet.DisplaySet().toStdString();
  gridMenu_->ApplyDisplaySet(run.DisplaySet);
  strip_->SetScreenMode(MainForm().ScreenMode());
  strip_->update();
  grid_->update();
}

void TPlayNSolvePage::BeginReduction() { savedLevelCaption_ = levelLbl_->text(); }

// The page shows the target while the puzzle takes shape behind a blank grid.
void TPlayNSolvePage::ShowReductionProgress(const std::string& levelText, const TBoard&) {
  levelLbl_->setText(QString::fromStdString(levelText));
}

void TPlayNSolvePage::EndReduction() { levelLbl_->setText(savedLevelCaption_); }

void TPlayNSolvePage::ShowSolutionChoices(int menuItems, const std::string& countSuffix) {
  solutionsMenu_->clear();
  const QString word = MainForm().TranslateText(560, QStringLiteral("Solution"));
  for (int i = 1; i <= menuItems; ++i) {
    QAction* item = solutionsMenu_->addAction(word + ' ' + QString::number(i));
    item->setObjectName(QStringLiteral("Solution_") + QString::number(i));
    connect(item, &QAction::triggered, this, [this, item] { SolutionsPopupMenuClick(item); });
  }
  if (!countSuffix.empty()) SetCentredCaption(solutionBtn_, word + QString::fromStdString(countSuffix));
}

void TPlayNSolvePage::ResetSolutionChoices() {
  solutionsMenu_->clear();
  SetCentredCaption(solutionBtn_, MainForm().TranslateText(560, QStringLiteral("Solution")));
}

void TPlayNSolvePage::SetGridEnabled(bool enabled) {
  if (grid_->isEnabled() == enabled) return;
  grid_->setEnabled(enabled);
  // Back from a pause or a long operation, the keys go to the grid again.
  if (enabled && isVisible()) grid_->setFocus();
}

bool TPlayNSolvePage::InsideBoard(int column, int row) const {
  const int n = Run().Engine.Geometry().GridSize;
  return column >= 1 && row >= 1 && column <= n && row <= n;
}

bool TPlayNSolvePage::IsGiven(int column, int row) const {
  return Run().PuzzleTexts.at(column, row) == DecimalText(Run().Solution.at(column, row));
}

void TPlayNSolvePage::UpdatePlayNSolveStatus() {
  TRunState& run = Run();
  const TGameState state = run.GameState;
  const TGeometry& g = run.Engine.Geometry();

  const std::string& name = run.CurrentGame.Name;
  const std::size_t at = name.find('@');
  fileNameLbl_->setText(QString::fromStdString(at == std::string::npos ? name : name.substr(at + 1)));

  SetGridEnabled(!state.Has(TGameFlag::Loading) && !state.Has(TGameFlag::Validating) &&
                 !state.Has(TGameFlag::Paused) && !state.Has(TGameFlag::Thinking) &&
                 !state.Has(TGameFlag::Restarting));

  if (grid_->isEnabled() && state.Has(TGameFlag::Playing) && !state.Has(TGameFlag::SolutionShown) &&
      TextsFull(g, grid_->Cells()) && CountGridMismatches(g, run.Solution, grid_->Cells()) <= 0 &&
      GridMatchesBoard(g, run.Solution, grid_->Cells())) {
    run.GameState = TGameFlag::SolutionShown;
    run.CurrentGame.Status = StatusFinished;
    ++gameSerial_;
    grid_->update();
  }

  const TGameState now = run.GameState;
  const bool free = !now.Has(TGameFlag::Loading) && !now.Has(TGameFlag::Validating);
  const bool playing = now.Has(TGameFlag::Playing);
  const bool paused = now.Has(TGameFlag::Paused);
  const bool over = now.Has(TGameFlag::SolutionShown);
  const bool thinking = now.Has(TGameFlag::Thinking);
  const TOptions& options = run.Options;
  newBtn_->setEnabled(free && !thinking);
  const bool canStore = free && !paused && (playing || over);
  saveBtn_->setEnabled(canStore);
  printBtn_->setEnabled(canStore);
  clipboardBtn_->setEnabled(canStore);
  pauseBtn_->setEnabled(free && playing);
  restartBtn_->setEnabled((free && playing) || over);
  undoBtn_->setEnabled(free && playing && !paused && HasHistoryRecord(run.CurrentGame.History) && !flashRunning_);
  hintBtn_->setEnabled(free && !paused && options.Hints && playing && !over && !flashRunning_);
  errorsBtn_->setEnabled(free && !paused && options.Errors && playing && !over);
  const bool solutionKnown = (BoardFull(g, run.Solution) && BoardLinesValid(g, run.Solution)) ||
                             run.Engine.SolutionCount() > 1;
  solutionBtn_->setEnabled(free && !thinking && playing && !over && solutionKnown);
  alternativesLbl_->setEnabled(free && !paused && options.Alternatives && playing && !over);

  const QString alternativesCaption = MainForm().TranslateText(565, QStringLiteral("Alternatives"));
  const int c = grid_->Col() + 1;
  const int r = grid_->Row() + 1;
  if (free && playing && !paused && options.Alternatives && InsideBoard(c, r)) {
    const std::string& puzzleText = run.PuzzleTexts.at(c, r);
    if (!puzzleText.empty() && puzzleText == grid_->Cells().at(c, r)) {
      alternativesLbl_->setText(alternativesCaption);
      alternativesImg_->hide();
      return;
    }
    if (!run.AlternativeTexts.at(c, r).empty()) {
      ++run.CurrentGame.AlternativesCount;
      NovletGridShowAlternatives(alternativesLbl_, alternativesImg_, run.AlternativeTexts.at(c, r));
      return;
    }
  }
  alternativesLbl_->setText(alternativesCaption);
  alternativesImg_->hide();
}

}  // namespace novlet
