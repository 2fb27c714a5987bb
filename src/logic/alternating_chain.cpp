// Alternating inference chains over single candidates and groups of them.
#include <algorithm>
#include <bit>
#include <memory>
#include <vector>

#include "logic/techniques.h"

namespace novlet::techniques {
namespace {

// A set of cells walked by its members: chains visit few cells of many, so
// this beats testing every cell of a std::bitset.
struct TCellSet {
  std::array<std::uint64_t, kLogicMaxCells / 64> Words{};

  void Set(int cell) { Words[cell / 64] |= std::uint64_t{1} << (cell % 64); }
  bool Has(int cell) const { return (Words[cell / 64] >> (cell % 64) & 1u) != 0; }
  bool Empty() const { return (Words[0] | Words[1] | Words[2] | Words[3]) == 0; }
  int Count() const {
    int count = 0;
    for (const std::uint64_t word : Words) count += std::popcount(word);
    return count;
  }
  TCellSet And(const TCellSet& other, bool negated = false) const {
    TCellSet both;
    for (std::size_t w = 0; w < Words.size(); ++w)
      both.Words[w] = Words[w] & (negated ? ~other.Words[w] : other.Words[w]);
    return both;
  }
  template <typename TVisit>
  void ForEach(TVisit&& visit) const {
    for (std::size_t w = 0; w < Words.size(); ++w) {
      for (std::uint64_t bits = Words[w]; bits != 0; bits &= bits - 1)
        visit(static_cast<int>(w * 64) + std::countr_zero(bits));
    }
  }
  friend bool operator==(const TCellSet&, const TCellSet&) = default;
};

// A chain node: one value in one cell, or in a group of cells where a box
// meets a line ("the 5 of row 4 within box 5"), true when one of them holds it.
struct TNode {
  int Value = 0;
  int Cell = -1;       // the cell of a single candidate; -1 for a group
  TCellSet Cells;      // its cells
  TCellSet SeenByAll;  // the cells that see every one of them
};

// Searches alternating inference chains: a strong link says "if this one is
// false, that one is true" (the two candidates of a cell, the two places of a
// value in a unit, or the two groups its places in a unit fall into); a weak
// link "if this one is true, that one is false" (two candidates of a cell,
// one value in places that see each other). A chain from A to D that starts
// and ends with a strong link proves A or D, so every candidate weakly linked
// to both is false. X-chains and XY-chains are the chains of one value and
// of bivalue cells.
class TChainSearch {
 public:
  explicit TChainSearch(const TCandidateGrid& grid) : grid_(grid), layout_(grid.Layout()) {
    for (auto& values : cellNode_) values.fill(-1);
    for (int cell = 0; cell < layout_.Cells; ++cell) {
      allCells_.Set(cell);
      for (int peer = 0; peer < layout_.Cells; ++peer) {
        if (layout_.Peers[cell][peer]) peers_[cell].Set(peer);
      }
    }
    for (int cell = 0; cell < layout_.Cells; ++cell) {
      for (TValueBits rest = grid.Candidates(cell); rest != 0; rest &= rest - 1) {
        const int value = std::countr_zero(rest) + 1;
        cellsWith_[value].Set(cell);
        TCellSet cells;
        cells.Set(cell);
        cellNode_[cell][value] = AddNode(value, cell, cells);
      }
    }
    AddGroups();
    strong_.resize(nodes_.size());
    for (int cell = 0; cell < layout_.Cells; ++cell) {
      const TValueBits values = grid.Candidates(cell);
      if (std::popcount(values) == 2) {
        LinkStrong(cellNode_[cell][std::countr_zero(values) + 1], cellNode_[cell][16 - std::countl_zero(values)]);
      }
    }
    for (int unit = 0; unit < 3 * layout_.N; ++unit) {
      for (int value = 1; value <= layout_.N; ++value) LinkPlaces(unit, value);
    }
    stamps_.assign(nodes_.size(), {0, 0});
    parent_.assign(nodes_.size(), {-1, -1});
    depth_.assign(nodes_.size(), {0, 0});
  }

