// Fish (x-wing, swordfish, jellyfish) and the two wings (xy-wing, xyz-wing).
#include <bit>
#include <vector>

#include "logic/techniques.h"

namespace novlet::techniques {

bool Fish(const TCandidateGrid& grid, int size, TLogicStep& step) {
  static constexpr TTechnique kTechniques[] = {TTechnique::XWing, TTechnique::Swordfish, TTechnique::Jellyfish};
  const TLogicLayout& layout = grid.Layout();
  const int n = layout.N;
  for (int value = 1; value <= n; ++value) {
    // Base rows and cover columns, then base columns and cover rows; a line's
    // positions are the indices of the crossing lines.
    for (int baseKind = 0; baseKind < 2; ++baseKind) {
      const int coverKind = 1 - baseKind;
      std::vector<int> lines;
      std::array<std::uint32_t, kMaxGridSize> positions{};
      for (int line = 0; line < n; ++line) {
        positions[line] = grid.Positions(baseKind * n + line, value);
        const int count = std::popcount(positions[line]);
        if (count >= 2 && count <= size) lines.push_back(line);
      }
      const bool found = ForEachChoice(static_cast<int>(lines.size()), size, [&](const std::array<int, 4>& chosen) {
        std::uint32_t cover = 0;
        std::uint32_t base = 0;
        for (int i = 0; i < size; ++i) {
          cover |= positions[lines[chosen[i]]];
          base |= 1u << lines[chosen[i]];
        }
        if (std::popcount(cover) != size) return false;
        TLogicStep candidate;
        for (std::uint32_t rest = cover; rest != 0; rest &= rest - 1) {
          const int coverUnit = coverKind * n + std::countr_zero(rest);
          for (int k = 0; k < n; ++k) {
            const int cell = layout.UnitCells[coverUnit][k];
            if ((base >> k & 1u) == 0 && grid.Has(cell, value)) AddRemoval(candidate, layout, cell, value);
          }
        }
        if (candidate.Removed.empty()) return false;
        candidate.Technique = kTechniques[size - 2];
        for (int i = 0; i < size; ++i) {
          const int baseUnit = baseKind * n + lines[chosen[i]];
          AddUnit(candidate, layout, baseUnit);
          for (std::uint32_t rest = positions[lines[chosen[i]]]; rest != 0; rest &= rest - 1) {
            AddCell(candidate, layout, layout.UnitCells[baseUnit][std::countr_zero(rest)]);
          }
        }
        for (std::uint32_t rest = cover; rest != 0; rest &= rest - 1) {
          AddUnit(candidate, layout, coverKind * n + std::countr_zero(rest), true);
        }
        candidate.Values.push_back(value);
        step = std::move(candidate);
        return true;
      });
      if (found) return true;
    }
  }
  return false;
}

namespace {

// Removes the value from every cell that sees all the given cells.
void RemoveSeenByAll(const TCandidateGrid& grid, std::initializer_list<int> cells, int value, TLogicStep& step) {
  const TLogicLayout& layout = grid.Layout();
  std::bitset<kLogicMaxCells> seen;
  seen.set();
  for (const int cell : cells) seen &= layout.Peers[cell];
  for (int cell = 0; cell < layout.Cells; ++cell) {
    if (seen[cell] && grid.Has(cell, value)) AddRemoval(step, layout, cell, value);
  }
}

std::vector<int> CellsWithCount(const TCandidateGrid& grid, int count) {
  std::vector<int> cells;
  for (int cell = 0; cell < grid.Layout().Cells; ++cell) {
    if (std::popcount(grid.Candidates(cell)) == count) cells.push_back(cell);
  }
  return cells;
}

// A pivot and two bivalue wings it sees, the wings sharing the value z and
// covering the pivot's values between them: xy-wing when the pivot holds two
// values (without z), xyz-wing when it holds three (with z).
bool Wing(const TCandidateGrid& grid, TTechnique technique, TLogicStep& step) {
  const TLogicLayout& layout = grid.Layout();
  const bool xyz = technique == TTechnique::XyzWing;
  const std::vector<int> pairs = CellsWithCount(grid, 2);
  const std::vector<int> pivots = CellsWithCount(grid, xyz ? 3 : 2);
  for (const int pivot : pivots) {
    const TValueBits pivotValues = grid.Candidates(pivot);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
      const int wing1 = pairs[i];
      if (!layout.Sees(pivot, wing1)) continue;
      const TValueBits values1 = grid.Candidates(wing1);
      const TValueBits shared1 = values1 & pivotValues;
      if (xyz ? shared1 != values1 : std::popcount(shared1) != 1) continue;
      for (std::size_t j = i + 1; j < pairs.size(); ++j) {
        const int wing2 = pairs[j];
        const TValueBits values2 = grid.Candidates(wing2);
        const TValueBits z = values1 & values2;
        if (!layout.Sees(pivot, wing2) || !std::has_single_bit(z) || (values1 | values2) == values1) continue;
        const TValueBits expected =
            xyz ? static_cast<TValueBits>(values1 | values2) : static_cast<TValueBits>((values1 | values2) & ~z);
        if (expected != pivotValues) continue;
        TLogicStep candidate;
        const int value = std::countr_zero(z) + 1;
        if (xyz) {
          RemoveSeenByAll(grid, {pivot, wing1, wing2}, value, candidate);
        } else {
          RemoveSeenByAll(grid, {wing1, wing2}, value, candidate);
        }
        if (candidate.Removed.empty()) continue;
        candidate.Technique = technique;
        for (const int cell : {pivot, wing1, wing2}) AddCell(candidate, layout, cell);
        candidate.Values.push_back(value);
        step = std::move(candidate);
        return true;
      }
    }
  }
  return false;
}

}  // namespace

bool XyWing(const TCandidateGrid& grid, TLogicStep& step) { return Wing(grid, TTechnique::XyWing, step); }
bool XyzWing(const TCandidateGrid& grid, TLogicStep& step) { return Wing(grid, TTechnique::XyzWing, step); }

}  // namespace novlet::techniques
