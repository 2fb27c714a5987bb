// Simple colouring, alternating inference chains and the unique rectangle.
#include <algorithm>
#include <bit>
#include <memory>
#include <vector>

#include "logic/techniques.h"

namespace novlet::techniques {

bool SimpleColouring(const TCandidateGrid& grid, TLogicStep& step) {
  const TLogicLayout& layout = grid.Layout();
  const int n = layout.N;
  for (int value = 1; value <= n; ++value) {
    // Conjugate pairs: the two places of the value in a unit; one of them holds it.
    std::array<std::vector<int>, kLogicMaxCells> partners;
    for (int unit = 0; unit < 3 * n; ++unit) {
      const std::uint32_t positions = grid.Positions(unit, value);
      if (std::popcount(positions) != 2) continue;
      const int a = layout.UnitCells[unit][std::countr_zero(positions)];
      const int b = layout.UnitCells[unit][31 - std::countl_zero(positions)];
      partners[a].push_back(b);
      partners[b].push_back(a);
    }
    std::array<int, kLogicMaxCells> colour;
    colour.fill(-1);
    for (int start = 0; start < layout.Cells; ++start) {
      if (partners[start].empty() || colour[start] >= 0) continue;
      // Colour the chain of pairs through `start` in two colours: one colour holds the value.
      std::vector<int> chain{start};
      colour[start] = 0;
      for (std::size_t i = 0; i < chain.size(); ++i) {
        for (const int next : partners[chain[i]]) {
          if (colour[next] >= 0) continue;
          colour[next] = 1 - colour[chain[i]];
          chain.push_back(next);
        }
      }
      if (chain.size() < 3) continue;
      TLogicStep candidate;
      // Two cells of one colour that see each other cannot both hold it: the other colour does.
      for (std::size_t i = 0; i < chain.size() && candidate.Removed.empty(); ++i) {
        for (std::size_t j = i + 1; j < chain.size(); ++j) {
          if (colour[chain[i]] != colour[chain[j]] || !layout.Sees(chain[i], chain[j])) continue;
          for (const int cell : chain) {
            if (colour[cell] == colour[chain[i]]) AddRemoval(candidate, layout, cell, value);
          }
          break;
        }
      }
      // Otherwise a cell that sees both colours cannot hold it.
      if (candidate.Removed.empty()) {
        for (int cell = 0; cell < layout.Cells; ++cell) {
          if (!grid.Has(cell, value) || colour[cell] >= 0) continue;
          bool sees[2] = {false, false};
          for (const int other : chain) sees[colour[other]] |= layout.Sees(cell, other);
          if (sees[0] && sees[1]) AddRemoval(candidate, layout, cell, value);
        }
      }
      if (candidate.Removed.empty()) continue;
      candidate.Technique = TTechnique::SimpleColouring;
      for (const int cell : chain) AddCell(candidate, layout, cell);
      candidate.Values.push_back(value);
      step = std::move(candidate);
      return true;
    }
  }
  return false;
}

namespace {

// A candidate as a chain node: cell * 16 + value - 1.
constexpr int kNodes = kLogicMaxCells * kMaxGridSize;
int NodeOf(int cell, int value) { return cell * kMaxGridSize + value - 1; }
int CellOfNode(int node) { return node / kMaxGridSize; }
int ValueOfNode(int node) { return node % kMaxGridSize + 1; }

// Searches alternating inference chains: a strong link says "if this one is
// false, that one is true" (the two candidates of a cell, the two places of a
// value in a unit); a weak link "if this one is true, that one is false" (two
// candidates of a cell, one value in two cells that see each other). A chain
// from A to D that starts and ends with a strong link proves A or D, so every
// candidate weakly linked to both is false. X-chains and XY-chains are the
// chains of one value and of bivalue cells.
class TChainSearch {
 public:
  explicit TChainSearch(const TCandidateGrid& grid) : grid_(grid), layout_(grid.Layout()) {
    const int n = layout_.N;
    for (int cell = 0; cell < layout_.Cells; ++cell) {
      for (TValueBits rest = grid.Candidates(cell); rest != 0; rest &= rest - 1) {
        const int value = std::countr_zero(rest) + 1;
        cellsWith_[value].set(cell);
        nodes_.push_back(NodeOf(cell, value));
      }
    }
    for (int cell = 0; cell < layout_.Cells; ++cell) {
      const TValueBits values = grid.Candidates(cell);
      if (std::popcount(values) == 2) {
        const int low = std::countr_zero(values) + 1;
        const int high = 16 - std::countl_zero(values);
        strong_[NodeOf(cell, low)].push_back(NodeOf(cell, high));
        strong_[NodeOf(cell, high)].push_back(NodeOf(cell, low));
      }
    }
    for (int unit = 0; unit < 3 * n; ++unit) {
      for (int value = 1; value <= n; ++value) {
        const std::uint32_t positions = grid.Positions(unit, value);
        if (std::popcount(positions) != 2) continue;
        const int a = NodeOf(layout_.UnitCells[unit][std::countr_zero(positions)], value);
        const int b = NodeOf(layout_.UnitCells[unit][31 - std::countl_zero(positions)], value);
        // A pair in a row and a box at once is one link, not two.
        if (std::find(strong_[a].begin(), strong_[a].end(), b) != strong_[a].end()) continue;
        strong_[a].push_back(b);
        strong_[b].push_back(a);
      }
    }
  }