  // The shortest productive chain over all starts, in step form.
  bool Find(TLogicStep& step) {
    std::vector<int> best;
    for (int start = 0; start < static_cast<int>(nodes_.size()); ++start) {
      if (strong_[start].empty()) continue;
      std::vector<int> chain =
          ShortestFrom(start, best.empty() ? static_cast<int>(nodes_.size()) : static_cast<int>(best.size()) - 1);
      if (!chain.empty()) best = std::move(chain);
      if (!best.empty() && best.size() <= 4) break;  // no chain is shorter than three links
    }
    if (best.empty()) return false;
    step.Technique = TTechnique::Aic;
    Eliminations(best.front(), best.back(), step);
    TValueBits removed = 0;
    for (const TCellValue& change : step.Removed) removed |= ValueBitOf(change.Value);
    AddValues(step, removed);
    for (const int node : best) nodes_[node].Cells.ForEach([&](int cell) { AddCell(step, layout_, cell); });
    return true;
  }

 private:
  int AddNode(int value, int cell, const TCellSet& cells) {
    TNode node{value, cell, cells, allCells_};
    cells.ForEach([&](int member) { node.SeenByAll = node.SeenByAll.And(peers_[member]); });
    nodes_.push_back(node);
    return static_cast<int>(nodes_.size()) - 1;
  }

  // A group for every box and line that meet in two or more places of a value.
  void AddGroups() {
    const int n = layout_.N;
    for (int box = 2 * n; box < 3 * n; ++box) {
      for (int value = 1; value <= n; ++value) {
        for (int kind = 0; kind < 2; ++kind) {
          std::array<TCellSet, kMaxGridSize> byLine{};
          for (int k = 0; k < n; ++k) {
            const int cell = layout_.UnitCells[box][k];
            if (grid_.Has(cell, value)) byLine[layout_.CellUnits[cell][kind] % n].Set(cell);
          }
          for (const TCellSet& cells : byLine) {
            if (cells.Count() >= 2) groupsOf_[value].push_back(AddNode(value, -1, cells));
          }
        }
      }
    }
  }

  int NodeOfPart(int value, const TCellSet& cells) const {
    if (cells.Count() == 1) {
      int node = -1;
      cells.ForEach([&](int cell) { node = cellNode_[cell][value]; });
      return node;
    }
    for (const int group : groupsOf_[value]) {
      if (nodes_[group].Cells == cells) return group;
    }
    return -1;
  }

  // The places of the value in the unit: two cells, or more falling into two
  // parts: two boxes (of a line) or two lines (of a box).
  void LinkPlaces(int unit, int value) {
    const std::uint32_t positions = grid_.Positions(unit, value);
    const int count = std::popcount(positions);
    if (count < 2) return;
    const int first = layout_.UnitCells[unit][std::countr_zero(positions)];
    const int last = layout_.UnitCells[unit][31 - std::countl_zero(positions)];
    if (count == 2) LinkStrong(cellNode_[first][value], cellNode_[last][value]);
    const bool box = unit >= 2 * layout_.N;
    for (int kind = box ? 0 : 2; count > 2 && kind <= (box ? 1 : 2); ++kind) {
      const int firstKey = layout_.CellUnits[first][kind];
      const int lastKey = layout_.CellUnits[last][kind];
      std::array<TCellSet, 2> parts{};
      bool two = firstKey != lastKey;
      for (std::uint32_t rest = positions; rest != 0 && two; rest &= rest - 1) {
        const int cell = layout_.UnitCells[unit][std::countr_zero(rest)];
        const int key = layout_.CellUnits[cell][kind];
        two = key == firstKey || key == lastKey;
        parts[key == lastKey].Set(cell);
      }
      if (two) LinkStrong(NodeOfPart(value, parts[0]), NodeOfPart(value, parts[1]));
    }
  }

  void LinkStrong(int a, int b) {
    if (std::find(strong_[a].begin(), strong_[a].end(), b) != strong_[a].end()) return;
    strong_[a].push_back(b);
    strong_[b].push_back(a);
  }

