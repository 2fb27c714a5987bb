// The depth-first search that counts the solutions of a position.
#include <bit>
#include <cstring>

#include "engine/level_table.h"
#include "engine/novlet_engine.h"

// The depth-first solution search. Its bookkeeping mirrors the solution
// list's lines: solutions in the order found, the visited positions, the nodes
// entered; SolutionList() writes the lines out on demand.
namespace novlet {
namespace {

constexpr int kNodeBudget = 250;
constexpr int kMostPassesPerNode = 28;
// Length of the starting "best" text "0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F,".
constexpr int kBranchingSentinelLength = 32;

// Length of an alternatives list's text: one digit for 1..9, two for 10..16,
// and a comma between values.
int ListTextLength(detail::TValueMask mask) {
  constexpr detail::TValueMask kTwoDigitValues = 0xFE00;
  return std::popcount(mask) + std::popcount(static_cast<detail::TValueMask>(mask & kTwoDigitValues)) +
         std::popcount(mask) - 1;
}

std::uint64_t HashValues(const std::uint8_t* values, int cells) {
  std::uint64_t hash = 1469598103934665603ULL;
  for (int i = 0; i < cells; ++i) hash = (hash ^ values[i]) * 1099511628211ULL;
  return hash;
}

}  // namespace

bool TNovletEngine::RunSearch(TWorkBoard& board, TWorkTexts& texts, bool guess) {
  solutions_.clear();
  visitedHashes_.clear();
  visitedValues_.clear();
  nodeCount_ = 0;
  solutionListStale_ = true;
  SearchNode(board, texts, guess);
  return solutions_.size() == 1;
}

bool TNovletEngine::AlreadyVisited(const TWorkTexts& texts) {
  const int cells = layout_.Cells;
  std::uint8_t key[detail::kMaxCells];
  for (int i = 0; i < cells; ++i) key[i] = static_cast<std::uint8_t>(texts.Cells[i].AsValue());
  const std::uint64_t hash = HashValues(key, cells);
  for (std::size_t n = 0; n < visitedHashes_.size(); ++n) {
    if (visitedHashes_[n] == hash && std::memcmp(&visitedValues_[n * cells], key, cells) == 0) return true;
  }
  visitedHashes_.push_back(hash);
  visitedValues_.insert(visitedValues_.end(), key, key + cells);
  return false;
}

void TNovletEngine::RecordSolution(const TWorkBoard& board) {
  for (const TWorkBoard& found : solutions_) {
    if (detail::BoardsEqual(layout_, found, board)) return;
  }
  solutions_.push_back(board);
}

bool TNovletEngine::SearchNode(TWorkBoard& board, TWorkTexts& texts, bool guess) {
  if (static_cast<int>(solutions_.size()) > solutionCap_) return false;
  if (nodeCount_ + 1 > kNodeBudget) return false;
  if (AlreadyVisited(texts)) return false;
  ++nodeCount_;

  bool ok = detail::CountEmptyTexts(layout_, texts) < ScaleFrom81(layout_.N, 66);
  if (ok) {
    for (int pass = 0; pass < kMostPassesPerNode && ok && !detail::BoardFull(layout_, board); ++pass) {
      const TWorkBoard boardBefore = board;
      const TWorkTexts textsBefore = texts;
      ok = detail::ComputeAlternatives(layout_, board, texts);
      ok = ok && detail::TextsFull(layout_, texts);
      ProcessPendingMessages();
      if (detail::BoardsEqual(layout_, board, boardBefore) && detail::TextsEqual(layout_, texts, textsBefore)) break;
    }
    const bool textsFull = detail::TextsFull(layout_, texts);
    ok = detail::BoardFull(layout_, board) && detail::BoardLinesValid(layout_, board) && textsFull;
    if (ok) {
      RecordSolution(board);
    } else if (textsFull && guess) {
      const TWorkBoard boardAtBranch = board;
      const TWorkTexts textsAtBranch = texts;
      // The last cell in row order among those with the shortest list wins.
      int bestLength = kBranchingSentinelLength;
      int bestCell = -1;
      for (int i = 0; i < layout_.Cells; ++i) {
        if (board.Values[i] != 0 || !texts.Cells[i].HasComma()) continue;
        const int length = ListTextLength(texts.Cells[i].Mask);
        if (length < bestLength) {
          bestLength = length + 1;
          bestCell = i;
        }
      }
      if (bestCell >= 0 && bestLength < layout_.N) {
        for (detail::TValueMask rest = textsAtBranch.Cells[bestCell].Mask;
             rest != 0 && static_cast<int>(solutions_.size()) <= solutionCap_; rest &= rest - 1) {
          const int value = std::countr_zero(rest) + 1;
          board.Values[bestCell] = static_cast<std::uint8_t>(value);
          texts.Cells[bestCell] = {detail::TTextKind::Decimal, static_cast<std::uint8_t>(value), 0};
          SearchNode(board, texts, true);
          board = boardAtBranch;
          texts = textsAtBranch;
        }
      }
      board = boardAtBranch;
      texts = textsAtBranch;
    }
  }
  return ok;
}

}  // namespace novlet
