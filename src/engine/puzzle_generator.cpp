// Random full boards, and puzzles of a level made from them.
#include "engine/board_text.h"
#include "engine/novlet_engine.h"

namespace novlet {
namespace {

constexpr int kDrawsPerValue = 500;
constexpr int kRefillAfterFailures = 12;
constexpr int kMostFailuresPerBox = 26;
constexpr int kMostReductions = 101;

}  // namespace

bool TNovletEngine::PlaceInBoxAtRandom(TBoard& board, int bx, int value, int by) {
  const TGeometry& g = geometry_;
  int emptyCells = 0;
  for (int k = 1; k <= g.GridSize; ++k) {
    const int cell = board.at(g.BoxCellColumn(bx, k), g.BoxCellRow(by, k));
    if (cell == value) return true;
    emptyCells += cell == 0;
  }
  if (emptyCells == 0) return false;
  for (int draw = 0; draw < kDrawsPerValue; ++draw) {
    int wanted = random_.Between(1, emptyCells);
    for (int k = 1; k <= g.GridSize; ++k) {
      const int c = g.BoxCellColumn(bx, k);
      const int r = g.BoxCellRow(by, k);
      if (board.at(c, r) != 0 || --wanted != 0) continue;
      if (CountInRow(g, board, value, r) == 0 && CountInColumn(g, board, value, c) == 0) {
        board.at(c, r) = static_cast<std::uint8_t>(value);
        return true;
      }
      break;
    }
  }
  return false;
}

bool TNovletEngine::GeneratePuzzle(TBoard& board, TCellTexts& texts, bool reduce, int level) {
  if (busy_) return false;
  busy_ = true;
  const TGeometry& g = geometry_;
  solutionCap_ = 0;
  ClearBoard(board);
  ClearCellTexts(texts);

  // Fill the boxes of a checkerboard pattern at random; a box that keeps
  // failing is emptied and refilled, and one that fails too often ends the
  // try. Only failed placements count: a 16-value box would otherwise spend
  // most of its allowance on the placements that worked.
  int tries = 0;
  bool placed = false;
  for (int by = 1; by <= g.BoxesDown; ++by) {
    for (int bx = 1; bx <= g.BoxesAcross; ++bx) {
      if (tries >= kMostFailuresPerBox) continue;
      tries = 0;
      if ((bx + by) % 2 != 0) continue;
      for (int value = 1; value <= g.GridSize && tries < kMostFailuresPerBox;) {
        placed = PlaceInBoxAtRandom(board, bx, value, by);
        if (placed) {
          ++value;
          continue;
        }
        if (tries > kRefillAfterFailures) {
          ClearBox(g, board, bx, by);
          value = 1;
        }
        ++tries;
      }
    }
  }

  bool generated = false;
  if (placed) {
    BoardToTexts(g, board, texts);
    TWorkBoard workBoard;
    TWorkTexts workTexts;
    detail::LoadBoard(layout_, board, workBoard);
    detail::LoadTexts(layout_, texts, workTexts);
    RunSearch(workBoard, workTexts, true);
    if (!solutions_.empty()) {
      ClearBoard(board);
      detail::StoreBoard(layout_, solutions_.back(), board);
      ClearCellTexts(texts);
      generated = true;
    } else {
      detail::StoreBoard(layout_, workBoard, board);
      detail::StoreTexts(layout_, workTexts, texts);
    }
  }
  solutionCap_ = kRestingSolutionCap;

  if (generated && reduce) {
    for (int attempt = 0; attempt < kMostReductions; ++attempt) {
      ClearCellTexts(texts);
      BoardToTexts(g, board, texts);
      generated = ReduceBoard(board, texts, level);
      if (generated) break;
    }
  }
  busy_ = false;
  return generated;
}

}  // namespace novlet
