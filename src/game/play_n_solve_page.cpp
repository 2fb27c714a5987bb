// The "Play & Solve" page: its controls, what their clicks and keys ask of
// the play session, and what the page shows of it.
#include "game/play_n_solve_page.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QShortcut>

#include "engine/board_text.h"
#include "game/alternatives_display.h"
#include "game/cell_flash_animation.h"
#include "game/frame_look.h"
#include "game/grid_popup_menu.h"
#include "game/grid_shape_menu.h"
#include "game/grid_symbol_strip.h"
#include "game/name_entry.h"
#include "game/new_game_settings.h"
#include "game/novlet_grid.h"
#include "game/page_controls.h"
#include "game/page_display_set.h"
#include "game/page_output.h"
#include "game/pie_gauge.h"
#include "game/run_folders.h"
#include "game/solutions_menu.h"
#include "game/store_messages.h"
#include "game/thinking_animation.h"
#include "render/grid_look.h"
#include "session/key_map.h"
#include "store/language/text_ids.h"
#include "store/options_record.h"
#include "store/puzzle_naming.h"
#include "ui/base_btn.h"
#include "ui/dialogs.h"
#include "ui/std_text.h"

namespace novlet {
namespace {

const QColor kLimitColor(Qt::red);
const QColor kClockColor(Qt::black);

// The right column at base size, inside the page area of 412 x 363.
constexpr int kColumnLeft = 272;
constexpr int kColumnWidth = 128;
constexpr int kButtonLeft = 294;

}  // namespace

TPlayNSolvePage::TPlayNSolvePage(TPageHost& host)
    : TBookPage(host, TPageKind::PlayNSolve, TextId::PlayNSolvePage),
      session_(host.Engine(), host.GameState(), host.Clock(), this) {
  CreateControls();
}

void TPlayNSolvePage::CreateControls() {
  grid_ = CreatePageGrid(this, QStringLiteral("PlayNSolveNovletGrid"), session_.GridSize());
  grid_->SetDrawInputs([this] { return DrawInputs(); });
  flash_ = new TCellFlashAnimation(this);
  connect(flash_, &TCellFlashAnimation::cellChanged, this, &TPlayNSolvePage::FlashCellChanged);
  connect(flash_, &TCellFlashAnimation::finished, this, [this] { Host().UpdateStatus(); });
  connect(grid_, &TNovletGrid::keyReleased, this, &TPlayNSolvePage::NovletGridKeyUp);
  connect(grid_, &TNovletGrid::selecting, this, &TPlayNSolvePage::NovletGridSelectCell);
  connect(grid_, &TNovletGrid::mouseReleased, this, &TPlayNSolvePage::NovletGridMouseUp);

  gridMenu_ = new TGridPopupMenu(this);
  gridMenu_->setObjectName(QStringLiteral("NovletGridPopupMenu"));
  connect(gridMenu_, &TGridPopupMenu::itemClicked, this, &TPlayNSolvePage::NovletGridPopupMenuClick);
  grid_->SetPopupMenu(gridMenu_);
  gridMenu_->addSeparator();
  explainItem_ = gridMenu_->addAction(QString());
  explainItem_->setObjectName(QStringLiteral("Explain"));
  connect(explainItem_, &QAction::triggered, this, &TPlayNSolvePage::PlayNSolveExplainClick);
  grid_->SetCellActions({explainItem_});
  // X types no value on any board, with any display set.
  auto* explainKey = new QShortcut(QKeySequence(Qt::Key_X), this);
  explainKey->setContext(Qt::WidgetWithChildrenShortcut);
  connect(explainKey, &QShortcut::activated, this, &TPlayNSolvePage::PlayNSolveExplainClick);

  strip_ = CreatePageStrip(this, QStringLiteral("PlayNSolveDisplaySetImg"), &displaySet_);
  connect(strip_, &TGridSymbolStrip::valueClicked, this, &TPlayNSolvePage::DisplaySetImgMouseUp);
  AddTagged(strip_, TextId::PlayStrip);

  const auto output = [this] {
    return TOutputSource{grid_, [this] { return DrawInputs(); }, FromStd(session_.Record().Name)};
  };
  // The Pause and Solution captions follow the game.
  CreateButtonColumn(
      kButtonLeft,
      {
          {newBtn_, "PlayNSolveNewBtn", 34, TextId::PlayNew,
           [this] { shapeMenu_->popup(newBtn_->mapToGlobal(QPoint(0, newBtn_->height()))); }},
          {saveBtn_, "PlayNSolveSaveBtn", 54, TextId::PlaySave, [this] { PlayNSolveSaveBtnClick(); }},
          {printBtn_, "PlayNSolvePrintBtn", 74, TextId::PlayPrint, [this, output] { PrintGrid(Host(), output()); }},
          {clipboardBtn_, "PlayNSolveClipboardBtn", 94, TextId::PlayClipboard,
           [this, output] { CopyGridToClipboard(Host(), output()); }},
          {pauseBtn_, "PlayNSolvePauseBtn", 124, kCaptionFollowsState, [this] { PlayNSolvePauseBtnClick(); }},
          {restartBtn_, "PlayNSolveRestartBtn", 144, TextId::Restart, [this] { PlayNSolveRestartBtnClick(); }},
          {undoBtn_, "PlayNSolveUndoBtn", 174, TextId::Undo, [this] { PlayNSolveUndoBtnClick(); }},
          {hintBtn_, "PlayNSolveHintBtn", 194, TextId::Hint, [this] { PlayNSolveHintBtnClick(); }},
          {errorsBtn_, "PlayNSolveErrorsBtn", 214, TextId::Errors, [this] { PlayNSolveErrorsBtnClick(); }},
          {solutionBtn_, "PlayNSolveSolutionBtn", 234, kCaptionFollowsState, [this] { SolutionsPopupClick(); }},
      });

  gauge_ = new TPieGauge(this);
  gauge_->setObjectName(QStringLiteral("PlayNSolveGauge"));
  gauge_->setGeometry(kColumnLeft, 260, 18, 18);
  gauge_->SetMaxValue(kGaugeMaximum);
  gauge_->hide();
  timeLbl_ = CreatePageLabel(this, QStringLiteral("PlayNSolveTimeLbl"),
                             QRect(kColumnLeft + 22, 260, kColumnWidth - 22, 18), true);
  timeLbl_->setText(QStringLiteral("Time"));

  alternativesLbl_ = CreatePageLabel(this, QStringLiteral("PlayNSolveAlternativesLbl"),
                                     QRect(kColumnLeft, 284, kColumnWidth, 34), false);
  alternativesLbl_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  alternativesLbl_->setWordWrap(true);
  AddTagged(alternativesLbl_, TextId::PlayAlternatives);
  alternativesImg_ = new QLabel(this);
  alternativesImg_->setObjectName(QStringLiteral("PlayNSolveAlternativesImg"));
  alternativesImg_->setGeometry(kColumnLeft, 300, 100, 20);
  alternativesImg_->hide();

  fileNameLbl_ = CreatePageLabel(this, QStringLiteral("PlayNSolveFileNameLbl"),
                                 QRect(kPageGridLeft, 314, kPageGridSide, 18), true);
  levelLbl_ = CreatePageLabel(this, QStringLiteral("PlayNSolveLevelLbl"),
                              QRect(kPageGridLeft, 332, kPageGridSide + kColumnWidth, 18), false);
  levelLbl_->setText(QStringLiteral("Level"));
  // In place of the name and level while an explanation shows.
  explainLbl_ = CreatePageLabel(this, QStringLiteral("PlayNSolveExplainLbl"),
                                QRect(kPageGridLeft, 312, kPageGridSide + kColumnWidth, 46), false);
  explainLbl_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  explainLbl_->setWordWrap(true);
  explainLbl_->hide();

  shapeMenu_ = new TGridShapeMenu(this);
  shapeMenu_->setObjectName(QStringLiteral("NovletGridsPopupMenu"));
  connect(shapeMenu_, &TGridShapeMenu::shapeChosen, this, &TPlayNSolvePage::NovletGridsPopupMenuClick);
  solutionsMenu_ = new TSolutionsMenu(this);
  connect(solutionsMenu_, &TSolutionsMenu::solutionChosen, this, &TPlayNSolvePage::SolutionsPopupMenuClick);
}

std::vector<TBaseBtn*> TPlayNSolvePage::SmallButtons() const {
  return {newBtn_, saveBtn_, printBtn_, clipboardBtn_, pauseBtn_, restartBtn_, undoBtn_, hintBtn_, errorsBtn_, solutionBtn_};
}

TGridDrawInputs TPlayNSolvePage::DrawInputs() const {
  TGridDrawInputs inputs;
  inputs.Geometry = &session_.Geometry();
  inputs.Solution = &session_.Solution();
  inputs.PuzzleTexts = &session_.PuzzleTexts();
  inputs.GridTexts = &session_.Grid();
  if (flash_->Running()) {
    flashGrid_ = session_.Grid();
    flashGrid_.at(flash_->Flash()->Column, flash_->Flash()->Row) = flash_->ShownText();
    inputs.GridTexts = &flashGrid_;
  }
  inputs.DisplaySet = &displaySet_;
  inputs.Look = GridLookOf(Host().Options(), Host().ScreenMode());
  const TGameState state = session_.State();
  inputs.State.Paused = state.Has(TGameFlag::Paused);
  inputs.State.ShowErrors = state.Has(TGameFlag::ShowErrors);
  inputs.State.SolutionShown = state.Has(TGameFlag::SolutionShown);
  inputs.State.OutputCapture = state.Has(TGameFlag::OutputCapture);
  inputs.State.HighlightValue = highlightValue_;
  if (ExplanationShown()) inputs.State.Marks = &explainMarks_;
  return inputs;
}

std::filesystem::path TPlayNSolvePage::LastGameFile() const { return Host().Folders().Data.OptionsFile; }

std::string TPlayNSolvePage::LastGameSection() const { return LastPlayNSolveSectionName(Host().UserName()); }

void TPlayNSolvePage::StateChanged() { Host().UpdateStatus(); }

void TPlayNSolvePage::LetEventsRun() {
  // The grid follows the session's board side before it paints again.
  grid_->SetGridSize(session_.GridSize());
  Host().LetEventsRun();
}

// --- The game ---

void TPlayNSolvePage::NovletGridsPopupMenuClick(int boxWidth, int boxHeight) {
  if (Host().GameState().IsBusy()) return;
  PlayNSolveNewBtnClick(boxWidth, boxHeight);
}

void TPlayNSolvePage::PlayNSolveNewBtnClick(int boxWidth, int boxHeight) {
  if (Host().GameState().IsBusy()) return;
  timeLbl_->setText(Host().Text(TextId::Time));
  session_.BeginNewGame(NewGameSettings(Host(), boxWidth, boxHeight));
  ShowLevel(session_.Record().Level);
  ApplyDisplaySet();
  grid_->SetGridSize(session_.GridSize());
  grid_->SelectCell(0, 0);
  gauge_->SetProgress(0);
  grid_->update();
  LetEventsRun();
  if (!session_.GenerateNewGame()) Host().Dialogs().Tell(Host().Text(TextId::NothingGenerated), Host().Text(TextId::Ok));
  grid_->update();
  Host().UpdateStatus();
}

void TPlayNSolvePage::LoadPlayGame(const std::filesystem::path& file, const std::string& section) {
  ShowLoadedGame(session_.Load(file, section));
}

void TPlayNSolvePage::ShowLoadedGame(bool loaded) {
  timeLbl_->setText(Host().Text(TextId::Time));
  ApplyDisplaySet();
  grid_->SetGridSize(session_.GridSize());
  grid_->SelectCell(0, 0);
  if (loaded) ShowLevel(session_.Record().Level);
  if (session_.State().Has(TGameFlag::Paused)) timeLbl_->setText(Host().Text(TextId::Pausing));
  grid_->update();
}

bool TPlayNSolvePage::SavePlayGame(const std::filesystem::path& file, const std::string& section, bool askName) {
  TGameState& state = Host().GameState();
  if (state.Has(TGameFlag::NameEntryOpen)) return false;
  state.Set(TGameFlag::NameEntryOpen);
  Host().UpdateStatus();

  NameIfUnnamed();
  std::string target = section.empty() ? session_.Record().Name : section;
  bool store = true;
  if (askName) {
    const std::optional<std::string> named = RunNameEntryFlow(file, target, Host().UserName(), session_.Record().Name,
                                                               Host().Dialogs(), Host().Texts());
    store = named.has_value();
    if (named && *named != target) {
      session_.SetName(*named);
      target = *named;
    }
  }
  if (store) {
    TStoreResult result = EnsureDataFolder(Host().Folders().Data);
    if (result.Ok) result = WritePuzzleRecord(file, target, session_.RecordToStore());
    if (!result.Ok) Host().Dialogs().Tell(StoreMessageText(result.Message, Host().Texts()), Host().Text(TextId::Ok));
    store = result.Ok;
  }
  Host().GameState().Clear(TGameFlag::NameEntryOpen);
  return store;
}

void TPlayNSolvePage::NameIfUnnamed() {
  if (!session_.Record().Name.empty()) return;
  const TNewGameSettings settings = NewGameSettings(Host(), session_.Geometry().BoxWidth, session_.Geometry().BoxHeight);
  std::array<std::string_view, 12> months;
  for (std::size_t i = 0; i < months.size(); ++i) months[i] = settings.MonthNames[i];
  session_.SetName(DefaultPuzzleName(Host().UserName(), session_.Record().Created, months));
}

void TPlayNSolvePage::PlayNSolveSaveBtnClick() {
  SavePlayGame(Host().Folders().Data.CollectionFile, session_.Record().Name, true);
  Host().UpdateStatus();
}

void TPlayNSolvePage::PlayNSolvePauseBtnClick() {
  session_.TogglePause();
  if (session_.State().Has(TGameFlag::Paused))
    timeLbl_->setText(Host().Text(TextId::Pausing));
  else
    ShowTime();
  grid_->update();
  Host().UpdateStatus();
}

void TPlayNSolvePage::PlayNSolveRestartBtnClick() {
  if (session_.State().Has(TGameFlag::Restarting)) return;
  timeLbl_->setText(Host().Text(TextId::Time));
  grid_->SelectCell(0, 0);
  session_.Restart();
  grid_->update();
  Host().UpdateStatus();
}

// --- Input ---

void TPlayNSolvePage::NovletGridKeyUp(int key, TShiftState shift) {
  const TKeyOutcome outcome =
      session_.KeyUp(grid_->SelectedColumn(), grid_->SelectedRow(), key, shift.testFlag(TShift::Ctrl));
  // A flash would paint over what the player has just typed.
  if (outcome == TKeyOutcome::Changed) flash_->Stop();
  if (outcome == TKeyOutcome::PauseAsked) PlayNSolvePauseBtnClick();
  grid_->Repaint();
  CountAlternativesShown();
  Host().UpdateStatus();
}

void TPlayNSolvePage::NovletGridPopupMenuClick(QAction* item) {
  const TGameState state = session_.State();
  if (!item || !state.Has(TGameFlag::Playing) || state.Has(TGameFlag::Paused)) return;
  const int c = grid_->SelectedColumn();
  const int r = grid_->SelectedRow();
  if (!session_.InsideBoard(c, r) || session_.Solution().at(c, r) == 0) return;
  const QString name = item->objectName();
  NovletGridKeyUp(GridMenuItemKey(name), name.contains('P') ? TShiftState(TShift::Ctrl) : TShiftState());
}

void TPlayNSolvePage::DisplaySetImgMouseUp(Qt::MouseButton button, TShiftState shift, int value) {
  if (session_.State().Has(TGameFlag::Thinking) || button != Qt::LeftButton || value < 1) return;
  if (shift.testFlag(TShift::Shift)) {
    highlightValue_ = value;
    grid_->Repaint();
    Host().LetEventsRun();
    return;
  }
  NovletGridKeyUp(ValueKeyCode(value), shift);
}

void TPlayNSolvePage::NovletGridSelectCell(int column, int row) {
  grid_->SetPopupAllowed(session_.MenuAllowedAt(column + 1, row + 1));
  Host().UpdateStatus();
}

void TPlayNSolvePage::NovletGridMouseUp() {
  grid_->Repaint();
  CountAlternativesShown();
  Host().UpdateStatus();
}

void TPlayNSolvePage::CountAlternativesShown() {
  const TGameState state = session_.State();
  const bool free = !state.Has(TGameFlag::Loading) && !state.Has(TGameFlag::Validating);
  if (free && state.Has(TGameFlag::Playing) && !state.Has(TGameFlag::Paused) && Host().Options().Alternatives &&
      session_.AlternativesAt(grid_->SelectedColumn(), grid_->SelectedRow()))
    session_.CountAlternativesShown();
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

void TPlayNSolvePage::PlayNSolveExplainClick() {
  if (!Host().Options().Hints || flash_->Running() || !isVisible()) return;
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
  fileNameLbl_->setVisible(!shown);
  levelLbl_->setVisible(!shown);
}

void TPlayNSolvePage::FlashCellChanged(int column, int row) {
  // A game that ended or changed under the flash shows as it is.
  if (flash_->Running() && !session_.StillCurrent(*flash_->Flash())) {
    flash_->Stop();
    return;
  }
  grid_->RepaintCell(column - 1, row - 1);
}

void TPlayNSolvePage::PlayNSolveUndoBtnClick() {
  if (flash_->Running()) return;
  if (const std::optional<TCellFlash> flash = session_.BeginUndo()) {
    session_.EndUndo(*flash);
    flash_->Start(*flash);
  }
  grid_->update();
  Host().UpdateStatus();
}

void TPlayNSolvePage::PlayNSolveHintBtnClick() {
  if (flash_->Running()) return;
  if (const std::optional<TCellFlash> flash = session_.BeginHint()) {
    session_.EndHint(*flash);
    flash_->Start(*flash);
  }
  grid_->update();
  Host().UpdateStatus();
}

void TPlayNSolvePage::PlayNSolveErrorsBtnClick() {
  if (session_.State().Has(TGameFlag::ShowErrors)) return;
  session_.BeginShowErrors();
  grid_->Repaint();
  session_.EndShowErrors();
  Host().UpdateStatus();
}

void TPlayNSolvePage::PlayNSolveSolutionBtnClick() {
  session_.ShowSolution();
  grid_->Repaint();
  Host().UpdateStatus();
}

void TPlayNSolvePage::SolutionsPopupClick() {
  if (solutionsMenu_->isEmpty()) {
    PlayNSolveSolutionBtnClick();
    return;
  }
  solutionsMenu_->popup(solutionBtn_->mapToGlobal(QPoint(0, solutionBtn_->height())));
}

void TPlayNSolvePage::SolutionsPopupMenuClick(int number) {
  if (!session_.ChooseSolution(number)) return;
  grid_->Repaint();
  Host().UpdateStatus();
}

// --- What the page shows ---

void TPlayNSolvePage::ShowTime() {
  timeLbl_->setText(Host().Text(TextId::Time) + FromStd(PlayTimeText(session_.Record().TimePlayed)));
}

void TPlayNSolvePage::ShowLevel(int level) {
  const QString name = level >= 0 && level < kLevelCount ? Host().Text(kLevelNameIds[level]) : QString();
  levelLbl_->setText(Host().Text(TextId::LevelPrefix) + name);
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
  if (timeLbl_->text() != text) timeLbl_->setText(text);
}

void TPlayNSolvePage::Tick() {
  const TGameState state = session_.State();
  if (state.Has(TGameFlag::Thinking)) {
    if (!state.Has(TGameFlag::Designing)) AnimateThinking(*gauge_, *timeLbl_, Host().Text(TextId::PlayThinking));
    return;
  }
  const bool wasOver = state.Has(TGameFlag::SolutionShown);
  ShowClock(session_.ClockStep(Host().Options().TimeLimited));
  if (!wasOver && session_.State().Has(TGameFlag::SolutionShown)) {
    grid_->Repaint();
    Host().UpdateStatus();
  }
}

void TPlayNSolvePage::SetGridEnabled(bool enabled) {
  if (grid_->isEnabled() == enabled) return;
  grid_->setEnabled(enabled);
  // Back from a pause or a long operation, the keys go to the grid again.
  if (enabled && isVisible()) grid_->setFocus();
}

void TPlayNSolvePage::SetPauseCaption() {
  ApplyTexts(pauseBtn_, session_.State().Has(TGameFlag::Paused) ? TextId::Continue : TextId::Pause);
}

void TPlayNSolvePage::RefreshStatus() {
  const TGameState state = session_.State();
  fileNameLbl_->setText(FromStd(BarePuzzleName(session_.Record().Name)));
  ShowExplanation();
  SetGridEnabled(!state.Has(TGameFlag::Loading) && !state.Has(TGameFlag::Validating) &&
                 !state.Has(TGameFlag::Paused) && !state.Has(TGameFlag::Thinking) &&
                 !state.Has(TGameFlag::Restarting));

  const bool free = !state.Has(TGameFlag::Loading) && !state.Has(TGameFlag::Validating);
  const bool playing = state.Has(TGameFlag::Playing);
  const bool paused = state.Has(TGameFlag::Paused);
  const bool over = state.Has(TGameFlag::SolutionShown);
  const bool thinking = state.Has(TGameFlag::Thinking);
  const TOptions& options = Host().Options();
  newBtn_->setEnabled(free && !thinking);
  const bool canStore = free && !paused && (playing || over);
  saveBtn_->setEnabled(canStore);
  printBtn_->setEnabled(canStore);
  clipboardBtn_->setEnabled(canStore);
  pauseBtn_->setEnabled(free && playing);
  restartBtn_->setEnabled((free && playing) || over);
  undoBtn_->setEnabled(free && session_.CanUndo() && !flash_->Running());
  hintBtn_->setEnabled(free && options.Hints && session_.CanHint() && !flash_->Running());
  explainItem_->setEnabled(hintBtn_->isEnabled());
  errorsBtn_->setEnabled(free && options.Errors && session_.CanShowErrors());
  solutionBtn_->setEnabled(free && !thinking && playing && !over && session_.SolutionKnown());
  alternativesLbl_->setEnabled(free && !paused && options.Alternatives && playing && !over);

  SetPauseCaption();
  SetCentredCaption(solutionBtn_, Host().Text(TextId::Solution) + FromStd(session_.SolutionChoices().CountSuffix));
  solutionBtn_->setToolTip(FromStd(Host().Texts().Control(TextId::Solution).Hint));
  solutionsMenu_->Rebuild(session_.SolutionChoices().MenuItems, Host().Text(TextId::Solution));
  highlightValue_ = 0;

  const std::optional<std::string> alternatives =
      free && playing && !paused && options.Alternatives
          ? session_.AlternativesAt(grid_->SelectedColumn(), grid_->SelectedRow())
          : std::nullopt;
  if (alternatives) {
    NovletGridShowAlternatives(*alternativesLbl_, *alternativesImg_, Host().Text(TextId::PlayAlternatives),
                               *alternatives, displaySet_, session_.GridSize());
    return;
  }
  alternativesLbl_->setText(Host().Text(TextId::PlayAlternatives));
  alternativesImg_->hide();
}

// --- The page in the window ---

void TPlayNSolvePage::Enter(bool alreadyShown) {
  if (alreadyShown) return;
  if (const std::optional<TNovletFileData> unstored = Host().TakeUnstored(LastGameFile(), LastGameSection()))
    ShowLoadedGame(session_.Resume(*unstored));
  else
    LoadPlayGame(LastGameFile(), LastGameSection());
}

bool TPlayNSolvePage::OwnsGame() const {
  return session_.State().Has(TGameFlag::Playing) || session_.State().Has(TGameFlag::SolutionShown);
}

bool TPlayNSolvePage::Leave() {
  flash_->Stop();
  if (!OwnsGame()) return false;
  NameIfUnnamed();
  Host().StoreAfterShowing(LastGameFile(), LastGameSection(), session_.RecordToStore());
  return true;
}

bool TPlayNSolvePage::StoreLastGame() {
  if (!OwnsGame()) return false;
  SavePlayGame(LastGameFile(), LastGameSection(), false);
  return true;
}

void TPlayNSolvePage::OpenStoredPuzzle(const std::filesystem::path& file, const std::string& section,
                                       TOpenMode mode) {
  LoadPlayGame(file, section);
  if (mode == TOpenMode::Replay && session_.State().Has(TGameFlag::Playing)) {
    session_.Replay();
    grid_->update();
  }
}

void TPlayNSolvePage::Translate() {
  TBookPage::Translate();
  shapeMenu_->SetCaptions(Host().Text(TextId::PureShape), Host().Text(TextId::Variants));
  gridMenu_->SetPencilNoteCaption(Host().Text(TextId::PencilNote));
  explainItem_->setText(Host().Text(TextId::Explain));
  explainItem_->setToolTip(FromStd(Host().Texts().Control(TextId::Explain).Hint));
  if (session_.State().Has(TGameFlag::Playing) || session_.State().Has(TGameFlag::SolutionShown))
    ShowLevel(session_.Record().Level);
}

void TPlayNSolvePage::ApplyOptions() {
  ApplyDisplaySet();
  ShowLevel(Host().Options().Level);
  grid_->update();
}

void TPlayNSolvePage::AfterScale() {
  strip_->SetScreenMode(Host().ScreenMode());
  strip_->update();
}

void TPlayNSolvePage::ApplyDisplaySet() {
  ApplyOptionsDisplaySet(Host(), displaySet_, session_.GridSize());
  session_.SetDisplaySetIndex(displaySet_.SelectedIndex());
  gridMenu_->ApplyDisplaySet(displaySet_);
  gridMenu_->SetPencilNoteVisible(true);
  AfterScale();
  grid_->update();
}

void TPlayNSolvePage::BeginReduction() { savedLevelCaption_ = levelLbl_->text(); }

// The page shows the target while the puzzle takes shape behind a blank grid.
void TPlayNSolvePage::ShowReductionProgress(const std::string& levelText, const TBoard&) {
  levelLbl_->setText(FromStd(levelText));
}

void TPlayNSolvePage::EndReduction() { levelLbl_->setText(savedLevelCaption_); }

}  // namespace novlet
