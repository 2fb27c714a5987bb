// The life of a Play & Solve game, from New or a load to its end.
#include "session/play_session.h"

#include "engine/board_text.h"
#include "engine/cell_text.h"
#include "engine/novlet_engine.h"
#include "engine/solution_count.h"
#include "engine/unique_puzzle.h"
#include "session/cell_entry.h"
#include "session/grid_history.h"
#include "session/key_codes.h"
#include "session/key_map.h"

namespace novlet {

TPlaySession::TPlaySession(TNovletEngine& engine, TTimeSource now, TSessionHost* host)
    : TGridSession(engine, std::move(now), host) {}

bool TPlaySession::IsGiven(int column, int row) const {
  return IsGivenText(puzzleTexts_.at(column, row), solution_.at(column, row));
}

bool TPlaySession::BeginNewGame(const TNewGameSettings& settings) {
  if (!CanNew()) return false;
  state_ = TGameFlag::Thinking;
  ++serial_;
  ClearSolutionChoices();
  SetBoxShape(settings.BoxWidth, settings.BoxHeight);

  seed_ = settings.Seed;
  InitPuzzleRecord(record_);
  record_.Created = now_();
  NameIfUnnamed(settings);
  record_.Level = static_cast<std::uint8_t>(settings.Level);
  record_.Origin = OriginCorvex;
  record_.BoxWidth = geometry_.BoxWidth;
  record_.BoxHeight = geometry_.BoxHeight;
  // A game started without a limit keeps none, whatever the options say later.
  record_.TimeLimit = settings.TimeLimited ? settings.PlayTimeLimit : 0;
  ClearBoards();
  StateChanged();
  return true;
}

bool TPlaySession::GenerateNewGame() {
  if (state_ != TGameState(TGameFlag::Thinking)) return false;
  TNovletEngine& engine = Engine();
  bool generated = false;
  for (int attempt = 0; attempt < kMostGenerationAttempts && !generated; ++attempt) {
    if (seed_) {
      engine.Random().Seed(*seed_ ^ (0x9E3779B97F4A7C15ULL * static_cast<std::uint64_t>(attempt)));
    } else if (attempt > 0) {
      engine.Random().ReseedFromClock();
    }
    generated = GenerateUniquePuzzle(engine, solution_, puzzleTexts_, record_.Level);
  }
  if (!generated) {
    ClearBoards();
    state_ = TGameState();
    return false;
  }
  CopyCellTexts(geometry_, puzzleTexts_, grid_);
  RecomputeAlternatives();
  StartClockAt(now_());
  Play(StatusPlaying);
  return true;
}

bool TPlaySession::Open(const std::function<bool(TNovletFileData&)>& read) {
  if (state_.Has(TGameFlag::Loading)) return false;
  ++serial_;
  if (!ReadRecord(read)) return false;
  if (record_.GridHex.empty()) record_.GridHex = record_.PuzzleHex;
  state_.Set(TGameFlag::Thinking);
  StateChanged();

  if (BoardFull(geometry_, solution_) && BoardLinesValid(geometry_, solution_)) {
    // The search only fills the solutions menu and the button's count.
    TBoard scratch;
    TCellTexts scratchTexts = puzzleTexts_;
    SearchForChoices(scratch, scratchTexts, true);
  } else {
    ClearBoard(solution_);
    TCellTexts searched = puzzleTexts_;
    if (!SearchForChoices(solution_, searched, true)) TextsToBoard(geometry_, searched, solution_);
  }
  HexToTexts(geometry_, record_.GridHex, grid_);
  TextToGridNotes(geometry_, record_.GridNotes, grid_);
  RecomputeAlternatives();
  record_.ResumeTime = now_();
  state_ = TGameFlag::Playing;

  switch (record_.Status) {
    case StatusPaused: TogglePause(); break;
    case StatusFinished: state_ = TGameFlag::SolutionShown; break;
    case StatusNone:
    case StatusPlaying:
    case StatusDesignPuzzle:
    case StatusDesignMode: record_.Status = StatusPlaying; break;
    default: break;
  }
  EndIfSolved();
  return true;
}

TNovletFileData TPlaySession::RecordToStore() const {
  TNovletFileData record = record_;
  record.BoxWidth = geometry_.BoxWidth;
  record.BoxHeight = geometry_.BoxHeight;
  record.SolutionHex = BoardToHex(geometry_, solution_);
  record.PuzzleHex = TextsToHex(geometry_, puzzleTexts_);
  record.GridHex = TextsToHex(geometry_, grid_);
  record.GridNotes = GridNotesToText(geometry_, grid_);
  return record;
}

void TPlaySession::TogglePause() {
  if (!CanPause()) return;
  if (state_.Has(TGameFlag::Paused)) {
    state_.Clear(TGameFlag::Paused);
    record_.Status = StatusPlaying;
    record_.ResumeTime = now_();
  } else {
    state_.Set(TGameFlag::Paused);
    record_.Status = StatusPaused;
    ++record_.PauseCount;
  }
}

void TPlaySession::Restart() {
  if (!CanRestart()) return;
  const bool solutionWasShown = state_.Has(TGameFlag::SolutionShown);
  state_ = TGameFlag::Restarting;
  ++serial_;
  CopyCellTexts(geometry_, puzzleTexts_, grid_);
  RecomputeAlternatives();
  if (solutionWasShown)
    StartClockAt(now_());
  else
    record_.ResumeTime = now_();
  record_.History.clear();
  ++record_.RestartCount;
  Play(StatusPlaying);
}

void TPlaySession::Replay() {
  if (!state_.Has(TGameFlag::Playing) || !CanRestart()) return;
  StartClockAt(now_());
  Restart();
}

TKeyOutcome TPlaySession::KeyUp(int column, int row, int key, bool ctrl) {
  if (!state_.Has(TGameFlag::Playing) || state_.Has(TGameFlag::Paused)) return TKeyOutcome::Unchanged;
  if (!InsideBoard(column, row) || IsGiven(column, row)) return TKeyOutcome::Unchanged;
  const std::optional<int> symbol = SymbolOfKey(key);
  if (!symbol) {
    // With Ctrl held, a key without a symbol (Ctrl itself, an arrow) leaves
    // the cell alone rather than wiping its notes.
    return key == VkPause && !ctrl ? TKeyOutcome::PauseAsked : TKeyOutcome::Unchanged;
  }
  std::string& cell = grid_.at(column, row);
  const std::optional<std::string> entered = EnteredCellText(cell, *symbol, ctrl);
  if (!entered) return TKeyOutcome::Unchanged;
  PushHistoryRecord(record_.History, column, row, cell);
  cell = *entered;
  ++record_.EntryCount;
  RecomputeAlternatives();
  EndIfSolved();
  return TKeyOutcome::Changed;
}

bool TPlaySession::StillCurrent(const TCellFlash& flash) const {
  return flash.Game == serial_ && state_.Has(TGameFlag::Playing);
}

std::optional<TCellFlash> TPlaySession::BeginUndo() {
  if (!CanUndo()) return std::nullopt;
  const std::optional<THistoryRecord> record = PopHistoryRecord(record_.History);
  if (!record || !InsideBoard(record->Column, record->Row)) return std::nullopt;
  return TCellFlash{record->Column, record->Row, grid_.at(record->Column, record->Row), record->PreviousText,
                    serial_};
}

void TPlaySession::EndUndo(const TCellFlash& flash) {
  if (!StillCurrent(flash)) return;
  grid_.at(flash.Column, flash.Row) = flash.Final;
  RecomputeAlternatives();
  EndIfSolved();
}

std::optional<TCellFlash> TPlaySession::BeginHint() {
  if (!CanHint()) return std::nullopt;
  const int n = geometry_.GridSize;
  const auto toFill = [&](int c, int r) {
    const std::string& text = grid_.at(c, r);
    return solution_.at(c, r) != 0 && (text.empty() || HoldsValueList(text));
  };
  int count = 0;
  for (int r = 1; r <= n; ++r)
    for (int c = 1; c <= n; ++c) count += toFill(c, r);
  if (count < 1) return std::nullopt;

  int chosen = Engine().Random().Between(1, count);
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      if (!toFill(c, r) || --chosen > 0) continue;
      state_.Set(TGameFlag::HintRunning);
      PushHistoryRecord(record_.History, c, r, grid_.at(c, r));
      return TCellFlash{c, r, DecimalText(solution_.at(c, r)), std::string(), serial_};
    }
  }
  return std::nullopt;
}

