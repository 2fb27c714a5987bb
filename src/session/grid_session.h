// The board a game page works on and what its keys do to it: the core the
// play session and the design session share.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/geometry.h"
#include "session/game_state.h"
#include "session/play_clock.h"
#include "store/puzzle_record.h"

namespace novlet {

class TNovletEngine;

// What a new game or design takes from the options and the run.
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

// What a session asks of the window in the middle of a long operation. The
// window keeps painting through the engine's progress callback alone.
class TSessionHost {
 public:
  virtual ~TSessionHost() = default;
  // The state word or the board changed while the operation goes on: the
  // enabled states and the grid must follow, so that nothing is clicked that
  // would interrupt it.
  virtual void StateChanged() {}
};

// The outcome of the last search made for the user, kept by the session that
// made it: another page's search must not change this page's menu.
struct TSolutionChoices {
  // "Solutions=" and the count, then the solutions found as hex board texts.
  std::vector<std::string> Lines;
  // Items of the solutions menu: none with fewer than two solutions.
  int MenuItems = 0;
  // " [3]" or " [10+]" after the words of the Solution and Complete buttons;
  // empty when the buttons show their plain words.
  std::string CountSuffix;

  int Count() const { return Lines.empty() ? 0 : static_cast<int>(Lines.size()) - 1; }
};

class TGridSession {
 public:
  TGridSession(const TGridSession&) = delete;
  TGridSession& operator=(const TGridSession&) = delete;
  virtual ~TGridSession() = default;

  const TGeometry& Geometry() const { return geometry_; }
  int GridSize() const { return geometry_.GridSize; }
  // The full solution on Play & Solve; the design's values on Enter & Design.
  const TBoard& Solution() const { return solution_; }
  // The givens, as decimal texts; empty elsewhere.
  const TCellTexts& PuzzleTexts() const { return puzzleTexts_; }
  // What the page's grid shows, cell by cell.
  const TCellTexts& Grid() const { return grid_; }
  const TCellTexts& AlternativeTexts() const { return alternativeTexts_; }
  const TSolutionChoices& SolutionChoices() const { return choices_; }
  const TGameState& State() const { return state_; }
  // The game or design as it is kept; its board texts are filled when stored.
  const TNovletFileData& Record() const { return record_; }

  // Opens a stored game or design; false, leaving none, when the section is
  // missing or its record is refused.
  bool Load(const std::filesystem::path& file, const std::string& section);
  // Opens a record the window could not store yet, as Load opens a stored one.
  bool Resume(const TNovletFileData& unstored);
  // The record as it is stored, with the boards of the session.
  virtual TNovletFileData RecordToStore() const = 0;
  // Naming a game gives its full section name.
  void SetName(const std::string& name) { record_.Name = name; }
  // A game first stored without a name gets the default name of its
  // creation time.
  void NameIfUnnamed(const TNewGameSettings& settings);
  // The Save button stores into the collection: what the record takes first.
  virtual void PrepareSave() {}
  // The session holds a game the page stores when it is left.
  virtual bool OwnsGame() const = 0;
  // The page is left: the game, stored by then, ends here.
  void Close() { state_ = TGameState(); }
  // Save, Print and Clipboard have something to take.
  virtual bool CanSave() const = 0;
  // New may start: nothing loads, validates or thinks.
  bool CanNew() const { return !state_.IsBusy(); }
  // The grid takes keys and clicks.
  virtual bool TakesInput() const { return !state_.IsBusy(); }
  // The right-click menu offers itself on that cell (1-based).
  virtual bool MenuAllowedAt(int column, int row) const = 0;
  // The alternatives the page shows for the selected cell (1-based), when
  // the session shows any now.
  virtual bool CanShowAlternatives() const = 0;
  virtual std::optional<std::string> AlternativesAt(int column, int row) const = 0;
  std::optional<std::string> AlternativesShown(int column, int row) const {
    return CanShowAlternatives() ? AlternativesAt(column, row) : std::nullopt;
  }
  // The player met the cell's alternatives after an input.
  virtual void CountAlternativesShown(int column, int row) {
    (void)column;
    (void)row;
  }
  // Solution n (1-based) of the last search is taken; false for no such
  // solution or when the state allows none.
  virtual bool ChooseSolution(int n) = 0;

  // Which keys type which values depends on the display set.
  void SetDisplaySetIndex(int index) { displaySetIndex_ = index; }
  int DisplaySetIndex() const { return displaySetIndex_; }
  // The symbol a key gives on this board: a value 1..N, kClearSymbol for the
  // clearing keys, nothing for any other key or a value above N.
  std::optional<int> SymbolOfKey(int key) const;

  bool InsideBoard(int column, int row) const;

 protected:
  TGridSession(TNovletEngine& engine, TTimeSource now, TSessionHost* host);

  // Load and Resume: `read` fills the record, or says there is none.
  virtual bool Open(const std::function<bool(TNovletFileData&)>& read) = 0;
  // The part of Open both sessions share: the record read, with its shape,
  // solution and givens in place and the state Loading. False, leaving no
  // game, when there is no record; also while another load runs.
  bool ReadRecord(const std::function<bool(TNovletFileData&)>& read);

  void SetBoxShape(int boxWidth, int boxHeight);
  // The engine, working on this session's box shape.
  TNovletEngine& Engine();
  // A search made for the user: its solutions menu and count go to this
  // session's choices. Returns SolveAndCount's answer.
  bool SearchForChoices(TBoard& board, TCellTexts& texts, bool guess);
  void ClearSolutionChoices() { choices_ = TSolutionChoices(); }
  // Solution, givens, alternatives and the visible grid all empty.
  void ClearBoards();
  void StateChanged();

  TGeometry geometry_;
  TBoard solution_;
  TCellTexts puzzleTexts_;
  TCellTexts grid_;
  TCellTexts alternativeTexts_;
  TSolutionChoices choices_;
  // This session's own flags: which game it holds and what runs in it.
  TGameState state_;
  TTimeSource now_;
  TNovletFileData record_;

 private:
  TNovletEngine& engine_;
  TSessionHost* host_;
  int displaySetIndex_ = 0;
};

}  // namespace novlet
