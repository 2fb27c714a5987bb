// The techniques, each a small unit: it finds its first step on the candidates or reports none.
#pragma once

#include <array>
#include <bit>

#include "logic/candidate_grid.h"
#include "logic/logic_step.h"

// Every finder fills the step (technique, proof, changes) and returns true
// when its pattern lies on the grid and changes something; it never changes
// the grid itself.
namespace novlet::techniques {

bool NakedSingle(const TCandidateGrid& grid, TLogicStep& step);
bool HiddenSingle(const TCandidateGrid& grid, TLogicStep& step);
// Size 2, 3 or 4 cells holding as many values between them.
bool NakedSubset(const TCandidateGrid& grid, int size, TLogicStep& step);
// Size 2, 3 or 4 values fitting in as many cells of a unit.
bool HiddenSubset(const TCandidateGrid& grid, int size, TLogicStep& step);
bool Pointing(const TCandidateGrid& grid, TLogicStep& step);
bool BoxLine(const TCandidateGrid& grid, TLogicStep& step);
// Size 2 (x-wing), 3 (swordfish) or 4 (jellyfish) lines.
bool Fish(const TCandidateGrid& grid, int size, TLogicStep& step);
bool XyWing(const TCandidateGrid& grid, TLogicStep& step);
bool XyzWing(const TCandidateGrid& grid, TLogicStep& step);
bool SimpleColouring(const TCandidateGrid& grid, TLogicStep& step);
bool AlternatingChain(const TCandidateGrid& grid, TLogicStep& step);
// Sound only on a puzzle with one solution.
bool UniqueRectangle(const TCandidateGrid& grid, TLogicStep& step);

// Calls visit(chosen) for every choice of `size` (1 to 4) of the indices
// 0..count-1, in lexicographic order, until it returns true.
template <typename TVisit>
bool ForEachChoice(int count, int size, TVisit&& visit) {
  std::array<int, 4> chosen{};
  if (size < 1 || size > static_cast<int>(chosen.size()) || size > count) return false;
  for (int k = 0; k < size; ++k) chosen[static_cast<std::size_t>(k)] = k;
  while (!visit(chosen)) {
    // The rightmost index that can still move on, then the ones after it
    // right behind it.
    int k = size - 1;
    while (k >= 0 && chosen[static_cast<std::size_t>(k)] == count - size + k) --k;
    if (k < 0) return false;
    ++chosen[static_cast<std::size_t>(k)];
    for (int j = k + 1; j < size; ++j) chosen[static_cast<std::size_t>(j)] = chosen[static_cast<std::size_t>(j - 1)] + 1;
  }
  return true;
}

// The values of a mask, smallest first, as the step lists them.
inline void AddValues(TLogicStep& step, TValueBits mask) {
  for (; mask != 0; mask &= mask - 1) step.Values.push_back(std::countr_zero(mask) + 1);
}

}  // namespace novlet::techniques
