// Simple colouring and the unique rectangle.
#include <algorithm>
#include <bit>
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
