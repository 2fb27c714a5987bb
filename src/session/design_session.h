// The rules of an Enter & Design puzzle: the design's values and given marks
// in its two modes, validation, generation, reduction to a level and
// completion by search.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "session/grid_session.h"
#include "session/play_clock.h"
#include "session/play_session.h"
#include "store/puzzle_record.h"

namespace novlet {

// The Puzzle step tries at most this many reductions before it gives up.
inline constexpr int kMostReductionAttempts = 101;

class TDesignSession : public TGridSession {
 public:
  TDesignSession(TNovletEngine& engine, TGameState& state, TTimeSource now, TSessionHost* host = nullptr);

  // CurrentDesign; Status holds the mode (4 puzzle mode, 5 design mode).
  const TNovletFileData& Record() const { return record_; }
  bool Designing() const { return state_.Has(TGameFlag::Designing); }
  bool InDesignMode() const { return state_.Has(TGameFlag::DesignMode); }
  bool Solvable() const { return state_.Has(TGameFlag::DesignSolvable); }
  // At least one cell is a given: the puzzle can be handed to Play & Solve.
  bool HasGivens() const;
  // The design's values form a complete board: it can be reduced to a puzzle.
  bool BoardComplete() const;

  // A new empty design; it keeps the mode of the design that is open, and
  // starts in puzzle mode when none is.
  void NewDesign(const TNewGameSettings& settings);
  // A new design in puzzle mode whose givens are these values, as a puzzle
  // pasted from elsewhere arrives.
  void NewFromGivens(const TNewGameSettings& settings, const TBoard& givens);
  // Opens a stored puzzle for design: its play (history, clock, counters)
  // stays behind. Validates it. False, leaving no design, when the section
  // is missing or its record is refused.
  bool Load(const std::filesystem::path& file, const std::string& section);
  // Opens a record the window could not store yet, as Load opens a stored one.
  bool Resume(const TNovletFileData& unstored);
  // The record as it is stored: solution and givens, no grid or notes.
  TNovletFileData RecordToStore() const;
  void SetName(const std::string& name) { record_.Name = name; }
  // The level Save gives a typed puzzle, from the number of cells that are
  // not givens.
  int LevelEstimate() const;
  void SetLevel(int level) { record_.Level = static_cast<std::uint8_t>(level); }

  void EnterDesignMode();
  void EnterPuzzleMode();
  void SwitchMode();

  // A released key on cell (column, row): a value typed, a cell cleared, or
  // (in design mode) Enter toggling the given mark. True when the design
  // changed.
  bool KeyUp(int column, int row, int key);
  // The double click of design mode; false for an empty cell.
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
  bool ChooseSolution(int n);

  // The alternatives of the design's board at a cell, in design mode.
  std::optional<std::string> AlternativesAt(int column, int row) const;

 private:
  // Load and Resume: `read` fills the record, or says there is none.
  bool Open(const std::function<bool(TNovletFileData&)>& read);
  void StartThinking();
  void EnterModeOfStatus();
  void RecomputeAlternatives();
  // A value or a given mark changed: the last verdict no longer holds, and a
  // changed given makes the offered solutions stale too.
  void DesignChanged(bool givensChanged);
  void SetValue(int column, int row, int value);

  TTimeSource now_;
  TNovletFileData record_;
};

}  // namespace novlet