  // Breadth first from "start is false"; the first true node that makes an
  // elimination ends the shortest chain from start, returned as its nodes.
  // Gives up on chains of more than maxNodes nodes.
  std::vector<int> ShortestFrom(int start, int maxNodes) {
    ++stamp_;
    std::vector<std::pair<int, int>>& queue = queue_;  // node, parity (1: true)
    queue.assign(1, {start, 0});
    Visit(start, 0, -1, 0);
    for (std::size_t head = 0; head < queue.size(); ++head) {
      const auto [node, parity] = queue[head];
      const int length = depth_[node][parity];
      if (length + 1 >= maxNodes) break;
      if (parity == 0) {
        for (const int next : strong_[node]) {
          if (Seen(next, 1)) continue;
          Visit(next, 1, node, length + 1);
          TLogicStep probe;
          if (next != start && Eliminations(start, next, probe)) return Path(next);
          queue.push_back({next, 1});
        }
      } else {
        ForEachWeak(node, [&](int next) {
          if (Seen(next, 0)) return;
          Visit(next, 0, node, length + 1);
          queue.push_back({next, 0});
        });
      }
    }
    return {};
  }

  // The candidates weakly linked to both a and d (one of which is true).
  bool Eliminations(int a, int d, TLogicStep& step) const {
    const TNode& nodeA = nodes_[a];
    const TNode& nodeD = nodes_[d];
    if (nodeA.Value == nodeD.Value) {
      nodeA.SeenByAll.And(nodeD.SeenByAll).And(cellsWith_[nodeA.Value]).ForEach([&](int cell) {
        AddRemoval(step, layout_, cell, nodeA.Value);
      });
    } else if (nodeA.Cell >= 0 && nodeA.Cell == nodeD.Cell) {
      const TValueBits others = grid_.Candidates(nodeA.Cell) & ~ValueBitOf(nodeA.Value) & ~ValueBitOf(nodeD.Value);
      for (TValueBits rest = others; rest != 0; rest &= rest - 1) {
        AddRemoval(step, layout_, nodeA.Cell, std::countr_zero(rest) + 1);
      }
    } else {
      for (const auto& [one, other] : {std::pair{&nodeA, &nodeD}, std::pair{&nodeD, &nodeA}}) {
        if (one->Cell >= 0 && other->SeenByAll.Has(one->Cell) && grid_.Has(one->Cell, other->Value)) {
          AddRemoval(step, layout_, one->Cell, other->Value);
        }
      }
    }
    return !step.Removed.empty();
  }

  template <typename TVisit>
  void ForEachWeak(int index, TVisit&& visit) const {
    const TNode& node = nodes_[index];
    if (node.Cell >= 0) {
      for (TValueBits rest = grid_.Candidates(node.Cell) & ~ValueBitOf(node.Value); rest != 0; rest &= rest - 1) {
        visit(cellNode_[node.Cell][std::countr_zero(rest) + 1]);
      }
    }
    node.SeenByAll.And(cellsWith_[node.Value]).ForEach([&](int cell) { visit(cellNode_[cell][node.Value]); });
    for (const int group : groupsOf_[node.Value]) {
      if (group != index && nodes_[group].Cells.And(node.SeenByAll, true).Empty()) visit(group);
    }
  }

  bool Seen(int node, int parity) const { return stamps_[node][parity] == stamp_; }
  void Visit(int node, int parity, int from, int depth) {
    stamps_[node][parity] = stamp_;
    parent_[node][parity] = from;
    depth_[node][parity] = depth;
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
  TCellSet allCells_;
  std::array<TCellSet, kLogicMaxCells> peers_{};
  std::array<TCellSet, kMaxGridSize + 1> cellsWith_{};
  std::array<std::array<int, kMaxGridSize + 1>, kLogicMaxCells> cellNode_;
  std::array<std::vector<int>, kMaxGridSize + 1> groupsOf_;
  std::vector<TNode> nodes_;
  std::vector<std::vector<int>> strong_;
  std::vector<std::array<int, 2>> stamps_;
  std::vector<std::array<int, 2>> parent_;
  std::vector<std::array<int, 2>> depth_;
  std::vector<std::pair<int, int>> queue_;
  int stamp_ = 0;
};

}  // namespace

bool AlternatingChain(const TCandidateGrid& grid, TLogicStep& step) {
  auto search = std::make_unique<TChainSearch>(grid);
  return search->Find(step);
}

}  // namespace novlet::techniques
