// Singles, naked and hidden subsets, and the two intersections of a box with a line.
#include <bit>
#include <vector>

#include "logic/techniques.h"

namespace novlet::techniques {
namespace {

// Boxes first: a person scans a box for a value before a row or a column.
int UnitInScanOrder(int n, int i) { return (i + 2 * n) % (3 * n); }

}  // namespace

bool NakedSingle(const TCandidateGrid& grid, TLogicStep& step) {
  const TLogicLayout& layout = grid.Layout();
  for (int cell = 0; cell < layout.Cells; ++cell) {
    const TValueBits candidates = grid.Candidates(cell);
    if (grid.Value(cell) != 0 || !std::has_single_bit(candidates)) continue;
    const int value = std::countr_zero(candidates) + 1;
    step.Technique = TTechnique::NakedSingle;
    AddCell(step, layout, cell);
    step.Values.push_back(value);
    AddPlacement(step, layout, cell, value);
    return true;
  }
  return false;
}

bool HiddenSingle(const TCandidateGrid& grid, TLogicStep& step) {
  const TLogicLayout& layout = grid.Layout();
  for (int i = 0; i < 3 * layout.N; ++i) {
    const int unit = UnitInScanOrder(layout.N, i);
    for (int value = 1; value <= layout.N; ++value) {
      const std::uint32_t positions = grid.Positions(unit, value);
      if (!std::has_single_bit(positions)) continue;
      const int cell = layout.UnitCells[unit][std::countr_zero(positions)];
      step.Technique = TTechnique::HiddenSingle;
      AddUnit(step, layout, unit);
      AddCell(step, layout, cell);
      step.Values.push_back(value);
      AddPlacement(step, layout, cell, value);
      return true;
    }
  }
  return false;
}

bool NakedSubset(const TCandidateGrid& grid, int size, TLogicStep& step) {
  static constexpr TTechnique kTechniques[] = {TTechnique::NakedPair, TTechnique::NakedTriple, TTechnique::NakedQuad};
  const TLogicLayout& layout = grid.Layout();
  for (int unit = 0; unit < 3 * layout.N; ++unit) {
    std::vector<int> cells;
    for (int k = 0; k < layout.N; ++k) {
      const int cell = layout.UnitCells[unit][k];
      const int count = std::popcount(grid.Candidates(cell));
      if (count >= 2 && count <= size) cells.push_back(cell);
    }
    const bool found = ForEachChoice(static_cast<int>(cells.size()), size, [&](const std::array<int, 4>& chosen) {
      TValueBits values = 0;
      for (int i = 0; i < size; ++i) values |= grid.Candidates(cells[chosen[i]]);
      if (std::popcount(values) != size) return false;
      TLogicStep candidate;
      for (int k = 0; k < layout.N; ++k) {
        const int cell = layout.UnitCells[unit][k];
        bool inSubset = false;
        for (int i = 0; i < size; ++i) inSubset |= cells[chosen[i]] == cell;
        if (inSubset) continue;
        for (TValueBits hit = grid.Candidates(cell) & values; hit != 0; hit &= hit - 1) {
          AddRemoval(candidate, layout, cell, std::countr_zero(hit) + 1);
        }
      }
      if (candidate.Removed.empty()) return false;
      candidate.Technique = kTechniques[size - 2];
      AddUnit(candidate, layout, unit);
      for (int i = 0; i < size; ++i) AddCell(candidate, layout, cells[chosen[i]]);
      AddValues(candidate, values);
      step = std::move(candidate);
      return true;
    });
    if (found) return true;
  }
  return false;
}

bool HiddenSubset(const TCandidateGrid& grid, int size, TLogicStep& step) {
  static constexpr TTechnique kTechniques[] = {TTechnique::HiddenPair, TTechnique::HiddenTriple,
                                               TTechnique::HiddenQuad};
  const TLogicLayout& layout = grid.Layout();
  for (int unit = 0; unit < 3 * layout.N; ++unit) {
    std::vector<int> values;
    std::array<std::uint32_t, kMaxGridSize + 1> positions{};
    for (int value = 1; value <= layout.N; ++value) {
      positions[value] = grid.Positions(unit, value);
      const int count = std::popcount(positions[value]);
      if (count >= 2 && count <= size) values.push_back(value);
    }
    const bool found = ForEachChoice(static_cast<int>(values.size()), size, [&](const std::array<int, 4>& chosen) {
      std::uint32_t places = 0;
      TValueBits subset = 0;
      for (int i = 0; i < size; ++i) {
        places |= positions[values[chosen[i]]];
        subset |= ValueBitOf(values[chosen[i]]);
      }
      if (std::popcount(places) != size) return false;
      TLogicStep candidate;
      for (std::uint32_t rest = places; rest != 0; rest &= rest - 1) {
        const int cell = layout.UnitCells[unit][std::countr_zero(rest)];
        AddCell(candidate, layout, cell);
        for (TValueBits other = grid.Candidates(cell) & ~subset; other != 0; other &= other - 1) {
          AddRemoval(candidate, layout, cell, std::countr_zero(other) + 1);
        }
      }
      if (candidate.Removed.empty()) return false;
      candidate.Technique = kTechniques[size - 2];
      AddUnit(candidate, layout, unit);
      AddValues(candidate, subset);
      step = std::move(candidate);
      return true;
    });
    if (found) return true;
  }
  return false;
}

namespace {

// The value's places in `within` all lie in `across`: it goes from the rest of `across`.
bool Confined(const TCandidateGrid& grid, TTechnique technique, int within, int value, TLogicStep& step) {
  const TLogicLayout& layout = grid.Layout();
  const std::uint32_t positions = grid.Positions(within, value);
  if (positions == 0) return false;
  // The unit of the other kind every place shares, if one does.
  for (int kind = 0; kind < 3; ++kind) {
    const int first = layout.UnitCells[within][std::countr_zero(positions)];
    const int across = layout.CellUnits[first][kind];
    if (across == within || (technique == TTechnique::Pointing) == (kind == 2)) continue;
    bool shared = true;
    for (std::uint32_t rest = positions; rest != 0; rest &= rest - 1) {
      shared &= layout.CellUnits[layout.UnitCells[within][std::countr_zero(rest)]][kind] == across;
    }
    if (!shared) continue;
    TLogicStep candidate;
    for (int k = 0; k < layout.N; ++k) {
      const int cell = layout.UnitCells[across][k];
      const int withinKind = within / layout.N;
      if (layout.CellUnits[cell][withinKind] != within && grid.Has(cell, value))
        AddRemoval(candidate, layout, cell, value);
    }
    if (candidate.Removed.empty()) continue;
    candidate.Technique = technique;
    AddUnit(candidate, layout, within);
    AddUnit(candidate, layout, across, true);
    for (std::uint32_t rest = positions; rest != 0; rest &= rest - 1) {
      AddCell(candidate, layout, layout.UnitCells[within][std::countr_zero(rest)]);
    }
    candidate.Values.push_back(value);
    step = std::move(candidate);
    return true;
  }
  return false;
}

}  // namespace

bool Pointing(const TCandidateGrid& grid, TLogicStep& step) {
  const int n = grid.N();
  for (int box = 2 * n; box < 3 * n; ++box) {
    for (int value = 1; value <= n; ++value) {
      if (Confined(grid, TTechnique::Pointing, box, value, step)) return true;
    }
  }
  return false;
}

bool BoxLine(const TCandidateGrid& grid, TLogicStep& step) {
  const int n = grid.N();
  for (int line = 0; line < 2 * n; ++line) {
    for (int value = 1; value <= n; ++value) {
      if (Confined(grid, TTechnique::BoxLine, line, value, step)) return true;
    }
  }
  return false;
}

}  // namespace novlet::techniques
