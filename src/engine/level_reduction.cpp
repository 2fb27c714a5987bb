// Reduction of a full board to a puzzle of a level.
#include <string>

#include "engine/board_text.h"
#include "engine/level_table.h"
#include "engine/novlet_engine.h"

namespace novlet {
namespace {

// Turns a board of givens into the working form of its texts: decimal
// values and empty cells, as BoardToTexts would write them.
void GivensToTexts(int cells, const detail::TWorkBoard& givens, detail::TWorkTexts& texts) {
  for (int i = 0; i < cells; ++i) {
    const std::uint8_t value = givens.Values[i];
    texts.Cells[i] = value == 0 ? detail::TWorkText{} : detail::TWorkText{detail::TTextKind::Decimal, value, 0};
  }
}

}  // namespace

bool TNovletEngine::ReduceToLevel(TBoard& board, TCellTexts& texts, int level) {
  if (busy_) return false;
  busy_ = true;
  const bool reduced = ReduceBoard(board, texts, level);
  busy_ = false;
  return reduced;
}

bool TNovletEngine::ReduceBoard(TBoard& board, TCellTexts& texts, int level) {
  if (host_) host_->BeginReduction();
  solutionCap_ = 1;
  const bool reduced = BoardFull(geometry_, board) && BoardLinesValid(geometry_, board) && RemoveGivens(board, texts, level);
  if (host_) host_->EndReduction();
  solutionCap_ = kRestingSolutionCap;
  return reduced;
}

bool TNovletEngine::RemoveGivens(TBoard& board, TCellTexts& texts, int level) {
  const int cells = layout_.Cells;
  TWorkBoard solution;
  detail::LoadBoard(layout_, board, solution);
  TWorkBoard current = solution;  // the puzzle so far: givens, 0 where removed
  TWorkBoard searchBoard = solution;
  TWorkTexts searchTexts;
  GivensToTexts(cells, current, searchTexts);
  // The caller's board and texts stay as they were unless the reduction succeeds.
  if (!RunSearch(searchBoard, searchTexts, false)) return false;

  std::array<bool, detail::kMaxCells> tried{};
  const int target = RemovalTarget(layout_.N, level, random_);
  const std::string targetText(LevelTargetText(level));
  bool fiendish = false;
  int removed = 0;
  int open = cells;
  while (removed < target && open >= 1) {
    open = 0;
    for (int i = 0; i < cells; ++i) open += current.Values[i] != 0 && !tried[i];
    if (open > 0) {
      int chosen = -1;
      for (int i = 0, wanted = random_.Between(1, open); i < cells; ++i) {
        if (current.Values[i] != 0 && !tried[i] && --wanted == 0) {
          chosen = i;
          break;
        }
      }
      current.Values[chosen] = 0;
      tried[chosen] = true;
      searchBoard = current;
      GivensToTexts(cells, current, searchTexts);
      if (RunSearch(searchBoard, searchTexts, fiendish)) {
        tried.fill(false);
        ++removed;
        if (host_) {
          TBoard puzzle;
          detail::StoreBoard(layout_, current, puzzle);
          host_->ShowReductionProgress(fiendish ? std::string(kFiendishText) : targetText, puzzle);
        }
        ProcessPendingMessages();
      } else {
        current.Values[chosen] = solution.Values[chosen];
      }
    }
    if (removed < target && open != 0) continue;
    // Expert boards of side 9 or less that propagation cannot thin further
    // go on with a search that may guess.
    if (layout_.N <= 9 && !fiendish && level == kLevelExpert) {
      fiendish = true;
      tried.fill(false);
      open = cells;
    }
  }

  for (int r = 1; r <= layout_.N; ++r)
    for (int c = 1; c <= layout_.N; ++c) texts.at(c, r) = DecimalText(current.Values[(r - 1) * layout_.N + (c - 1)]);
  return true;
}

}  // namespace novlet
