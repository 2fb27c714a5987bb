// The rules of an Enter & Design puzzle: the design's values and given marks
// in its two modes, validation, generation, reduction to a level and
// completion by search.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "session/grid_session.h"

namespace novlet {

// The Puzzle step tries at most this many reductions before it gives up.
inline constexpr int kMostReductionAttempts = 101;

// What a paste of text did: nothing read, a refused puzzle (Reason says
// why), or a new design, with the count of further puzzles left behind.
struct TPasteOutcome {
  enum class TKind { Refused, Empty, Unreadable, Pasted };
  TKind Kind = TKind::Refused;
  std::string Reason;
  int MorePuzzles = 0;
};

class TDesignSession : public TGridSession {
 public:
  TDesignSession(TNovletEngine& engine, TTimeSource now, TSessionHost* host = nullptr);

  // Record(): Status holds the mode (4 puzzle mode, 5 design mode).
  bool Designing() const { return state_.Has(TGameFlag::Designing); }
  bool InDesignMode() const { return state_.Has(TGameFlag::DesignMode); }
  bool Solvable() const { return state_.Has(TGameFlag::DesignSolvable); }
  // At least one cell is a given: the puzzle can be handed to Play & Solve.
  bool HasGivens() const;
  // The design's values form a complete board: it can be reduced to a puzzle.
  bool BoardComplete() const;

  // What the design allows now; each operation refuses what its query denies.
  bool OwnsGame() const override { return Designing(); }
  // Save, Print, Clipboard, the mode and the check: a design, nothing running.
  bool CanSave() const override;
  // The hand-over to Play & Solve: a design with givens.
  bool CanPlay() const;
  // Generate and Complete: design mode.
  bool CanGenerate() const;
  // Puzzle: design mode on a complete board.
  bool CanMakePuzzle() const;
  bool MenuAllowedAt(int, int) const override { return Designing(); }

  // A new empty design; it keeps the mode of the design that is open, and
  // starts in puzzle mode when none is.
  void NewDesign(const TNewGameSettings& settings);
  // A new design in puzzle mode whose givens are these values, as a puzzle
  // pasted from elsewhere arrives.
  void NewFromGivens(const TNewGameSettings& settings, const TBoard& givens);
  // The first puzzle of the text, in any of the common text forms, becomes a
  // new design in puzzle mode and is checked. Text of the open design's size
  // is read in its box shape where the usual shape differs.
  TPasteOutcome Paste(const std::string& text, TNewGameSettings settings);
  // Load and Resume open a stored puzzle for design: its play (history,
  // clock, counters) stays behind; it is validated.
  // The record as it is stored: solution and givens, no grid or notes.
  TNovletFileData RecordToStore() const override;
  // The level Save gives a typed puzzle, from the number of cells that are
  // not givens.
  int LevelEstimate() const;
  void PrepareSave() override { record_.Level = static_cast<std::uint8_t>(LevelEstimate()); }

  void EnterDesignMode();
  void EnterPuzzleMode();
  void SwitchMode();

  // A released key on cell (column, row): a value typed, a cell cleared, or
  // (in design mode) Enter toggling the given mark. True when the design
  // changed.
  bool KeyUp(int column, int row, int key);
  // The double click of design mode; false for an empty cell or in puzzle
  // mode.
  bool ToggleGiven(int column, int row);

  // Counts the solutions of the givens; sets Solvable for one or more.
  void Validate();
  // A random full board without givens.
  bool Generate();
  // Givens for the level, from the full board; validates.
  void MakePuzzle(int level);
  // Fills the design by search; validates.
  void Complete();
  // Solution n (1-based) of the last validation becomes the design.
  bool ChooseSolution(int n) override;

  // The alternatives of the design's board at a cell; shown in design mode.
  std::optional<std::string> AlternativesAt(int column, int row) const override;
  bool CanShowAlternatives() const override { return CanGenerate(); }

 private:
  bool Open(const std::function<bool(TNovletFileData&)>& read) override;
  void StartThinking();
  void EnterModeOfStatus();
  void RecomputeAlternatives();
  // A value or a given mark changed: the last verdict no longer holds, and a
  // changed given makes the offered solutions stale too.
  void DesignChanged(bool givensChanged);
  void SetValue(int column, int row, int value);
};

}  // namespace novlet
