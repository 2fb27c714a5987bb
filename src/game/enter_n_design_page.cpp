// The "Enter & Design" page: its controls, what their clicks and keys ask of
// the design session, and what the page shows of it.
#include "game/enter_n_design_page.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QShortcut>

#include "engine/board_text.h"
#include "game/frame_look.h"
#include "game/grid_popup_menu.h"
#include "game/novlet_grid.h"
#include "game/pie_gauge.h"
#include "game/run_folders.h"
#include "game/store_messages.h"
#include "render/grid_look.h"
#include "store/language/text_ids.h"
#include "store/options_record.h"
#include "ui/base_btn.h"
#include "ui/dialogs.h"
#include "ui/std_text.h"

namespace novlet {
namespace {

// A running reduction redraws its puzzle at most this often: on big boards
// removals come faster than the grid can usefully be painted.
constexpr int kReductionRepaintMilliseconds = 30;

}  // namespace

TEnterNDesignPage::TEnterNDesignPage(TPageHost& host)
    : TGridPage(host, TPageKind::EnterNDesign, TextId::EnterNDesignPage, session_),
      session_(host.Engine(), host.Clock(), this) {
  CreateControls();
}

void TEnterNDesignPage::CreateControls() {
  // A design has no pencil notes: its menu offers values only. The
  // validation's verdict stands where Play & Solve shows the level.
  CreateGridControls({"EnterNDesign", "EnterNDesignStatusLbl", "EnterNDesignValidateLbl", TextId::DesignStrip,
                      TextId::DesignAlternatives, false});
  StatusLbl()->setText(Host().Text(TextId::PuzzleModeName));
  bottomLbl_->setText(Host().Text(TextId::PuzzleInvalid));
  connect(grid_, &TNovletGrid::doubleClicked, this, &TEnterNDesignPage::GridDblClick);
  // A puzzle found elsewhere comes in through the clipboard, by Ctrl+V or
  // from the grid menu.
  pasteItem_ = gridMenu_->addAction(QString());
  pasteItem_->setObjectName(QStringLiteral("PastePuzzle"));
  connect(pasteItem_, &QAction::triggered, this, &TEnterNDesignPage::PasteClick);
  auto* paste = new QShortcut(QKeySequence::Paste, this);
  paste->setContext(Qt::WidgetWithChildrenShortcut);
  connect(paste, &QShortcut::activated, this, &TEnterNDesignPage::PasteClick);

  // Three groups: the design as a whole, its mode and check, the engine's
  // help. The Mode and Complete captions follow the design.
  CreateGridButtons({
      {newBtn_, "EnterNDesignNewBtn", 34, TextId::DesignNew, [this] { NewBtnClick(); }},
      {saveBtn_, "EnterNDesignSaveBtn", 54, TextId::DesignSave, [this] { SaveBtnClick(); }},
      {playNSolveBtn_, "EnterNDesignPlayNSolveBtn", 74, TextId::DesignPlayNSolve, [this] { PlayNSolveBtnClick(); }},
      {printBtn_, "EnterNDesignPrintBtn", 94, TextId::DesignPrint, [this] { PrintBtnClick(); }},
      {clipboardBtn_, "EnterNDesignClipboardBtn", 114, TextId::DesignClipboard, [this] { ClipboardBtnClick(); }},
      {modeBtn_, "EnterNDesignModeBtn", 144, kCaptionFollowsState,
       [this] {
         session_.SwitchMode();
         grid_->update();
         Host().UpdateStatus();
       }},
      {checkPuzzleBtn_, "EnterNDesignCheckPuzzleBtn", 164, TextId::CheckPuzzle,
       [this] {
         if (session_.CanSave()) session_.Validate();
         EndOperation();
       }},
      {generateBtn_, "EnterNDesignGenerateBtn", 194, TextId::Generate, [this] { GenerateBtnClick(); }},
      {puzzleBtn_, "EnterNDesignPuzzleBtn", 214, TextId::MakePuzzle, [this] { PuzzleBtnClick(); }},
      {solutionsBtn_, "EnterNDesignCompleteBtn", 234, kCaptionFollowsState, [this] { SolutionsPopupClick(); }},
  });
}

TGridScene TEnterNDesignPage::Scene() const {
  if (!reduction_) return TGridPage::Scene();
  // The puzzle taking shape: its givens stand out on the contrast colour
  // and no ruler crosses them.
  TGridScene scene = SceneOf(reduction_->Texts, reduction_->Texts);
  scene.Look.Ruler = false;
  scene.Look.ContrastPuzzle = true;
  return scene;
}

std::string TEnterNDesignPage::LastGameSection() const { return LastEnterNDesignSectionName(Host().UserName()); }

// --- The design ---

void TEnterNDesignPage::NewClick(int boxWidth, int boxHeight) {
  if (!session_.CanNew()) return;
  grid_->SelectCell(0, 0);
  session_.NewDesign(NewGameSettings(boxWidth, boxHeight));
  FollowGridSize();
  EndOperation();
}

void TEnterNDesignPage::PasteClick() {
  const TGeometry& shape = session_.Geometry();
  const TPasteOutcome pasted = session_.Paste(QGuiApplication::clipboard()->text().toStdString(),
                                              NewGameSettings(shape.BoxWidth, shape.BoxHeight));
  const auto tell = [this](const QString& text) { Host().Dialogs().Tell(text, Host().Text(TextId::Ok)); };
  switch (pasted.Kind) {
    case TPasteOutcome::TKind::Refused: return;
    case TPasteOutcome::TKind::Empty: tell(Host().Text(TextId::NothingToPaste)); return;
    case TPasteOutcome::TKind::Unreadable:
      tell(Host().Text(TextId::PasteRefused) + StoreMessageText(pasted.Reason, Host().Texts()));
      return;
    case TPasteOutcome::TKind::Pasted: break;
  }
  grid_->SelectCell(0, 0);
  FollowGridSize();
  EndOperation();
  if (pasted.MorePuzzles == 1) tell(Host().Text(TextId::PastedOneMore));
  if (pasted.MorePuzzles > 1) tell(Host().Text(TextId::PastedMore).arg(pasted.MorePuzzles));
}

void TEnterNDesignPage::ShowOpened(bool) {
  FollowGridSize();
  EndOperation();
}

void TEnterNDesignPage::PlayNSolveBtnClick() {
  if (!session_.CanPlay()) return;
  // Leaving the page stores the design again; stored first, a design that
  // cannot be written never hands over an older one left in the section.
  if (!SaveGame(LastGameFile(), LastGameSection(), false)) return;
  Host().OpenStoredPuzzle(TPageKind::PlayNSolve, LastGameFile(), LastGameSection(), TOpenMode::Continue);
}

void TEnterNDesignPage::GenerateBtnClick() {
  if (!session_.CanGenerate()) return;
  gauge_->SetProgress(0);
  grid_->SelectCell(0, 0);
  const bool generated = session_.Generate();
  EndOperation();
  if (!generated) Host().Dialogs().Tell(Host().Text(TextId::NothingGenerated), Host().Text(TextId::Ok));
}

void TEnterNDesignPage::PuzzleBtnClick() {
  if (!session_.CanMakePuzzle()) return;
  gauge_->SetProgress(0);
  grid_->SelectCell(0, 0);
  // The level chosen on the Options page when Puzzle is pressed, as New takes it.
  session_.MakePuzzle(Host().Options().Level);
  EndOperation();
}

void TEnterNDesignPage::CompleteBtnClick() {
  if (!session_.CanGenerate()) return;
  session_.Complete();
  grid_->SelectCell(0, 0);
  EndOperation();
}

void TEnterNDesignPage::SolutionsBtnAlone() { CompleteBtnClick(); }

void TEnterNDesignPage::SolutionChosen() { grid_->SelectCell(0, 0); }

void TEnterNDesignPage::EndOperation() {
  gauge_->hide();
  grid_->update();
  Host().UpdateStatus();
}

// --- Input ---

void TEnterNDesignPage::GridKeyUp(int key, TShiftState) {
  // Every key is a value key here: a design has no pencil notes.
  session_.KeyUp(grid_->SelectedColumn(), grid_->SelectedRow(), key);
  grid_->Repaint();
  Host().UpdateStatus();
}

void TEnterNDesignPage::GridDblClick() {
  session_.ToggleGiven(grid_->SelectedColumn(), grid_->SelectedRow());
  grid_->Repaint();
  Host().UpdateStatus();
}

// --- What the page shows ---

void TEnterNDesignPage::SetStateCaptions() {
  const TGameState state = session_.State();
  const bool designMode = state.Has(TGameFlag::DesignMode);
  // The button offers the other mode; the label names this one, unless the
  // "Thinking" animation has it.
  ApplyTexts(modeBtn_, designMode ? TextId::PuzzleModeBtn : TextId::DesignModeBtn);
  if (!state.Has(TGameFlag::Thinking))
    StatusLbl()->setText(Host().Text(designMode ? TextId::DesignModeName : TextId::PuzzleModeName));
  SetCentredCaption(solutionsBtn_, Host().Text(TextId::Complete) + FromStd(session_.SolutionChoices().CountSuffix));
  solutionsBtn_->setToolTip(FromStd(Host().Texts().Control(TextId::Complete).Hint));
}

QString TEnterNDesignPage::ValidationText() const {
  const TGameState state = session_.State();
  if (state.Has(TGameFlag::Validating)) return Host().Text(TextId::Validating);
  if (!state.Has(TGameFlag::Designing) || state.Has(TGameFlag::Thinking) || !state.Has(TGameFlag::DesignSolvable))
    return Host().Text(TextId::PuzzleInvalid);
  return Host().Text(TextId::PuzzleSolvable) + FromStd(session_.SolutionChoices().CountSuffix);
}

void TEnterNDesignPage::RefreshStatus() {
  TGridPage::RefreshStatus();
  for (TBaseBtn* button : {modeBtn_, checkPuzzleBtn_}) button->setEnabled(session_.CanSave());
  playNSolveBtn_->setEnabled(session_.CanPlay());
  generateBtn_->setEnabled(session_.CanGenerate());
  solutionsBtn_->setEnabled(session_.CanGenerate());
  puzzleBtn_->setEnabled(session_.CanMakePuzzle());
  SetStateCaptions();
  // A running reduction shows its progress on the label.
  if (!reduction_) bottomLbl_->setText(ValidationText());
}

void TEnterNDesignPage::Tick() {
  const TGameState state = session_.State();
  if (!state.Has(TGameFlag::Designing)) return;
  if (state.Has(TGameFlag::Thinking))
    AnimateThinking(TextId::DesignThinking);
  else
    gauge_->hide();
}

// --- The page in the window ---

void TEnterNDesignPage::OpenStoredPuzzle(const std::filesystem::path& file, const std::string& section, TOpenMode) {
  grid_->SelectCell(0, 0);
  ShowOpened(session_.Load(file, section));
}

void TEnterNDesignPage::Translate() {
  TGridPage::Translate();
  pasteItem_->setText(Host().Text(TextId::PastePuzzle));
  SetStateCaptions();
}

void TEnterNDesignPage::BeginReduction() {
  TGridPage::BeginReduction();
  reduction_.emplace();
}

void TEnterNDesignPage::ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) {
  if (!reduction_) return;
  TGridPage::ShowReductionProgress(levelText, puzzle);
  if (reduction_->SinceRepaint.isValid() && reduction_->SinceRepaint.elapsed() < kReductionRepaintMilliseconds) return;
  ClearCellTexts(reduction_->Texts);
  BoardToTexts(session_.Geometry(), puzzle, reduction_->Texts);
  grid_->Repaint();
  reduction_->SinceRepaint.start();
}

void TEnterNDesignPage::EndReduction() {
  TGridPage::EndReduction();
  reduction_.reset();
  grid_->update();
}

}  // namespace novlet