void TPlaySession::EndHint(const TCellFlash& flash) {
  state_.Clear(TGameFlag::HintRunning);
  if (!StillCurrent(flash)) return;
  grid_.at(flash.Column, flash.Row) = flash.Shown;
  ++record_.HintCount;
  RecomputeAlternatives();
  EndIfSolved();
}

std::optional<TExplanation> TPlaySession::Explain() {
  if (!CanHint()) return std::nullopt;
  // The unique rectangle holds only on puzzles of one solution; a loaded
  // puzzle may have several, so its givens are counted before it is used.
  TBoard givens;
  TextsToBoard(geometry_, puzzleTexts_, givens);
  const TSolutionCount count = CountSolutionsUpTo(geometry_, givens, 2);
  const bool unique = count.Decided && count.Solutions == 1;
  ++record_.HintCount;
  return ExplainNextStep(geometry_, grid_, solution_, unique);
}

bool TPlaySession::BeginShowErrors() {
  if (!CanShowErrors()) return false;
  state_.Set(TGameFlag::ShowErrors);
  return true;
}

void TPlaySession::EndShowErrors() {
  if (!state_.Has(TGameFlag::ShowErrors)) return;
  state_.Clear(TGameFlag::ShowErrors);
  ++record_.ErrorCount;
}

