// The literal model: the engine's algorithms word for word on strings, the oracle of the differential tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/board.h"
#include "engine/engine_host.h"
#include "engine/random_source.h"

namespace novlet {

// The engine's algorithms written out word for word on strings:
// cell texts are compared and concatenated as texts, the solution search keeps
// its bookkeeping as "name=value" lines of a real string list, and every
// random draw comes in the order the game has always drawn it. It is slow on purpose and shares
// no algorithm with the fast engine, so agreement between the two on many
// positions is what shows the fast engine gives the very same results.
class TLiteralModel {
 public:
  TLiteralModel();

  // Any shape that is not one of the 19 gives 3 x 3. SolutionCap goes back to 10.
  void SetBoxShape(int boxWidth, int boxHeight);

  int SolutionCap() const { return solutionCap_; }
  void SetSolutionCap(int cap) { solutionCap_ = cap; }
  const std::vector<std::string>& SolutionList() const { return solutionList_; }
  int SolutionCount() const;

  TRandomSource& Random() { return random_; }
  void SetHost(TEngineHost* host) { host_ = host; }

  bool ComputeAlternatives(TBoard& board, TCellTexts& texts);
  bool FindPlacesInBox(TBoard& board, TCellTexts& texts, int value, int by, int bx);
  void PromoteSingles(TCellTexts& texts, int bx, int by);

  bool SolveAndCount(TBoard& board, TCellTexts& texts, bool display, bool guess);
  bool ReduceToLevel(TBoard& board, TCellTexts& texts, int level);
  bool GeneratePuzzle(TBoard& board, TCellTexts& texts, bool reduce, int level);
  bool PlaceInBoxAtRandom(TBoard& board, int bx, int value, int by);

  // The text forms and small board operations the algorithms are built from.
  static int ReadValue(std::string_view text);
  static std::string DecimalText(int value);
  static std::string DeducedMark(int value);
  void BoardToTexts(const TBoard& board, TCellTexts& texts) const;
  void TextsToBoard(const TCellTexts& texts, TBoard& board) const;
  std::string BoardToHex(const TBoard& board) const;
  void HexToBoard(std::string_view hex, TBoard& board) const;
  std::string TextsToHex(const TCellTexts& texts) const;
  int CountInRow(const TBoard& board, int value, int row) const;
  int CountInColumn(const TBoard& board, int value, int column) const;
  int CountMarkInRow(const TCellTexts& texts, int value, int row) const;
  int CountMarkInColumn(const TCellTexts& texts, int value, int column) const;
  bool BoardLinesValid(const TBoard& board) const;
  bool BoardFull(const TBoard& board) const;
  bool TextsFull(const TCellTexts& texts) const;
  int CountEmptyTexts(const TCellTexts& texts) const;
  bool BoardsEqual(const TBoard& a, const TBoard& b) const;
  bool TextsEqual(const TCellTexts& a, const TCellTexts& b) const;

  // Column and row of position k = 1..N of box (bx, by).
  int BoxCellColumn(int bx, int k) const { return (bx - 1) * boxWidth_ + ((k - 1) % boxWidth_) + 1; }
  int BoxCellRow(int by, int k) const { return (by - 1) * boxHeight_ + ((k - 1) / boxWidth_) + 1; }

 private:
  int ScaledFrom81(int numerator) const;
  void ClearBox(TBoard& board, int bx, int by) const;
  void ProcessPendingMessages();

  int boxWidth_ = 3;
  int boxHeight_ = 3;
  int boxesAcross_ = 3;
  int boxesDown_ = 3;
  int gridSize_ = 9;
  int lineSum_ = 45;
  int solutionCap_ = 10;
  std::vector<std::string> solutionList_;
  TRandomSource random_;
  TEngineHost* host_ = nullptr;
};

}  // namespace novlet