  // The shortest productive chain over all starts, in step form.
  bool Find(TLogicStep& step) {
    std::vector<int> best;
    for (const int start : nodes_) {
      if (strong_[start].empty()) continue;
      std::vector<int> chain = ShortestFrom(start, best.empty() ? kNodes : static_cast<int>(best.size()) - 1);
      if (!chain.empty()) best = std::move(chain);
      if (!best.empty() && best.size() <= 4) break;  // no chain is shorter than three links
    }
    if (best.empty()) return false;
    step.Technique = TTechnique::Aic;
    Eliminations(best.front(), best.back(), step);
    TValueBits removed = 0;
    for (const TCellValue& change : step.Removed) removed |= ValueBitOf(change.Value);
    AddValues(step, removed);
    for (const int node : best) AddCell(step, layout_, CellOfNode(node));
    return true;
  }

 private:
  // Breadth first from "start is false"; the first true node that makes an
  // elimination ends the shortest chain from start, returned as its nodes.
  // Gives up on chains of more than maxNodes nodes.
  std::vector<int> ShortestFrom(int start, int maxNodes) {
    ++stamp_;
    std::vector<std::pair<int, int>> queue{{start, 0}};  // node, parity (1: true)
    Visit(start, 0, -1);
    for (std::size_t head = 0; head < queue.size(); ++head) {
      const auto [node, parity] = queue[head];
      const int length = depth_[node][parity];
      if (length + 1 >= maxNodes) break;
      if (parity == 0) {
        for (const int next : strong_[node]) {
          if (Seen(next, 1)) continue;
          Visit(next, 1, node);
          depth_[next][1] = length + 1;
          TLogicStep probe;
          if (next != start && Eliminations(start, next, probe)) return Path(next);
          queue.push_back({next, 1});
        }
      } else {
        ForEachWeak(node, [&](int next) {
          if (Seen(next, 0)) return;
          Visit(next, 0, node);
          depth_[next][0] = length + 1;
          queue.push_back({next, 0});
        });
      }
    }
    return {};
  }

  // The candidates weakly linked to both a and d (one of which is true).
  bool Eliminations(int a, int d, TLogicStep& step) const {
    const int cellA = CellOfNode(a);
    const int cellD = CellOfNode(d);
    const int valueA = ValueOfNode(a);
    const int valueD = ValueOfNode(d);
    if (cellA == cellD) {
      const TValueBits others = grid_.Candidates(cellA) & ~ValueBitOf(valueA) & ~ValueBitOf(valueD);
      for (TValueBits rest = others; rest != 0; rest &= rest - 1) AddRemoval(step, layout_, cellA, std::countr_zero(rest) + 1);
    } else if (valueA == valueD) {
      const std::bitset<kLogicMaxCells> both = layout_.Peers[cellA] & layout_.Peers[cellD] & cellsWith_[valueA];
      if (both.none()) return false;
      for (int cell = 0; cell < layout_.Cells; ++cell) {
        if (both[cell]) AddRemoval(step, layout_, cell, valueA);
      }
    } else if (layout_.Sees(cellA, cellD)) {
      if (grid_.Has(cellD, valueA)) AddRemoval(step, layout_, cellD, valueA);
      if (grid_.Has(cellA, valueD)) AddRemoval(step, layout_, cellA, valueD);
    }
    return !step.Removed.empty();
  }

