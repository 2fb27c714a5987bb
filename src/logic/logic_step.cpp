// The technique identifiers and the building and applying of steps.
#include "logic/logic_step.h"

#include <array>

namespace novlet {
namespace {

constexpr std::array<std::string_view, kTechniqueCount + 1> kIdentifiers{
    "naked-single",  "hidden-single",    "pointing",   "box-line",    "naked-pair", "hidden-pair",      "naked-triple",
    "hidden-triple", "x-wing",           "naked-quad", "hidden-quad", "swordfish",  "simple-colouring", "xy-wing",
    "xyz-wing",      "unique-rectangle", "jellyfish",  "aic",         "none"};

int CellIndex(const TLogicLayout& layout, int row, int column) { return (row - 1) * layout.N + column - 1; }

}  // namespace

std::string_view TechniqueIdentifier(TTechnique technique) { return kIdentifiers[static_cast<int>(technique)]; }

void AddUnit(TLogicStep& step, const TLogicLayout& layout, int unit, bool cover) {
  (cover ? step.CoverUnits : step.Units).push_back({UnitKindOf(layout, unit), unit % layout.N + 1});
}

void AddCell(TLogicStep& step, const TLogicLayout& layout, int cell) {
  step.Cells.push_back({layout.RowOf(cell) + 1, layout.ColumnOf(cell) + 1});
}

void AddPlacement(TLogicStep& step, const TLogicLayout& layout, int cell, int value) {
  step.Placed.push_back({layout.RowOf(cell) + 1, layout.ColumnOf(cell) + 1, value});
}

void AddRemoval(TLogicStep& step, const TLogicLayout& layout, int cell, int value) {
  step.Removed.push_back({layout.RowOf(cell) + 1, layout.ColumnOf(cell) + 1, value});
}

void ApplyStep(const TLogicStep& step, TCandidateGrid& grid) {
  const TLogicLayout& layout = grid.Layout();
  for (const TCellValue& removed : step.Removed)
    grid.Remove(CellIndex(layout, removed.Row, removed.Column), removed.Value);
  for (const TCellValue& placed : step.Placed) grid.Place(CellIndex(layout, placed.Row, placed.Column), placed.Value);
}

}  // namespace novlet
