// The life of an Enter & Design puzzle, from New or a load to its hand-over.
#include "session/design_session.h"

#include "engine/board_text.h"
#include "engine/novlet_engine.h"
#include "session/key_codes.h"
#include "session/level_estimate.h"
#include "store/text_puzzles.h"

namespace novlet {

TDesignSession::TDesignSession(TNovletEngine& engine, TTimeSource now, TSessionHost* host)
    : TGridSession(engine, std::move(now), host) {}

bool TDesignSession::HasGivens() const { return CountEmptyTexts(geometry_, puzzleTexts_) < GridSize() * GridSize(); }

bool TDesignSession::BoardComplete() const {
  return BoardFull(geometry_, solution_) && BoardLinesValid(geometry_, solution_);
}

bool TDesignSession::CanSave() const { return Designing() && !state_.IsBusy(); }

bool TDesignSession::CanPlay() const { return CanSave() && HasGivens(); }

bool TDesignSession::CanGenerate() const { return CanSave() && InDesignMode(); }

bool TDesignSession::CanMakePuzzle() const { return CanGenerate() && BoardComplete(); }

void TDesignSession::NewDesign(const TNewGameSettings& settings) {
  if (state_.Has(TGameFlag::Thinking)) return;
  StartThinking();
  SetBoxShape(settings.BoxWidth, settings.BoxHeight);

  InitPuzzleRecord(record_);
  record_.Created = now_();
  NameIfUnnamed(settings);
  record_.Level = static_cast<std::uint8_t>(settings.Level);
  record_.Origin = OriginSelf;
  record_.BoxWidth = geometry_.BoxWidth;
  record_.BoxHeight = geometry_.BoxHeight;
  record_.TimeLimit = settings.TimeLimited ? settings.PlayTimeLimit : 0;
  record_.Status = state_.Has(TGameFlag::DesignMode) ? StatusDesignMode : StatusDesignPuzzle;

  ClearBoards();
  StateChanged();
  RecomputeAlternatives();
  state_ = TGameFlag::Designing;
  EnterModeOfStatus();
}

void TDesignSession::NewFromGivens(const TNewGameSettings& settings, const TBoard& givens) {
  NewDesign(settings);
  if (!Designing()) return;
  solution_ = givens;
  ClearCellTexts(puzzleTexts_);
  BoardToTexts(geometry_, givens, puzzleTexts_);
  EnterPuzzleMode();
  RecomputeAlternatives();
  DesignChanged(true);
}

TPasteOutcome TDesignSession::Paste(const std::string& text, TNewGameSettings settings) {
  if (!CanNew()) return {};
  std::vector<TTextPuzzle> puzzles = ReadTextPuzzles(text);
  // A 6 x 6 design of boxes 2 wide reads the text 2 x 3.
  if (!puzzles.empty() && puzzles.front().Geometry().GridSize == geometry_.GridSize &&
      puzzles.front().BoxWidth != geometry_.BoxWidth)
    puzzles = ReadTextPuzzles(text, geometry_);
  if (puzzles.empty()) return {TPasteOutcome::TKind::Empty, {}, 0};
  const TTextPuzzle& puzzle = puzzles.front();
  if (puzzle.State == TTextPuzzleState::Unreadable) return {TPasteOutcome::TKind::Unreadable, puzzle.Reason, 0};
  settings.BoxWidth = puzzle.BoxWidth;
  settings.BoxHeight = puzzle.BoxHeight;
  NewFromGivens(settings, puzzle.Givens);
  Validate();
  return {TPasteOutcome::TKind::Pasted, {}, static_cast<int>(puzzles.size()) - 1};
}

bool TDesignSession::Open(const std::function<bool(TNovletFileData&)>& read) {
  if (!ReadRecord(read)) return false;
  StateChanged();
  // A design is a puzzle, not a game: the play that went with the record
  // would otherwise replay its old moves into the puzzle handed over.
  record_.GridHex.clear();
  record_.GridNotes.clear();
  record_.History.clear();
  record_.StartTime = 0;
  record_.TimePlayed = 0;
  record_.EntryCount = record_.PauseCount = record_.HintCount = 0;
  record_.ErrorCount = record_.RestartCount = record_.AlternativesCount = 0;
  RecomputeAlternatives();
  record_.ResumeTime = now_();
  state_ = TGameFlag::Designing;
  if (record_.Status != StatusDesignPuzzle && record_.Status != StatusDesignMode) record_.Status = StatusDesignPuzzle;
  EnterModeOfStatus();
  Validate();
  return true;
}

TNovletFileData TDesignSession::RecordToStore() const {
  TNovletFileData record = record_;
  record.SolutionHex = BoardToHex(geometry_, solution_);
  record.PuzzleHex = TextsToHex(geometry_, puzzleTexts_);
  record.GridHex.clear();
  record.GridNotes.clear();
  return record;
}

int TDesignSession::LevelEstimate() const { return EstimateLevel(geometry_, puzzleTexts_); }

void TDesignSession::EnterDesignMode() {
  state_.Clear(TGameFlag::PuzzleMode);
  state_.Set(TGameFlag::DesignMode);
  record_.Status = StatusDesignMode;
  BoardToTexts(geometry_, solution_, grid_);
}

void TDesignSession::EnterPuzzleMode() {
  state_.Set(TGameFlag::PuzzleMode);
  state_.Clear(TGameFlag::DesignMode);
  record_.Status = StatusDesignPuzzle;
  CopyCellTexts(geometry_, puzzleTexts_, grid_);
}

void TDesignSession::SwitchMode() {
  if (!CanSave()) return;
  if (state_.Has(TGameFlag::PuzzleMode))
    EnterDesignMode();
  else if (state_.Has(TGameFlag::DesignMode))
    EnterPuzzleMode();
}

bool TDesignSession::KeyUp(int column, int row, int key) {
  if (!Designing() || !InsideBoard(column, row)) return false;
  if (key == VkReturn) return ToggleGiven(column, row);
  const std::optional<int> symbol = SymbolOfKey(key);
  if (!symbol) return false;
  const std::string text = DecimalText(*symbol);  // "" for the clear symbol
  if (grid_.at(column, row) == text) return false;
  SetValue(column, row, *symbol);
  return true;
}

void TDesignSession::SetValue(int column, int row, int value) {
  const std::string text = DecimalText(value);
  solution_.at(column, row) = static_cast<std::uint8_t>(value);
  std::string& mark = puzzleTexts_.at(column, row);
  bool givenChanged = false;
  if (state_.Has(TGameFlag::PuzzleMode)) {
    givenChanged = mark != text;
    mark = text;
    grid_.at(column, row) = text;
  } else if (state_.Has(TGameFlag::DesignMode)) {
    if (!mark.empty()) {
      givenChanged = mark != text;
      mark = text;
    }
    grid_.at(column, row) = text;
  }
  RecomputeAlternatives();
  DesignChanged(givenChanged);
}

bool TDesignSession::ToggleGiven(int column, int row) {
  if (!CanGenerate() || !InsideBoard(column, row)) return false;
  const int value = solution_.at(column, row);
  if (value == 0) return false;
  std::string& mark = puzzleTexts_.at(column, row);
  mark = mark.empty() ? DecimalText(value) : std::string();
  DesignChanged(true);
  return true;
}

void TDesignSession::DesignChanged(bool givensChanged) {
  state_.Clear(TGameFlag::DesignSolvable);
  if (givensChanged) ClearSolutionChoices();
}

void TDesignSession::Validate() {
  if (state_.Has(TGameFlag::Thinking)) return;
  state_.Clear(TGameFlag::DesignSolvable);
  state_.Set(TGameFlag::Validating);
  ClearSolutionChoices();
  StateChanged();
  if (Designing()) {
    state_.Set(TGameFlag::Thinking);
    TBoard scratch;
    TCellTexts scratchTexts;
    CopyCellTexts(geometry_, puzzleTexts_, scratchTexts);
    const bool unique = SearchForChoices(scratch, scratchTexts, true);
    if (unique || choices_.Count() >= 2) state_.Set(TGameFlag::DesignSolvable);
  }
  state_.Clear(TGameFlag::Validating);
  state_.Clear(TGameFlag::Thinking);
}

bool TDesignSession::Generate() {
  if (!CanGenerate()) return false;
  StartThinking();
  ClearBoards();
  record_.StartTime = record_.ResumeTime = record_.TimePlayed = 0;
  TNovletEngine& engine = Engine();
  bool generated = false;
  for (int attempt = 0; attempt < kMostGenerationAttempts && !generated; ++attempt) {
    if (attempt > 0) engine.Random().ReseedFromClock();
    generated = engine.GeneratePuzzle(solution_, puzzleTexts_, false, record_.Level);
  }
  ClearCellTexts(puzzleTexts_);
  if (!generated) ClearBoard(solution_);
  RecomputeAlternatives();
  state_ = TGameFlag::Designing;
  EnterModeOfStatus();
  return generated;
}

void TDesignSession::MakePuzzle(int level) {
  if (!CanMakePuzzle()) return;
  StartThinking();
  record_.Level = static_cast<std::uint8_t>(level);
  TNovletEngine& engine = Engine();
  bool reduced = false;
  for (int attempt = 0; attempt < kMostReductionAttempts && !reduced; ++attempt) {
    ClearCellTexts(puzzleTexts_);
    BoardToTexts(geometry_, solution_, puzzleTexts_);
    reduced = engine.ReduceToLevel(solution_, puzzleTexts_, level);
  }
  if (!reduced) ClearCellTexts(puzzleTexts_);
  BoardToTexts(geometry_, solution_, grid_);
  state_.Clear(TGameFlag::Thinking);
  Validate();
}

void TDesignSession::Complete() {
  if (!CanGenerate()) return;
  // A solvable design completes from its givens alone, and only a unique
  // answer replaces it: the values typed beyond the givens are kept otherwise.
  const bool fromGivens = Solvable();
  TBoard start = solution_;
  if (fromGivens) TextsToBoard(geometry_, puzzleTexts_, start);
  StartThinking();

  TBoard scratch;
  TCellTexts scratchTexts;
  BoardToTexts(geometry_, start, scratchTexts);
  Engine().SolveAndCount(scratch, scratchTexts, false, true);
  if (Engine().SolutionCount() == 1) {
    solution_ = scratch;
    if (fromGivens) {
      ClearCellTexts(puzzleTexts_);
      BoardToTexts(geometry_, start, puzzleTexts_);
    }
    BoardToTexts(geometry_, solution_, grid_);
  } else if (!fromGivens) {
    // What the search determined, with deduced marks and alternatives lists
    // in the cells it could not decide.
    TextsToBoard(geometry_, scratchTexts, solution_);
    ClearCellTexts(grid_);
    CopyCellTexts(geometry_, scratchTexts, grid_);
  }
  RecomputeAlternatives();
  state_.Clear(TGameFlag::Thinking);
  Validate();
}

bool TDesignSession::ChooseSolution(int n) {
  if (!CanSave() || n <= 0 || n >= static_cast<int>(choices_.Lines.size())) return false;
  HexToBoard(geometry_, choices_.Lines[static_cast<std::size_t>(n)], solution_);
  BoardToTexts(geometry_, solution_, grid_);
  RecomputeAlternatives();
  return true;
}

std::optional<std::string> TDesignSession::AlternativesAt(int column, int row) const {
  if (!InsideBoard(column, row)) return std::nullopt;
  return alternativeTexts_.at(column, row);
}

void TDesignSession::StartThinking() {
  state_.Set(TGameFlag::Thinking);
  state_.Clear(TGameFlag::DesignSolvable);
  ClearSolutionChoices();
  StateChanged();
}

void TDesignSession::EnterModeOfStatus() {
  if (record_.Status == StatusDesignMode)
    EnterDesignMode();
  else
    EnterPuzzleMode();
}

void TDesignSession::RecomputeAlternatives() {
  TBoard scratch;
  ClearCellTexts(alternativeTexts_);
  BoardToTexts(geometry_, solution_, alternativeTexts_);
  Engine().ComputeAlternatives(scratch, alternativeTexts_);
}

}  // namespace novlet