  template <typename TVisit>
  void ForEachWeak(int node, TVisit&& visit) const {
    const int cell = CellOfNode(node);
    const int value = ValueOfNode(node);
    for (TValueBits rest = grid_.Candidates(cell) & ~ValueBitOf(value); rest != 0; rest &= rest - 1) {
      visit(NodeOf(cell, std::countr_zero(rest) + 1));
    }
    const std::bitset<kLogicMaxCells> peers = layout_.Peers[cell] & cellsWith_[value];
    for (int other = 0; other < layout_.Cells; ++other) {
      if (peers[other]) visit(NodeOf(other, value));
    }
  }

  bool Seen(int node, int parity) const { return stamps_[node][parity] == stamp_; }
  void Visit(int node, int parity, int from) {
    stamps_[node][parity] = stamp_;
    parent_[node][parity] = from;
    if (from < 0) depth_[node][parity] = 0;
  }
  std::vector<int> Path(int end) const {
    std::vector<int> path;
    int parity = 1;
    for (int node = end; node >= 0; parity = 1 - parity) {
      path.push_back(node);
      node = parent_[node][parity];
    }
    std::reverse(path.begin(), path.end());
    return path;
  }

  const TCandidateGrid& grid_;
  const TLogicLayout& layout_;
  std::array<std::bitset<kLogicMaxCells>, kMaxGridSize + 1> cellsWith_{};
  std::vector<int> nodes_;
  std::array<std::vector<int>, kNodes> strong_;
  std::array<std::array<int, 2>, kNodes> stamps_{};
  std::array<std::array<int, 2>, kNodes> parent_{};
  std::array<std::array<int, 2>, kNodes> depth_{};
  int stamp_ = 0;
};

}  // namespace

bool AlternatingChain(const TCandidateGrid& grid, TLogicStep& step) {
  auto search = std::make_unique<TChainSearch>(grid);
  return search->Find(step);
}

bool UniqueRectangle(const TCandidateGrid& grid, TLogicStep& step) {
  // Four cells in two rows, two columns and two boxes, three of them holding
  // only the same two values: were the fourth to hold one of them too, the two
  // values could swap in all four and the puzzle would have two solutions.
  const TLogicLayout& layout = grid.Layout();
  const int n = layout.N;
  for (int r1 = 0; r1 < n; ++r1) {
    for (int r2 = r1 + 1; r2 < n; ++r2) {
      for (int c1 = 0; c1 < n; ++c1) {
        for (int c2 = c1 + 1; c2 < n; ++c2) {
          const std::array<int, 4> corners{r1 * n + c1, r1 * n + c2, r2 * n + c1, r2 * n + c2};
          const bool rowsShareBoxes = layout.BoxOf(corners[0]) == layout.BoxOf(corners[2]);
          const bool columnsShareBoxes = layout.BoxOf(corners[0]) == layout.BoxOf(corners[1]);
          if (rowsShareBoxes == columnsShareBoxes) continue;  // two boxes exactly
          for (int odd = 0; odd < 4; ++odd) {
            const TValueBits pair = grid.Candidates(corners[(odd + 1) % 4]);
            if (std::popcount(pair) != 2) continue;
            const TValueBits oddValues = grid.Candidates(corners[odd]);
            bool rectangle = (oddValues & pair) == pair && oddValues != pair;
            for (int k = 0; k < 4; ++k) rectangle &= k == odd || grid.Candidates(corners[k]) == pair;
            if (!rectangle) continue;
            step.Technique = TTechnique::UniqueRectangle;
            for (int k = 0; k < 4; ++k) AddCell(step, layout, corners[k]);
            AddValues(step, pair);
            for (const int value : step.Values) AddRemoval(step, layout, corners[odd], value);
            return true;
          }
        }
      }
    }
  }
  return false;
}

}  // namespace novlet::techniques