void TPlaySession::ShowSolution() {
  if (CanShowSolution()) EndShowingSolution();
}

void TPlaySession::EndShowingSolution() {
  if (state_.Has(TGameFlag::SolutionShown)) return;
  state_ = TGameFlag::SolutionShown;
  ++serial_;
  record_.History.clear();
  record_.Status = StatusFinished;
  RemoveNotes();
}

bool TPlaySession::ChooseSolution(int n) {
  if (!CanShowSolution() || n <= 0 || n >= static_cast<int>(choices_.Lines.size())) return false;
  HexToBoard(geometry_, choices_.Lines[static_cast<std::size_t>(n)], solution_);
  state_ = TGameState();
  EndShowingSolution();
  return true;
}

TClockDisplay TPlaySession::ClockStep(bool timeLimited, TGameState window) {
  TClockDisplay display;
  const bool playing = state_.Has(TGameFlag::Playing);
  const bool paused = state_.Has(TGameFlag::Paused);
  const bool interrupted = state_.Has(TGameFlag::Loading) || window.Has(TGameFlag::NameEntryOpen);

  if (playing && !paused && !interrupted) {
    const TDateTime now = now_();
    if (!window.Has(TGameFlag::OutputCapture)) record_.TimePlayed += now - record_.ResumeTime;
    record_.ResumeTime = now;
    if (timeLimited && record_.TimeLimit > 0) {
      display.Gauge = TClockDisplay::TGauge::Limit;
      display.GaugeProgress = TimeLimitGaugeProgress(record_.TimePlayed, record_.TimeLimit);
      if (record_.TimePlayed > record_.TimeLimit) EndShowingSolution();
    } else {
      display.Gauge = TClockDisplay::TGauge::Minutes;
      display.GaugeProgress = MinuteGaugeProgress(record_.TimePlayed);
    }
    display.Label = TClockDisplay::TLabel::Time;
    display.Time = PlayTimeText(record_.TimePlayed);
  } else if (playing && paused) {
    display.Gauge = TClockDisplay::TGauge::Hidden;
  } else if (playing) {
    // Time spent loading or answering a question box is not played.
    record_.ResumeTime = now_();
  } else if (!paused && !state_.Has(TGameFlag::SolutionShown)) {
    display.Gauge = TClockDisplay::TGauge::Hidden;
  } else if (state_.Has(TGameFlag::SolutionShown)) {
    display.Gauge = TClockDisplay::TGauge::Hidden;
    display.Label = Solved() ? TClockDisplay::TLabel::Solved : TClockDisplay::TLabel::Solution;
  } else {
    display.Gauge = TClockDisplay::TGauge::Hidden;
    display.Label = TClockDisplay::TLabel::Empty;
  }
  return display;
}

