// The rules of a Play & Solve game: its record, the player's grid, the clock,
// the counters, the undo history, the aids and the end of the game.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "session/explain_step.h"
#include "session/grid_session.h"
#include "session/play_clock.h"
#include "store/puzzle_record.h"

namespace novlet {

// What a new game takes from the options and the run.
struct TNewGameSettings {
  int BoxWidth = 3;
  int BoxHeight = 3;
  int Level = 1;
  bool TimeLimited = false;
  TDateTime PlayTimeLimit = 0;
  std::string UserName;
  // The user's month names, for the puzzle's default name.
  std::array<std::string, 12> MonthNames;
  // A fixed seed makes the same puzzle every time, retries included (the
  // command line); without one every game is new.
  std::optional<std::uint64_t> Seed;
};

// Generation gives up after this many failed attempts in a row, so a fault
// can never leave the window thinking for ever.
inline constexpr int kMostGenerationAttempts = 200;

// What a key did to the selected cell.
enum class TKeyOutcome { Unchanged, Changed, PauseAsked };

// A cell an aid is about to change: it shows `Shown` and `Final` by turns
// while the window lives on, and keeps `Final`.
struct TCellFlash {
  int Column = 0;
  int Row = 0;
  std::string Shown;
  std::string Final;
  int Game = 0;  // the game it belongs to
};

// What one tick of the clock shows.
struct TClockDisplay {
  enum class TGauge { Unchanged, Hidden, Minutes, Limit };
  enum class TLabel { Unchanged, Time, Solved, Solution, Empty };
  TGauge Gauge = TGauge::Unchanged;
  int GaugeProgress = 0;
  TLabel Label = TLabel::Unchanged;
  std::string Time;  // "nn:ss" with Label Time
};

class TPlaySession : public TGridSession {
 public:
  TPlaySession(TNovletEngine& engine, TGameState& state, TTimeSource now, TSessionHost* host = nullptr);

  // CurrentGame: its clock fields, counters, history and status are kept
  // current as the game goes on; its board texts are filled when stored.
  const TNovletFileData& Record() const { return record_; }

  // The cell (1-based) is a given: its givens text is the decimal text of
  // its solution value. An empty solution cell reads "0", so an open cell of
  // an undecided solution is never a given.
  bool IsGiven(int column, int row) const;

  // New, in two steps so the page can show the blank grid between them:
  // the state turns to Thinking, a fresh record and empty boards...
  void BeginNewGame(const TNewGameSettings& settings);
  // ...then the engine generates until it succeeds, reseeding before each
  // retry, and play starts. False, leaving no game, when every attempt failed.
  bool GenerateNewGame();

  // Opens a stored game; false, leaving no game, when the section is missing
  // or its record is refused.
  bool Load(const std::filesystem::path& file, const std::string& section);
  // Opens a record the window could not store yet, as Load opens a stored one.
  bool Resume(const TNovletFileData& unstored);
  // The record as it is stored, with the boards of the game.
  TNovletFileData RecordToStore() const;
  // A game first stored gets its default name; naming it gives the full
  // section name.
  void SetName(const std::string& name) { record_.Name = name; }

  void TogglePause();
  void Restart();
  // Replay & Solve: the game starts again from its givens with a fresh clock.
  void Replay();

  // A released key on cell (column, row): a value or, with Ctrl, a pencil
  // note, in an open cell of a running game.
  TKeyOutcome KeyUp(int column, int row, int key, bool ctrl);

  // Undo takes the newest history record off; Hint draws a cell to fill and
  // records it. Each ends before the next input (the page flashes the cell
  // afterwards, as a picture only); a game that changed in between is left
  // alone. Each is refused, like Show Errors, when CanUndo, CanHint or
  // CanShowErrors says no, whoever asks.
  std::optional<TCellFlash> BeginUndo();
  void EndUndo(const TCellFlash& flash);
  std::optional<TCellFlash> BeginHint();
  // The flash's game goes on: no New, load, restart or end came in between.
  bool StillCurrent(const TCellFlash& flash) const;
  void EndHint(const TCellFlash& flash);
  bool HintRunning() const { return state_.Has(TGameFlag::HintRunning); }
  // Explains the next step from the player's position, or the first wrong
  // value, and counts it as a hint; refused (nothing) when a hint would be.
  // It changes nothing on the board: the player makes the move.
  std::optional<TExplanation> Explain();
  // Errors: the grid is painted with error marks between the two.
  void BeginShowErrors();
  void EndShowErrors();
  // The game ends showing the solution (also when the time is up).
  void ShowSolution();
  // Solution n (1-based) of the last search is the one shown; false for no
  // such solution.
  bool ChooseSolution(int n);

  // One tick of the main timer while nothing is thinking.
  TClockDisplay ClockStep(bool timeLimited);

  // The alternatives to show for a cell: its alternatives text, nothing for
  // a given or a cell without one.
  std::optional<std::string> AlternativesAt(int column, int row) const;
  // A refresh showed the selected cell's alternatives to the player.
  void CountAlternativesShown() { ++record_.AlternativesCount; }

  // The right-click menu of a running game offers itself on open cells.
  bool MenuAllowedAt(int column, int row) const;
  // The aids of a running game; the options may still forbid hints and errors.
  bool CanUndo() const;
  bool CanHint() const;
  bool CanShowErrors() const;
  // The Solution button has something to show.
  bool SolutionKnown() const;
  // Every cell holds its solution value.
  bool Solved() const;

 private:
  // Load and Resume: `read` fills the record, or says there is none.
  bool Open(const std::function<bool(TNovletFileData&)>& read);
  void Play(int status);
  void StartClockAt(TDateTime start);
  void RecomputeAlternatives();
  // A grid full and correct ends the game at once.
  void EndIfSolved();
  // Played, neither paused nor over: the aids may run.
  bool GameRunning() const;
  void RemoveNotes();

  TTimeSource now_;
  std::optional<std::uint64_t> seed_;
  TNovletFileData record_;
  // A game begun or ended since a flash started: its cell is left alone.
  int serial_ = 0;
};

}  // namespace novlet
