// The "Play & Solve" page: its controls, what their clicks and keys ask of
// the play session, and what the page shows of it.
#include "game/play_n_solve_page.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QShortcut>

#include "engine/board_text.h"
#include "game/cell_flash_animation.h"
#include "game/frame_look.h"
#include "game/grid_popup_menu.h"
#include "game/novlet_grid.h"
#include "game/page_controls.h"
#include "game/pie_gauge.h"
#include "game/run_folders.h"
#include "store/language/text_ids.h"
#include "store/options_record.h"
#include "ui/base_btn.h"
#include "ui/dialogs.h"
#include "ui/std_text.h"

namespace novlet {
namespace {

const QColor kLimitColor(Qt::red);
const QColor kClockColor(Qt::black);

TAidOptions AidOptionsOf(const TOptions& options) { return {options.Hints, options.Errors, options.Alternatives}; }

}  // namespace

TPlayNSolvePage::TPlayNSolvePage(TPageHost& host)
    : TGridPage(host, TPageKind::PlayNSolve, TextId::PlayNSolvePage, session_),
      session_(host.Engine(), host.Clock(), this) {
  CreateControls();
  session_.SetAidOptions(AidOptionsOf(host.Options()));
}

void TPlayNSolvePage::CreateControls() {
  CreateGridControls({"PlayNSolve", "PlayNSolveTimeLbl", "PlayNSolveLevelLbl", TextId::PlayStrip,
                      TextId::PlayAlternatives, true});
  AddTagged(AlternativesLbl(), TextId::PlayAlternatives);
  StatusLbl()->setText(QStringLiteral("Time"));
  bottomLbl_->setText(QStringLiteral("Level"));
  flash_ = new TCellFlashAnimation(this);
  connect(flash_, &TCellFlashAnimation::cellChanged, this, &TPlayNSolvePage::FlashCellChanged);
  connect(flash_, &TCellFlashAnimation::finished, this, [this] { Host().UpdateStatus(); });

  explainItem_ = gridMenu_->addAction(QString());
  explainItem_->setObjectName(QStringLiteral("Explain"));
  connect(explainItem_, &QAction::triggered, this, &TPlayNSolvePage::ExplainClick);
  grid_->SetCellActions({explainItem_});
  // X types no value on any board, with any display set.
  auto* explainKey = new QShortcut(QKeySequence(Qt::Key_X), this);
  explainKey->setContext(Qt::WidgetWithChildrenShortcut);
  connect(explainKey, &QShortcut::activated, this, &TPlayNSolvePage::ExplainClick);

  // The Pause and Solution captions follow the game.
  CreateGridButtons({
      {newBtn_, "PlayNSolveNewBtn", 34, TextId::PlayNew, [this] { NewBtnClick(); }},
      {saveBtn_, "PlayNSolveSaveBtn", 54, TextId::PlaySave, [this] { SaveBtnClick(); }},
      {printBtn_, "PlayNSolvePrintBtn", 74, TextId::PlayPrint, [this] { PrintBtnClick(); }},
      {clipboardBtn_, "PlayNSolveClipboardBtn", 94, TextId::PlayClipboard, [this] { ClipboardBtnClick(); }},
      {pauseBtn_, "PlayNSolvePauseBtn", 124, kCaptionFollowsState, [this] { PlayNSolvePauseBtnClick(); }},
      {restartBtn_, "PlayNSolveRestartBtn", 144, TextId::Restart, [this] { RestartBtnClick(); }},
      {undoBtn_, "PlayNSolveUndoBtn", 174, TextId::Undo, [this] { UndoBtnClick(); }},
      {hintBtn_, "PlayNSolveHintBtn", 194, TextId::Hint, [this] { HintBtnClick(); }},
      {errorsBtn_, "PlayNSolveErrorsBtn", 214, TextId::Errors, [this] { ErrorsBtnClick(); }},
      {solutionsBtn_, "PlayNSolveSolutionBtn", 234, kCaptionFollowsState, [this] { SolutionsPopupClick(); }},
  });

  // In place of the name and level while an explanation shows.
  explainLbl_ = CreatePageLabel(this, QStringLiteral("PlayNSolveExplainLbl"),
                                QRect(kPageGridLeft, 312, kPageGridSide + 128, 46), false);
  explainLbl_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  explainLbl_->setWordWrap(true);
  explainLbl_->hide();
}

TGridScene TPlayNSolvePage::Scene() const {
  if (flash_->Running()) {
    flashGrid_ = session_.Grid();
    flashGrid_.at(flash_->Flash()->Column, flash_->Flash()->Row) = flash_->ShownText();
  }
  TGridScene scene = SceneOf(session_.PuzzleTexts(), flash_->Running() ? flashGrid_ : session_.Grid());
  const TGameState state = session_.State();
  scene.State.Paused = state.Has(TGameFlag::Paused);
  scene.State.ShowErrors = state.Has(TGameFlag::ShowErrors);
  scene.State.SolutionShown = state.Has(TGameFlag::SolutionShown);
  if (ExplanationShown()) scene.State.Marks = &explainMarks_;
  return scene;
}

std::string TPlayNSolvePage::LastGameSection() const { return LastPlayNSolveSectionName(Host().UserName()); }

// --- The game ---

void TPlayNSolvePage::NewClick(int boxWidth, int boxHeight) {
  if (!session_.CanNew()) return;
  StatusLbl()->setText(Host().Text(TextId::Time));
  session_.BeginNewGame(NewGameSettings(boxWidth, boxHeight));
  ShowLevel(session_.Record().Level);
  ApplyDisplaySet();
  grid_->SetGridSize(session_.GridSize());
  grid_->SelectCell(0, 0);
  gauge_->SetProgress(0);
  grid_->update();
  if (!session_.GenerateNewGame()) Host().Dialogs().Tell(Host().Text(TextId::NothingGenerated), Host().Text(TextId::Ok));
  grid_->update();
  Host().UpdateStatus();
}

void TPlayNSolvePage::ShowOpened(bool loaded) {
  StatusLbl()->setText(Host().Text(TextId::Time));
  ApplyDisplaySet();
  grid_->SetGridSize(session_.GridSize());
  grid_->SelectCell(0, 0);
  if (loaded) ShowLevel(session_.Record().Level);
  if (session_.State().Has(TGameFlag::Paused)) StatusLbl()->setText(Host().Text(TextId::Pausing));
  grid_->update();
}

void TPlayNSolvePage::PlayNSolvePauseBtnClick() {
  session_.TogglePause();
  if (session_.State().Has(TGameFlag::Paused))
    StatusLbl()->setText(Host().Text(TextId::Pausing));
  else
    ShowTime();
  grid_->update();
  Host().UpdateStatus();
}

void TPlayNSolvePage::RestartBtnClick() {
  if (!session_.CanRestart()) return;
  StatusLbl()->setText(Host().Text(TextId::Time));
  grid_->SelectCell(0, 0);
  session_.Restart();
  grid_->update();
  Host().UpdateStatus();
}

// --- Input ---

void TPlayNSolvePage::GridKeyUp(int key, TShiftState shift) {
  const TKeyOutcome outcome =
      session_.KeyUp(grid_->SelectedColumn(), grid_->SelectedRow(), key, shift.testFlag(TShift::Ctrl));
  // A flash would paint over what the player has just typed.
  if (outcome == TKeyOutcome::Changed) flash_->Stop();
  if (outcome == TKeyOutcome::PauseAsked) PlayNSolvePauseBtnClick();
  grid_->Repaint();
  session_.CountAlternativesShown(grid_->SelectedColumn(), grid_->SelectedRow());
  Host().UpdateStatus();
}

// --- Aids ---

namespace {

void MarkUnit(const TGeometry& g, const TUnitRef& unit, TGridMarks& marks) {
  for (int k = 1; k <= g.GridSize; ++k) {
    switch (unit.Kind) {
      case TUnitKind::Row: marks.Add(k, unit.Index, TGridMarks::Tinted); break;
      case TUnitKind::Column: marks.Add(unit.Index, k, TGridMarks::Tinted); break;
      case TUnitKind::Box: {
        const int bx = (unit.Index - 1) % g.BoxesAcross + 1;
        const int by = (unit.Index - 1) / g.BoxesAcross + 1;
        marks.Add(g.BoxCellColumn(bx, k), g.BoxCellRow(by, k), TGridMarks::Tinted);
        break;
      }
    }
  }
}

TGridMarks MarksOf(const TGeometry& g, const TExplanation& explanation) {
  TGridMarks marks;
  if (explanation.Kind == TExplanation::TKind::WrongValue) {
    marks.Add(explanation.Cell.Column, explanation.Cell.Row, TGridMarks::Changed);
    return marks;
  }
  const TLogicStep& step = explanation.Step;
  for (const std::vector<TUnitRef>* units : {&step.Units, &step.CoverUnits})
    for (const TUnitRef& unit : *units) MarkUnit(g, unit, marks);
  for (const TCellRef& cell : step.Cells) marks.Add(cell.Column, cell.Row, TGridMarks::Proof);
  for (const std::vector<TCellValue>* changes : {&step.Placed, &step.Removed})
    for (const TCellValue& change : *changes) marks.Add(change.Column, change.Row, TGridMarks::Changed);
  return marks;
}

}  // namespace

void TPlayNSolvePage::ExplainClick() {
  if (flash_->Running() || !isVisible()) return;
  explanation_ = session_.Explain();
  if (!explanation_) return;
  explainedGrid_ = session_.Grid();
  explainMarks_ = MarksOf(session_.Geometry(), *explanation_);
  grid_->Repaint();
  Host().UpdateStatus();
  // Told as it is shown, for a screen reader.
  QAccessibleEvent told(explainLbl_, QAccessible::Alert);
  QAccessible::updateAccessibility(&told);
}

bool TPlayNSolvePage::ExplanationShown() const {
  const TGameState state = session_.State();
  return explanation_ && state.Has(TGameFlag::Playing) && !state.Has(TGameFlag::Paused) &&
         session_.Grid() == explainedGrid_;
}

void TPlayNSolvePage::ShowExplanation() {
  if (explanation_ && !ExplanationShown()) explanation_.reset();
  const bool shown = explanation_.has_value();
  if (shown)
    explainLbl_->setText(FromStd(ExplanationText(*explanation_, [this](int id) { return Host().Texts().Text(id); })));
  explainLbl_->setVisible(shown);
  FileNameLbl()->setVisible(!shown);
  bottomLbl_->setVisible(!shown);
}

void TPlayNSolvePage::FlashCellChanged(int column, int row) {
  // A game that ended or changed under the flash shows as it is.
  if (flash_->Running() && !session_.StillCurrent(*flash_->Flash())) {
    flash_->Stop();
    return;
  }
  grid_->RepaintCell(column - 1, row - 1);
}

void TPlayNSolvePage::UndoBtnClick() {
  if (flash_->Running()) return;
  if (const std::optional<TCellFlash> flash = session_.BeginUndo()) {
    session_.EndUndo(*flash);
    flash_->Start(*flash);
  }
  grid_->update();
  Host().UpdateStatus();
}

void TPlayNSolvePage::HintBtnClick() {
  if (flash_->Running()) return;
  if (const std::optional<TCellFlash> flash = session_.BeginHint()) {
    session_.EndHint(*flash);
    flash_->Start(*flash);
  }
  grid_->update();
  Host().UpdateStatus();
}

void TPlayNSolvePage::ErrorsBtnClick() {
  if (!session_.BeginShowErrors()) return;
  grid_->Repaint();
  session_.EndShowErrors();
  Host().UpdateStatus();
}

void TPlayNSolvePage::SolutionsBtnAlone() {
  session_.ShowSolution();
  grid_->Repaint();
  Host().UpdateStatus();
}

// --- What the page shows ---

void TPlayNSolvePage::ShowTime() {
  StatusLbl()->setText(Host().Text(TextId::Time) + FromStd(PlayTimeText(session_.Record().TimePlayed)));
}

void TPlayNSolvePage::ShowLevel(int level) {
  const QString name = level >= 0 && level < kLevelCount ? Host().Text(kLevelNameIds[level]) : QString();
  bottomLbl_->setText(Host().Text(TextId::LevelPrefix) + name);
}

void TPlayNSolvePage::ShowGauge(const QColor& color, int progress) {
  if (gauge_->isHidden()) {
    gauge_->SetProgress(0);
    gauge_->show();
  }
  if (gauge_->ForeColor() != color) gauge_->SetForeColor(color);
  gauge_->SetProgress(progress);
}

void TPlayNSolvePage::ShowClock(const TClockDisplay& display) {
  using TGauge = TClockDisplay::TGauge;
  using TLabel = TClockDisplay::TLabel;
  switch (display.Gauge) {
    case TGauge::Unchanged: break;
    case TGauge::Hidden: gauge_->hide(); break;
    case TGauge::Minutes: ShowGauge(kClockColor, display.GaugeProgress); break;
    case TGauge::Limit: ShowGauge(kLimitColor, display.GaugeProgress); break;
  }
  QString text;
  switch (display.Label) {
    case TLabel::Unchanged: return;
    case TLabel::Time: text = Host().Text(TextId::Time) + FromStd(display.Time); break;
    case TLabel::Solved: text = Host().Text(TextId::PuzzleSolved); break;
    case TLabel::Solution: text = Host().Text(TextId::PuzzleSolution); break;
    case TLabel::Empty: break;
  }
  if (StatusLbl()->text() != text) StatusLbl()->setText(text);
}

void TPlayNSolvePage::Tick() {
  const TGameState state = session_.State();
  if (state.Has(TGameFlag::Thinking)) {
    AnimateThinking(TextId::PlayThinking);
    return;
  }
  const bool wasOver = state.Has(TGameFlag::SolutionShown);
  ShowClock(session_.ClockStep(Host().Options().TimeLimited, Host().WindowState()));
  if (!wasOver && session_.State().Has(TGameFlag::SolutionShown)) {
    grid_->Repaint();
    Host().UpdateStatus();
  }
}

void TPlayNSolvePage::RefreshStatus() {
  TGridPage::RefreshStatus();
  ShowExplanation();
  pauseBtn_->setEnabled(session_.CanPause());
  restartBtn_->setEnabled(session_.CanRestart());
  undoBtn_->setEnabled(session_.CanUndo() && !flash_->Running());
  hintBtn_->setEnabled(session_.CanHint() && !flash_->Running());
  explainItem_->setEnabled(hintBtn_->isEnabled());
  errorsBtn_->setEnabled(session_.CanShowErrors());
  solutionsBtn_->setEnabled(session_.CanShowSolution());

  ApplyTexts(pauseBtn_, session_.State().Has(TGameFlag::Paused) ? TextId::Continue : TextId::Pause);
  SetCentredCaption(solutionsBtn_, Host().Text(TextId::Solution) + FromStd(session_.SolutionChoices().CountSuffix));
  solutionsBtn_->setToolTip(FromStd(Host().Texts().Control(TextId::Solution).Hint));
}

// --- The page in the window ---

void TPlayNSolvePage::Leave() {
  flash_->Stop();
  TGridPage::Leave();
}

void TPlayNSolvePage::OpenStoredPuzzle(const std::filesystem::path& file, const std::string& section,
                                       TOpenMode mode) {
  ShowOpened(session_.Load(file, section));
  if (mode == TOpenMode::Replay) session_.Replay();
  grid_->update();
}

void TPlayNSolvePage::Translate() {
  TGridPage::Translate();
  explainItem_->setText(Host().Text(TextId::Explain));
  explainItem_->setToolTip(FromStd(Host().Texts().Control(TextId::Explain).Hint));
  if (session_.OwnsGame()) ShowLevel(session_.Record().Level);
}

void TPlayNSolvePage::ApplyOptions() {
  session_.SetAidOptions(AidOptionsOf(Host().Options()));
  ApplyDisplaySet();
  ShowLevel(Host().Options().Level);
  grid_->update();
}

}  // namespace novlet
