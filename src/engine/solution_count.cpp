// Exact solution counting with no node budget, for verdicts that must not depend on how hard a puzzle is.
#include "engine/solution_count.h"

#include <array>
#include <bit>

namespace novlet {
namespace {

using TMask = std::uint32_t;  // bit v - 1 stands for value v

constexpr int kMaxCells = kMaxGridSize * kMaxGridSize;
constexpr int kUnitKinds = 3;  // rows, columns, boxes

struct TState {
  std::array<std::uint8_t, kMaxCells> Values{};         // row order
  std::array<TMask, kUnitKinds * kMaxGridSize> Used{};  // the values each unit holds
};

class TExactCounter {
 public:
  TExactCounter(const TGeometry& g, int limit, std::int64_t nodeCap)
      : n_(g.GridSize), cells_(n_ * n_), full_((TMask{1} << n_) - 1), limit_(limit), nodeCap_(nodeCap) {
    std::array<int, kUnitKinds * kMaxGridSize> filled{};
    for (int cell = 0; cell < cells_; ++cell) {
      const int row = cell / n_;
      const int column = cell % n_;
      const int box = row / g.BoxHeight * g.BoxesAcross + column / g.BoxWidth;
      unitsOf_[cell] = {static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(n_ + column),
                        static_cast<std::uint8_t>(2 * n_ + box)};
      for (const std::uint8_t unit : unitsOf_[cell]) members_[unit][filled[unit]++] = static_cast<std::uint8_t>(cell);
    }
  }

  TSolutionCount Count(const TBoard& givens) {
    TState start;
    for (int cell = 0; cell < cells_; ++cell) {
      const int value = givens.at(cell % n_ + 1, cell / n_ + 1);
      if (value == 0) continue;
      if (value > n_ || !Place(start, cell, value)) return result_;
    }
    Search(start);
    return result_;
  }

 private:
  TMask Candidates(const TState& s, int cell) const {
    const auto& units = unitsOf_[cell];
    return full_ & ~(s.Used[units[0]] | s.Used[units[1]] | s.Used[units[2]]);
  }

  bool Place(TState& s, int cell, int value) const {
    const TMask bit = TMask{1} << (value - 1);
    for (const std::uint8_t unit : unitsOf_[cell]) {
      if (s.Used[unit] & bit) return false;
      s.Used[unit] |= bit;
    }
    s.Values[cell] = static_cast<std::uint8_t>(value);
    return true;
  }

  // Places the values of cells with one candidate and of units with one place
  // for a value, until none is left. False on a contradiction; otherwise the
  // cell to branch on, -1 when the board is full.
  bool Propagate(TState& s, int& branchCell) const {
    for (;;) {
      bool placed = false;
      int fewest = n_ + 1;
      branchCell = -1;
      for (int cell = 0; cell < cells_; ++cell) {
        if (s.Values[cell] != 0) continue;
        const TMask candidates = Candidates(s, cell);
        const int count = std::popcount(candidates);
        if (count == 0) return false;
        if (count == 1) {
          Place(s, cell, std::countr_zero(candidates) + 1);
          placed = true;
        } else if (count < fewest) {
          fewest = count;
          branchCell = cell;
        }
      }
      if (placed) continue;
      for (int unit = 0; unit < kUnitKinds * n_; ++unit) {
        TMask once = 0;
        TMask twice = 0;
        for (int k = 0; k < n_; ++k) {
          const int cell = members_[unit][k];
          if (s.Values[cell] != 0) continue;
          const TMask candidates = Candidates(s, cell);
          twice |= once & candidates;
          once |= candidates;
        }
        const TMask missing = full_ & ~s.Used[unit];
        if (missing & ~once) return false;
        for (TMask singles = missing & ~twice; singles != 0; singles &= singles - 1) {
          const TMask bit = singles & (~singles + 1);
          int home = -1;
          for (int k = 0; k < n_ && home < 0; ++k) {
            const int cell = members_[unit][k];
            if (s.Values[cell] == 0 && (Candidates(s, cell) & bit)) home = cell;
          }
          if (home < 0 || !Place(s, home, std::countr_zero(bit) + 1)) return false;
          placed = true;
        }
      }
      if (!placed) return true;
    }
  }

  void Search(TState s) {
    if (++nodes_ > nodeCap_) {
      result_.Decided = false;
      return;
    }
    int branchCell = -1;
    if (!Propagate(s, branchCell)) return;
    if (branchCell < 0) {
      if (result_.Solutions++ == 0) {
        for (int cell = 0; cell < cells_; ++cell)
          result_.FirstSolution.at(cell % n_ + 1, cell / n_ + 1) = s.Values[cell];
      }
      return;
    }
    for (TMask rest = Candidates(s, branchCell); rest != 0; rest &= rest - 1) {
      TState next = s;
      Place(next, branchCell, std::countr_zero(rest) + 1);
      Search(next);
      if (result_.Solutions >= limit_ || !result_.Decided) return;
    }
  }

  int n_;
  int cells_;
  TMask full_;
  int limit_;
  std::int64_t nodeCap_;
  std::int64_t nodes_ = 0;
  std::array<std::array<std::uint8_t, kUnitKinds>, kMaxCells> unitsOf_{};
  std::array<std::array<std::uint8_t, kMaxGridSize>, kUnitKinds * kMaxGridSize> members_{};
  TSolutionCount result_;
};

}  // namespace

TSolutionCount CountSolutionsUpTo(const TGeometry& g, const TBoard& givens, int limit, std::int64_t nodeCap) {
  return TExactCounter(g, limit, nodeCap).Count(givens);
}

}  // namespace novlet
