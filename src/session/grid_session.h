// The board a game page works on and what its keys do to it: the core the
// play session and the design session share.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/geometry.h"
#include "session/game_state.h"

namespace novlet {

class TNovletEngine;

// What a session asks of the window in the middle of a long operation.
class TSessionHost {
 public:
  virtual ~TSessionHost() = default;
  // The state word changed while the operation goes on: the enabled states
  // must follow, so that nothing is clicked that would interrupt it.
  virtual void StateChanged() {}
  // Let pending window messages run once, so the window keeps painting.
  virtual void LetEventsRun() {}
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

  // Which keys type which values depends on the display set.
  void SetDisplaySetIndex(int index) { displaySetIndex_ = index; }
  int DisplaySetIndex() const { return displaySetIndex_; }
  // The symbol a key gives on this board: a value 1..N, kClearSymbol for the
  // clearing keys, nothing for any other key or a value above N.
  std::optional<int> SymbolOfKey(int key) const;

  bool InsideBoard(int column, int row) const;

 protected:
  TGridSession(TNovletEngine& engine, TGameState& state, TSessionHost* host);

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
  void LetEventsRun();

  TGeometry geometry_;
  TBoard solution_;
  TCellTexts puzzleTexts_;
  TCellTexts grid_;
  TCellTexts alternativeTexts_;
  TSolutionChoices choices_;
  TGameState& state_;

 private:
  TNovletEngine& engine_;
  TSessionHost* host_;
  int displaySetIndex_ = 0;
};

}  // namespace novlet
