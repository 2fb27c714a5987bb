// The rules of a Play & Solve game: its record, the player's grid, the clock,
// the counters, the undo history, the aids and the end of the game.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "session/explain_step.h"
#include "session/grid_session.h"

namespace novlet {

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

// The aids the player's options allow.
struct TAidOptions {
  bool Hints = true;
  bool Errors = true;
  bool Alternatives = true;
};

class TPlaySession : public TGridSession {
 public:
  TPlaySession(TNovletEngine& engine, TTimeSource now, TSessionHost* host = nullptr);

  void SetAidOptions(const TAidOptions& aids) { aids_ = aids; }

  // Record(): its clock fields, counters, history and status are kept
  // current as the game goes on.

  // The cell (1-based) is a given: its givens text is the decimal text of
  // its solution value. An empty solution cell reads "0", so an open cell of
  // an undecided solution is never a given.
  bool IsGiven(int column, int row) const;

  // New, in two steps so the page can show the blank grid between them:
  // the state turns to Thinking, a fresh record and empty boards...
  bool BeginNewGame(const TNewGameSettings& settings);
  // ...then the engine generates until it succeeds, reseeding before each
  // retry, and play starts. False, leaving no game, when every attempt failed
  // or New was refused (CanNew).
  bool GenerateNewGame();

  TNovletFileData RecordToStore() const override;
  // Played or over: the page stores it when it is left.
  bool OwnsGame() const override;
  // Played or over, not paused.
  bool CanSave() const override;

  void TogglePause();
  void Restart();
  // Replay & Solve: the game played starts again from its givens with a
  // fresh clock.
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
  // Errors: the grid is painted with error marks between the two. False
  // when refused.
  bool BeginShowErrors();
  void EndShowErrors();
  // The game ends showing the solution; the time running out ends it so too.
  void ShowSolution();
  // Solution n of the last search is the one shown, and the game ends.
  bool ChooseSolution(int n) override;

  // One tick of the main timer while nothing is thinking. The window's own
  // flags hold the clock: time spent answering a question box or drawing the
  // grid for output is not played.
  TClockDisplay ClockStep(bool timeLimited, TGameState window = TGameState());

  // The alternatives to show for a cell: its alternatives text, nothing for
  // a given or a cell without one.
  std::optional<std::string> AlternativesAt(int column, int row) const override;
  // In a running game, when the player's options want them.
  bool CanShowAlternatives() const override;
  // Counted when they are shown.
  void CountAlternativesShown(int column, int row) override;

  // The right-click menu of a running game offers itself on open cells.
  bool MenuAllowedAt(int column, int row) const override;
  // Neither paused nor restarting.
  bool TakesInput() const override;
  // Pause and Restart: the game runs, or (Restart) is over.
  bool CanPause() const;
  bool CanRestart() const;
  // The aids of a running game that the player's options allow.
  bool CanUndo() const;
  bool CanHint() const;
  bool CanShowErrors() const;
  // The Solution button has something to show in a game still going on.
  bool SolutionKnown() const;
  bool CanShowSolution() const;
  // Every cell holds its solution value.
  bool Solved() const;

 private:
  bool Open(const std::function<bool(TNovletFileData&)>& read) override;
  void Play(int status);
  void StartClockAt(TDateTime start);
  void RecomputeAlternatives();
  // A grid full and correct ends the game at once.
  void EndIfSolved();
  void EndShowingSolution();
  // Played, neither paused nor over: the aids may run.
  bool GameRunning() const;
  void RemoveNotes();

  std::optional<std::uint64_t> seed_;
  TAidOptions aids_;
  // A game begun or ended since a flash started: its cell is left alone.
  int serial_ = 0;
};

}  // namespace novlet
