// The "Enter & Design" page: its controls, what their clicks and keys ask of
// the design session, and what the page shows of it.
#include "game/enter_n_design_page.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QShortcut>

#include <array>
#include <string_view>

#include "engine/board_text.h"
#include "game/alternatives_display.h"
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
#include "store/text_puzzles.h"
#include "ui/base_btn.h"
#include "ui/dialogs.h"
#include "ui/std_text.h"

namespace novlet {
namespace {

// The right column at base size, inside the page area of 412 x 363, as on Play & Solve.
constexpr int kColumnLeft = 272;
constexpr int kColumnWidth = 128;
constexpr int kButtonLeft = 294;

// A running reduction redraws its puzzle at most this often: on big boards
// removals come faster than the grid can usefully be painted.
constexpr int kReductionRepaintMilliseconds = 30;

}  // namespace

TEnterNDesignPage::TEnterNDesignPage(TPageHost& host)
    : TBookPage(host, TPageKind::EnterNDesign, TextId::EnterNDesignPage),
      session_(host.Engine(), host.GameState(), host.Clock(), this) {
  CreateControls();
}

void TEnterNDesignPage::CreateControls() {
  grid_ = CreatePageGrid(this, QStringLiteral("EnterNDesignNovletGrid"), session_.GridSize());
  grid_->SetDrawInputs([this] { return DrawInputs(); });
  connect(grid_, &TNovletGrid::keyReleased, this, &TEnterNDesignPage::NovletGridKeyUp);
  connect(grid_, &TNovletGrid::selecting, this, &TEnterNDesignPage::NovletGridSelectCell);
  connect(grid_, &TNovletGrid::mouseReleased, this, &TEnterNDesignPage::NovletGridMouseUp);
  connect(grid_, &TNovletGrid::doubleClicked, this, &TEnterNDesignPage::NovletGridDblClick);

  // A design has no pencil notes: its menu offers values only.
  gridMenu_ = new TGridPopupMenu(this);
  gridMenu_->setObjectName(QStringLiteral("NovletGridPopupMenu"));
  gridMenu_->SetPencilNoteVisible(false);
  connect(gridMenu_, &TGridPopupMenu::itemClicked, this, &TEnterNDesignPage::NovletGridPopupMenuClick);
  grid_->SetPopupMenu(gridMenu_);
  // A puzzle found elsewhere comes in through the clipboard, by Ctrl+V or
  // from the grid menu.
  gridMenu_->addSeparator();
  pasteItem_ = gridMenu_->addAction(QString());
  pasteItem_->setObjectName(QStringLiteral("PastePuzzle"));
  connect(pasteItem_, &QAction::triggered, this, &TEnterNDesignPage::EnterNDesignPasteClick);
  auto* paste = new QShortcut(QKeySequence::Paste, this);
  paste->setContext(Qt::WidgetWithChildrenShortcut);
  connect(paste, &QShortcut::activated, this, &TEnterNDesignPage::EnterNDesignPasteClick);

  strip_ = CreatePageStrip(this, QStringLiteral("EnterNDesignDisplaySetImg"), &displaySet_);
  connect(strip_, &TGridSymbolStrip::valueClicked, this, &TEnterNDesignPage::DisplaySetImgMouseUp);
  AddTagged(strip_, TextId::DesignStrip);

  CreateButtons();
  CreateLabels();

  shapeMenu_ = new TGridShapeMenu(this);
  shapeMenu_->setObjectName(QStringLiteral("NovletGridsPopupMenu"));
  connect(shapeMenu_, &TGridShapeMenu::shapeChosen, this, &TEnterNDesignPage::NovletGridsPopupMenuClick);
  solutionsMenu_ = new TSolutionsMenu(this);
  connect(solutionsMenu_, &TSolutionsMenu::solutionChosen, this, &TEnterNDesignPage::SolutionsPopupMenuClick);
}

void TEnterNDesignPage::CreateButtons() {
  // Three groups: the design as a whole, its mode and check, the engine's
  // help. The Mode and Complete captions follow the design.
  CreateButtonColumn(
      kButtonLeft,
      {
          {newBtn_, "EnterNDesignNewBtn", 34, TextId::DesignNew,
           [this] { shapeMenu_->popup(newBtn_->mapToGlobal(QPoint(0, newBtn_->height()))); }},
          {saveBtn_, "EnterNDesignSaveBtn", 54, TextId::DesignSave, [this] { EnterNDesignSaveBtnClick(); }},
          {playNSolveBtn_, "EnterNDesignPlayNSolveBtn", 74, TextId::DesignPlayNSolve,
           [this] { EnterNDesignPlayNSolveBtnClick(); }},
          {printBtn_, "EnterNDesignPrintBtn", 94, TextId::DesignPrint, [this] { EnterNDesignPrintBtnClick(); }},
          {clipboardBtn_, "EnterNDesignClipboardBtn", 114, TextId::DesignClipboard,
           [this] { EnterNDesignClipboardBtnClick(); }},
          {modeBtn_, "EnterNDesignModeBtn", 144, kCaptionFollowsState, [this] { EnterNDesignModeBtnClick(); }},
          {checkPuzzleBtn_, "EnterNDesignCheckPuzzleBtn", 164, TextId::CheckPuzzle,
           [this] { EnterNDesignCheckPuzzleBtnClick(); }},
          {generateBtn_, "EnterNDesignGenerateBtn", 194, TextId::Generate, [this] { EnterNDesignGenerateBtnClick(); }},
          {puzzleBtn_, "EnterNDesignPuzzleBtn", 214, TextId::MakePuzzle, [this] { EnterNDesignPuzzleBtnClick(); }},
          {completeBtn_, "EnterNDesignCompleteBtn", 234, kCaptionFollowsState, [this] { SolutionsPopupClick(); }},
      });
}

void TEnterNDesignPage::CreateLabels() {
  gauge_ = new TPieGauge(this);
  gauge_->setObjectName(QStringLiteral("EnterNDesignGauge"));
  gauge_->setGeometry(kColumnLeft, 260, 18, 18);
  gauge_->SetMaxValue(kGaugeMaximum);
  gauge_->hide();
  statusLbl_ = CreatePageLabel(this, QStringLiteral("EnterNDesignStatusLbl"),
                               QRect(kColumnLeft + 22, 260, kColumnWidth - 22, 18), true);
  statusLbl_->setText(Host().Text(TextId::PuzzleModeName));

  alternativesLbl_ = CreatePageLabel(this, QStringLiteral("EnterNDesignAlternativesLbl"),
                                     QRect(kColumnLeft, 284, kColumnWidth, 34), false);
  alternativesLbl_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  alternativesLbl_->setWordWrap(true);
  alternativesLbl_->setText(Host().Text(TextId::DesignAlternatives));
  alternativesImg_ = new QLabel(this);
  alternativesImg_->setObjectName(QStringLiteral("EnterNDesignAlternativesImg"));
  alternativesImg_->setGeometry(kColumnLeft, 300, 100, 20);
  alternativesImg_->hide();

  fileNameLbl_ = CreatePageLabel(this, QStringLiteral("EnterNDesignFileNameLbl"),
                                 QRect(kPageGridLeft, 314, kPageGridSide, 18), true);
  // The validation's verdict stands where Play & Solve shows the level: the
  // reduction's progress goes there on both pages.
  validateLbl_ = CreatePageLabel(this, QStringLiteral("EnterNDesignValidateLbl"),
                                 QRect(kPageGridLeft, 332, kPageGridSide + kColumnWidth, 18), false);
  validateLbl_->setText(Host().Text(TextId::PuzzleInvalid));
}

std::vector<TBaseBtn*> TEnterNDesignPage::SmallButtons() const {
  return {newBtn_,  saveBtn_,       playNSolveBtn_, printBtn_,  clipboardBtn_,
          modeBtn_, checkPuzzleBtn_, generateBtn_,   puzzleBtn_, completeBtn_};
}

TGridDrawInputs TEnterNDesignPage::DrawInputs() const {
  TGridDrawInputs inputs;
  inputs.Geometry = &session_.Geometry();
  inputs.Solution = &session_.Solution();
  inputs.PuzzleTexts = &session_.PuzzleTexts();
  inputs.GridTexts = &session_.Grid();
  inputs.DisplaySet = &displaySet_;
  inputs.Look = GridLookOf(Host().Options(), Host().ScreenMode());
  if (reduction_) {
    // The puzzle taking shape: its givens stand out on the contrast colour
    // and no ruler crosses them.
    inputs.PuzzleTexts = &reduction_->Texts;
    inputs.GridTexts = &reduction_->Texts;
    inputs.Look.Ruler = false;
    inputs.Look.ContrastPuzzle = true;
  }
  inputs.State.OutputCapture = session_.State().Has(TGameFlag::OutputCapture);
  inputs.State.HighlightValue = highlightValue_;
  return inputs;
}

std::filesystem::path TEnterNDesignPage::LastDesignFile() const { return Host().Folders().Data.OptionsFile; }

std::string TEnterNDesignPage::LastDesignSection() const { return LastEnterNDesignSectionName(Host().UserName()); }

void TEnterNDesignPage::StateChanged() { Host().UpdateStatus(); }

void TEnterNDesignPage::LetEventsRun() {
  FollowGridSize();
  grid_->update();
  Host().LetEventsRun();
}

void TEnterNDesignPage::FollowGridSize() {
  if (grid_->ColCount() == session_.GridSize() && displaySet_.GridSize() == session_.GridSize()) return;
  grid_->SetGridSize(session_.GridSize());
  ApplyDisplaySet();
}

// --- The design ---

void TEnterNDesignPage::NovletGridsPopupMenuClick(int boxWidth, int boxHeight) {
  if (Host().GameState().IsBusy()) return;
  EnterNDesignNewBtnClick(boxWidth, boxHeight);
}

void TEnterNDesignPage::EnterNDesignNewBtnClick(int boxWidth, int boxHeight) {
  if (session_.State().Has(TGameFlag::Thinking)) return;
  grid_->SelectCell(0, 0);
  session_.NewDesign(NewGameSettings(Host(), boxWidth, boxHeight));
  FollowGridSize();
  EndOperation();
}

void TEnterNDesignPage::EnterNDesignPasteClick() {
  if (Host().GameState().IsBusy()) return;
  const std::string text = QGuiApplication::clipboard()->text().toStdString();
  std::vector<TTextPuzzle> puzzles = ReadTextPuzzles(text);
  // The open design's box shape where the text is of its size and the usual
  // shape is not the design's: a 6 x 6 design of boxes 2 wide reads 2 x 3.
  const TGeometry& design = session_.Geometry();
  if (!puzzles.empty() && puzzles.front().Geometry().GridSize == design.GridSize &&
      puzzles.front().BoxWidth != design.BoxWidth)
    puzzles = ReadTextPuzzles(text, design);
  if (puzzles.empty()) {
    Host().Dialogs().Tell(Host().Text(TextId::NothingToPaste), Host().Text(TextId::Ok));
    return;
  }
  const TTextPuzzle& puzzle = puzzles.front();
  if (puzzle.State == TTextPuzzleState::Unreadable) {
    Host().Dialogs().Tell(Host().Text(TextId::PasteRefused) + StoreMessageText(puzzle.Reason, Host().Texts()),
                          Host().Text(TextId::Ok));
    return;
  }
  grid_->SelectCell(0, 0);
  session_.NewFromGivens(NewGameSettings(Host(), puzzle.BoxWidth, puzzle.BoxHeight), puzzle.Givens);
  FollowGridSize();
  session_.Validate();
  EndOperation();
  if (puzzles.size() == 2) Host().Dialogs().Tell(Host().Text(TextId::PastedOneMore), Host().Text(TextId::Ok));
  if (puzzles.size() > 2)
    Host().Dialogs().Tell(Host().Text(TextId::PastedMore).arg(puzzles.size() - 1), Host().Text(TextId::Ok));
}

void TEnterNDesignPage::LoadDesign(const std::filesystem::path& file, const std::string& section) {
  grid_->SelectCell(0, 0);
  session_.Load(file, section);
  FollowGridSize();
  EndOperation();
}

bool TEnterNDesignPage::SaveDesign(const std::filesystem::path& file, const std::string& section, bool askName) {
  TGameState& state = Host().GameState();
  if (state.Has(TGameFlag::NameEntryOpen)) return false;
  state.Set(TGameFlag::NameEntryOpen);
  Host().UpdateStatus();
  if (session_.Record().Name.empty()) {
    const TNewGameSettings settings = NewGameSettings(Host(), session_.Geometry().BoxWidth, session_.Geometry().BoxHeight);
    std::array<std::string_view, 12> months;
    for (std::size_t i = 0; i < months.size(); ++i) months[i] = settings.MonthNames[i];
    session_.SetName(DefaultPuzzleName(Host().UserName(), session_.Record().Created, months));
  }
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
  state.Clear(TGameFlag::NameEntryOpen);
  return store;
}

void TEnterNDesignPage::EnterNDesignSaveBtnClick() {
  if (!session_.Designing()) return;
  session_.SetLevel(session_.LevelEstimate());
  SaveDesign(Host().Folders().Data.CollectionFile, session_.Record().Name, true);
  Host().UpdateStatus();
}

void TEnterNDesignPage::EnterNDesignPlayNSolveBtnClick() {
  if (!session_.Designing() || !session_.HasGivens() || Host().GameState().IsBusy()) return;
  // Leaving the page stores the design again; stored first, a design that
  // cannot be written never hands over an older one left in the section.
  if (!SaveDesign(LastDesignFile(), LastDesignSection(), false)) return;
  Host().OpenStoredPuzzle(TPageKind::PlayNSolve, LastDesignFile(), LastDesignSection(), TOpenMode::Continue);
}

void TEnterNDesignPage::EnterNDesignModeBtnClick() {
  session_.SwitchMode();
  grid_->update();
  Host().UpdateStatus();
}

void TEnterNDesignPage::EnterNDesignCheckPuzzleBtnClick() {
  if (!session_.Designing()) return;
  session_.Validate();
  EndOperation();
}

void TEnterNDesignPage::EnterNDesignGenerateBtnClick() {
  if (!session_.InDesignMode() || session_.State().Has(TGameFlag::Thinking)) return;
  gauge_->SetProgress(0);
  grid_->SelectCell(0, 0);
  const bool generated = session_.Generate();
  EndOperation();
  if (!generated) Host().Dialogs().Tell(Host().Text(TextId::NothingGenerated), Host().Text(TextId::Ok));
}

void TEnterNDesignPage::EnterNDesignPuzzleBtnClick() {
  if (!session_.InDesignMode() || !session_.BoardComplete() || session_.State().Has(TGameFlag::Thinking)) return;
  gauge_->SetProgress(0);
  grid_->SelectCell(0, 0);
  // The level chosen on the Options page when Puzzle is pressed, as New takes it.
  session_.MakePuzzle(Host().Options().Level);
  EndOperation();
}

void TEnterNDesignPage::EnterNDesignCompleteBtnClick() {
  if (!session_.InDesignMode() || session_.State().Has(TGameFlag::Thinking)) return;
  session_.Complete();
  grid_->SelectCell(0, 0);
  EndOperation();
}

void TEnterNDesignPage::EnterNDesignPrintBtnClick() {
  PrintGrid(Host(), {grid_, [this] { return DrawInputs(); }, FromStd(session_.Record().Name)});
}

void TEnterNDesignPage::EnterNDesignClipboardBtnClick() {
  CopyGridToClipboard(Host(), {grid_, [this] { return DrawInputs(); }, FromStd(session_.Record().Name)});
}

void TEnterNDesignPage::SolutionsPopupClick() {
  if (solutionsMenu_->isEmpty()) {
    EnterNDesignCompleteBtnClick();
    return;
  }
  solutionsMenu_->popup(completeBtn_->mapToGlobal(QPoint(0, completeBtn_->height())));
}

void TEnterNDesignPage::SolutionsPopupMenuClick(int number) {
  if (!session_.Designing() || !session_.ChooseSolution(number)) return;
  grid_->SelectCell(0, 0);
  grid_->Repaint();
  Host().UpdateStatus();
}

void TEnterNDesignPage::EndOperation() {
  gauge_->hide();
  grid_->update();
  Host().UpdateStatus();
}

// --- Input ---

void TEnterNDesignPage::NovletGridKeyUp(int key, TShiftState) {
  // Every key is a value key here: a design has no pencil notes.
  session_.KeyUp(grid_->SelectedColumn(), grid_->SelectedRow(), key);
  grid_->Repaint();
  Host().UpdateStatus();
}

void TEnterNDesignPage::NovletGridPopupMenuClick(QAction* item) {
  if (!item || !session_.Designing()) return;
  NovletGridKeyUp(GridMenuItemKey(item->objectName()), TShiftState());
}

void TEnterNDesignPage::DisplaySetImgMouseUp(Qt::MouseButton button, TShiftState shift, int value) {
  if (session_.State().Has(TGameFlag::Thinking) || button != Qt::LeftButton || value < 1) return;
  if (shift.testFlag(TShift::Shift)) {
    highlightValue_ = value;
    grid_->Repaint();
    Host().LetEventsRun();
    return;
  }
  NovletGridKeyUp(ValueKeyCode(value), shift);
}

void TEnterNDesignPage::NovletGridSelectCell(int, int) {
  grid_->SetPopupAllowed(session_.Designing());
  Host().UpdateStatus();
}

void TEnterNDesignPage::NovletGridMouseUp() {
  grid_->Repaint();
  Host().UpdateStatus();
}

void TEnterNDesignPage::NovletGridDblClick() {
  if (session_.InDesignMode()) session_.ToggleGiven(grid_->SelectedColumn(), grid_->SelectedRow());
  grid_->Repaint();
  Host().UpdateStatus();
}

// --- What the page shows ---

void TEnterNDesignPage::SetGridEnabled(bool enabled) {
  if (grid_->isEnabled() == enabled) return;
  grid_->setEnabled(enabled);
  // Back from a long operation, the keys go to the grid again.
  if (enabled && isVisible()) grid_->setFocus();
}

void TEnterNDesignPage::SetStateCaptions() {
  const TGameState state = session_.State();
  const bool designMode = state.Has(TGameFlag::DesignMode);
  // The button offers the other mode; the label names this one, unless the
  // "Thinking" animation has it.
  ApplyTexts(modeBtn_, designMode ? TextId::PuzzleModeBtn : TextId::DesignModeBtn);
  if (!state.Has(TGameFlag::Thinking))
    statusLbl_->setText(Host().Text(designMode ? TextId::DesignModeName : TextId::PuzzleModeName));
  SetCentredCaption(completeBtn_, Host().Text(TextId::Complete) + FromStd(session_.SolutionChoices().CountSuffix));
  completeBtn_->setToolTip(FromStd(Host().Texts().Control(TextId::Complete).Hint));
}

QString TEnterNDesignPage::ValidationText() const {
  const TGameState state = session_.State();
  if (state.Has(TGameFlag::Validating)) return Host().Text(TextId::Validating);
  if (!state.Has(TGameFlag::Designing) || state.Has(TGameFlag::Thinking) || !state.Has(TGameFlag::DesignSolvable))
    return Host().Text(TextId::PuzzleInvalid);
  return Host().Text(TextId::PuzzleSolvable) + FromStd(session_.SolutionChoices().CountSuffix);
}

void TEnterNDesignPage::ShowAlternatives() {
  const TGameState state = session_.State();
  const bool free = !state.Has(TGameFlag::Loading) && !state.Has(TGameFlag::Validating) &&
                    !state.Has(TGameFlag::Thinking);
  const std::optional<std::string> alternatives =
      free && session_.Designing() && session_.InDesignMode()
          ? session_.AlternativesAt(grid_->SelectedColumn(), grid_->SelectedRow())
          : std::nullopt;
  const QString caption = Host().Text(TextId::DesignAlternatives);
  if (alternatives) {
    NovletGridShowAlternatives(*alternativesLbl_, *alternativesImg_, caption, *alternatives, displaySet_,
                               session_.GridSize());
    return;
  }
  alternativesLbl_->setText(caption);
  alternativesImg_->hide();
}

void TEnterNDesignPage::RefreshStatus() {
  const TGameState state = session_.State();
  fileNameLbl_->setText(FromStd(BarePuzzleName(session_.Record().Name)));
  const bool free = !state.Has(TGameFlag::Loading) && !state.Has(TGameFlag::Validating) &&
                    !state.Has(TGameFlag::Thinking);
  const bool designing = state.Has(TGameFlag::Designing);
  const bool designMode = designing && state.Has(TGameFlag::DesignMode);
  SetGridEnabled(free);
  newBtn_->setEnabled(free);
  for (TBaseBtn* button : {saveBtn_, printBtn_, clipboardBtn_, modeBtn_, checkPuzzleBtn_})
    button->setEnabled(free && designing);
  playNSolveBtn_->setEnabled(free && designing && session_.HasGivens());
  generateBtn_->setEnabled(free && designMode);
  completeBtn_->setEnabled(free && designMode);
  alternativesLbl_->setEnabled(free && designMode);
  puzzleBtn_->setEnabled(free && designMode && session_.BoardComplete());

  SetStateCaptions();
  solutionsMenu_->Rebuild(session_.SolutionChoices().MenuItems, Host().Text(TextId::Solution));
  highlightValue_ = 0;
  // A running reduction shows its progress on the label.
  if (!reduction_) validateLbl_->setText(ValidationText());
  ShowAlternatives();
}

void TEnterNDesignPage::Tick() {
  const TGameState state = session_.State();
  if (!state.Has(TGameFlag::Designing)) return;
  if (state.Has(TGameFlag::Thinking))
    AnimateThinking(*gauge_, *statusLbl_, Host().Text(TextId::DesignThinking));
  else
    gauge_->hide();
}

// --- The page in the window ---

void TEnterNDesignPage::Enter(bool alreadyShown) {
  if (alreadyShown) return;
  grid_->SelectCell(0, 0);
  if (const std::optional<TNovletFileData> unstored = Host().TakeUnstored(LastDesignFile(), LastDesignSection()))
    session_.Resume(*unstored);
  else
    session_.Load(LastDesignFile(), LastDesignSection());
  FollowGridSize();
  EndOperation();
}

bool TEnterNDesignPage::Leave() {
  if (!session_.Designing()) return false;
  Host().StoreAfterShowing(LastDesignFile(), LastDesignSection(), session_.RecordToStore());
  return true;
}

bool TEnterNDesignPage::StoreLastGame() {
  if (!session_.Designing()) return false;
  SaveDesign(LastDesignFile(), LastDesignSection(), false);
  return true;
}

void TEnterNDesignPage::OpenStoredPuzzle(const std::filesystem::path& file, const std::string& section, TOpenMode) {
  LoadDesign(file, section);
}

void TEnterNDesignPage::Translate() {
  TBookPage::Translate();
  pasteItem_->setText(Host().Text(TextId::PastePuzzle));
  shapeMenu_->SetCaptions(Host().Text(TextId::PureShape), Host().Text(TextId::Variants));
  SetStateCaptions();
  solutionsMenu_->Rebuild(session_.SolutionChoices().MenuItems, Host().Text(TextId::Solution));
}

void TEnterNDesignPage::ApplyOptions() { ApplyDisplaySet(); }

void TEnterNDesignPage::AfterScale() {
  strip_->SetScreenMode(Host().ScreenMode());
  strip_->update();
}

void TEnterNDesignPage::ApplyDisplaySet() {
  ApplyOptionsDisplaySet(Host(), displaySet_, session_.GridSize());
  session_.SetDisplaySetIndex(displaySet_.SelectedIndex());
  gridMenu_->ApplyDisplaySet(displaySet_);
  gridMenu_->SetPencilNoteVisible(false);
  strip_->SetScreenMode(Host().ScreenMode());
  strip_->update();
  grid_->update();
}

void TEnterNDesignPage::BeginReduction() {
  savedValidateCaption_ = validateLbl_->text();
  reduction_.emplace();
}

void TEnterNDesignPage::ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) {
  if (!reduction_) return;
  const QString text = FromStd(levelText);
  if (validateLbl_->text() != text) validateLbl_->setText(text);
  if (reduction_->SinceRepaint.isValid() && reduction_->SinceRepaint.elapsed() < kReductionRepaintMilliseconds) return;
  ClearCellTexts(reduction_->Texts);
  BoardToTexts(session_.Geometry(), puzzle, reduction_->Texts);
  grid_->Repaint();
  reduction_->SinceRepaint.start();
}

void TEnterNDesignPage::EndReduction() {
  reduction_.reset();
  validateLbl_->setText(savedValidateCaption_);
  grid_->update();
}

}  // namespace novlet
