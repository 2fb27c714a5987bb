// One step of the solver that works as a person does: the technique, what proves it, what it changes.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "logic/candidate_grid.h"

namespace novlet {

// The techniques in the order the solver tries them, easiest first: the
// order a person learns them in, so a later one is the harder step.
enum class TTechnique : std::uint8_t {
  NakedSingle,
  HiddenSingle,
  Pointing,
  BoxLine,
  NakedPair,
  HiddenPair,
  NakedTriple,
  HiddenTriple,
  XWing,
  NakedQuad,
  HiddenQuad,
  Swordfish,
  SimpleColouring,
  XyWing,
  XyzWing,
  UniqueRectangle,
  Jellyfish,
  Aic,
  None,  // no technique applies
};
inline constexpr int kTechniqueCount = static_cast<int>(TTechnique::None);

// "naked-single", "hidden-single", ... "aic" (alternating inference chain:
// X-chains, XY-chains and their mixtures), "unique-rectangle"; "none".
std::string_view TechniqueIdentifier(TTechnique technique);

// Rows, columns, boxes and values count from 1 here, as the player reads them.
struct TUnitRef {
  TUnitKind Kind = TUnitKind::Row;
  int Index = 1;
  friend bool operator==(const TUnitRef&, const TUnitRef&) = default;
};
struct TCellRef {
  int Row = 1;
  int Column = 1;
  friend bool operator==(const TCellRef&, const TCellRef&) = default;
};
struct TCellValue {
  int Row = 1;
  int Column = 1;
  int Value = 1;
  friend bool operator==(const TCellValue&, const TCellValue&) = default;
};

struct TLogicStep {
  TTechnique Technique = TTechnique::None;
  // Where the pattern lies (the unit of a single or subset, the box of a
  // pointing, a fish's base lines) and, for intersections and fish, the units
  // it confines the values to (the line, the box, the cover lines).
  std::vector<TUnitRef> Units;
  std::vector<TUnitRef> CoverUnits;
  // The cells that prove it (a chain's cells in chain order, a wing's pivot
  // first) and the values it is about.
  std::vector<TCellRef> Cells;
  std::vector<int> Values;
  std::vector<TCellValue> Placed;
  std::vector<TCellValue> Removed;
  // Only from NextStep: the eliminations that had to come first (see there).
  std::vector<TLogicStep> Preparation;

  bool Found() const { return Technique != TTechnique::None; }
};

// Building a step from the solver's cell and unit numbers.
void AddUnit(TLogicStep& step, const TLogicLayout& layout, int unit, bool cover = false);
void AddCell(TLogicStep& step, const TLogicLayout& layout, int cell);
void AddPlacement(TLogicStep& step, const TLogicLayout& layout, int cell, int value);
void AddRemoval(TLogicStep& step, const TLogicLayout& layout, int cell, int value);
// Applies the step's changes to the candidates.
void ApplyStep(const TLogicStep& step, TCandidateGrid& grid);

}  // namespace novlet