std::optional<std::string> TPlaySession::AlternativesAt(int column, int row) const {
  if (!InsideBoard(column, row)) return std::nullopt;
  const std::string& puzzleText = puzzleTexts_.at(column, row);
  if (!puzzleText.empty() && puzzleText == grid_.at(column, row)) return std::nullopt;
  const std::string& alternatives = alternativeTexts_.at(column, row);
  if (alternatives.empty()) return std::nullopt;
  return alternatives;
}

bool TPlaySession::CanShowAlternatives() const {
  return aids_.Alternatives && !state_.IsBusy() && state_.Has(TGameFlag::Playing) && !state_.Has(TGameFlag::Paused);
}

void TPlaySession::CountAlternativesShown(int column, int row) {
  if (AlternativesShown(column, row)) ++record_.AlternativesCount;
}

bool TPlaySession::MenuAllowedAt(int column, int row) const {
  return state_.Has(TGameFlag::Playing) && !state_.Has(TGameFlag::Paused) && InsideBoard(column, row) &&
         solution_.at(column, row) != 0 && !IsGiven(column, row);
}

bool TPlaySession::OwnsGame() const {
  return state_.Has(TGameFlag::Playing) || state_.Has(TGameFlag::SolutionShown);
}

bool TPlaySession::CanSave() const {
  return OwnsGame() && !state_.IsBusy() && !state_.Has(TGameFlag::Paused);
}

bool TPlaySession::TakesInput() const {
  return TGridSession::TakesInput() && !state_.Has(TGameFlag::Paused) && !state_.Has(TGameFlag::Restarting);
}

bool TPlaySession::CanPause() const { return state_.Has(TGameFlag::Playing) && !state_.IsBusy(); }

bool TPlaySession::CanRestart() const {
  return (CanPause() || state_.Has(TGameFlag::SolutionShown)) && !state_.Has(TGameFlag::Restarting);
}

bool TPlaySession::CanShowSolution() const {
  return state_.Has(TGameFlag::Playing) && !state_.Has(TGameFlag::SolutionShown) && !state_.IsBusy() &&
         SolutionKnown();
}

bool TPlaySession::CanUndo() const { return GameRunning() && HasHistoryRecord(record_.History); }

bool TPlaySession::CanHint() const {
  return aids_.Hints && GameRunning() && !state_.Has(TGameFlag::HintRunning);
}

bool TPlaySession::CanShowErrors() const {
  return aids_.Errors && GameRunning() && !state_.Has(TGameFlag::ShowErrors);
}

bool TPlaySession::GameRunning() const {
  return state_.Has(TGameFlag::Playing) && !state_.Has(TGameFlag::Paused) && !state_.Has(TGameFlag::SolutionShown);
}

bool TPlaySession::SolutionKnown() const {
  return (BoardFull(geometry_, solution_) && BoardLinesValid(geometry_, solution_)) || choices_.Count() > 1;
}

bool TPlaySession::Solved() const {
  return TextsFull(geometry_, grid_) && GridMatchesBoard(geometry_, solution_, grid_);
}

void TPlaySession::Play(int status) {
  state_ = TGameFlag::Playing;
  record_.Status = static_cast<std::uint8_t>(status);
}

void TPlaySession::StartClockAt(TDateTime start) {
  record_.StartTime = start;
  record_.ResumeTime = start;
  record_.TimePlayed = 0;
}

void TPlaySession::RecomputeAlternatives() {
  TBoard scratch;
  ClearCellTexts(alternativeTexts_);
  CopyCellTexts(geometry_, grid_, alternativeTexts_);
  Engine().ComputeAlternatives(scratch, alternativeTexts_);
}

void TPlaySession::EndIfSolved() {
  if (!state_.Has(TGameFlag::Playing) || state_.Has(TGameFlag::SolutionShown) || state_.Has(TGameFlag::Paused))
    return;
  if (!Solved()) return;
  state_ = TGameFlag::SolutionShown;
  record_.Status = StatusFinished;
  ++serial_;
}

void TPlaySession::RemoveNotes() {
  const int n = geometry_.GridSize;
  for (int r = 1; r <= n; ++r)
    for (int c = 1; c <= n; ++c)
      if (HoldsValueList(grid_.at(c, r))) grid_.at(c, r).clear();
}

}  // namespace novlet
