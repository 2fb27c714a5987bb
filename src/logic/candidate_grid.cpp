// Building the candidates of a position and keeping them as values are placed.
#include "logic/candidate_grid.h"

#include <bit>
#include <vector>

namespace novlet {
namespace {

TLogicLayout MakeLayout(int boxWidth, int boxHeight) {
  TLogicLayout layout;
  layout.Geometry.SetBoxShape(boxWidth, boxHeight);
  const TGeometry& g = layout.Geometry;
  const int n = g.GridSize;
  layout.N = n;
  layout.Cells = n * n;
  layout.Full = static_cast<TValueBits>((1u << n) - 1);
  std::array<int, kLogicMaxUnits> filled{};
  for (int cell = 0; cell < layout.Cells; ++cell) {
    const int row = cell / n;
    const int column = cell % n;
    const int box = (row / g.BoxHeight) * g.BoxesAcross + column / g.BoxWidth;
    layout.CellUnits[cell] = {static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(n + column),
                              static_cast<std::uint8_t>(2 * n + box)};
    for (const int unit : layout.CellUnits[cell])
      layout.UnitCells[unit][filled[unit]++] = static_cast<std::uint8_t>(cell);
  }
  for (int cell = 0; cell < layout.Cells; ++cell) {
    for (const int unit : layout.CellUnits[cell]) {
      for (int k = 0; k < n; ++k) layout.Peers[cell].set(layout.UnitCells[unit][k]);
    }
    layout.Peers[cell].reset(cell);
  }
  return layout;
}

}  // namespace

const TLogicLayout& TLogicLayout::Of(const TGeometry& g) {
  static const std::vector<TLogicLayout> layouts = [] {
    std::vector<TLogicLayout> all;
    for (const TBoxShape& shape : kBoxShapes) all.push_back(MakeLayout(shape.BoxWidth, shape.BoxHeight));
    return all;
  }();
  const std::optional<int> index = FindBoxShape(g.BoxWidth, g.BoxHeight);
  return layouts[index.value_or(0)];
}

TCandidateGrid::TCandidateGrid(const TGeometry& g, const TBoard& values) : layout_(&TLogicLayout::Of(g)) {
  const int n = layout_->N;
  for (int cell = 0; cell < layout_->Cells; ++cell) {
    const int value = values.at(cell % n + 1, cell / n + 1);
    values_[cell] = static_cast<std::uint8_t>(value >= 1 && value <= n ? value : 0);
    candidates_[cell] = values_[cell] == 0 ? layout_->Full : 0;
  }
  for (int cell = 0; cell < layout_->Cells; ++cell) {
    if (values_[cell] == 0) continue;
    for (int peer = 0; peer < layout_->Cells; ++peer) {
      if (layout_->Peers[cell][peer]) Remove(peer, values_[cell]);
    }
  }
}

std::uint32_t TCandidateGrid::Positions(int unit, int value) const {
  std::uint32_t positions = 0;
  const TValueBits bit = ValueBitOf(value);
  for (int k = 0; k < layout_->N; ++k) {
    if (candidates_[layout_->UnitCells[unit][k]] & bit) positions |= 1u << k;
  }
  return positions;
}

void TCandidateGrid::Place(int cell, int value) {
  values_[cell] = static_cast<std::uint8_t>(value);
  candidates_[cell] = 0;
  for (const int unit : layout_->CellUnits[cell]) {
    for (int k = 0; k < layout_->N; ++k) Remove(layout_->UnitCells[unit][k], value);
  }
}

int TCandidateGrid::OpenCells() const {
  int open = 0;
  for (int cell = 0; cell < layout_->Cells; ++cell) open += values_[cell] == 0;
  return open;
}

bool TCandidateGrid::Consistent() const {
  const int n = layout_->N;
  for (int cell = 0; cell < layout_->Cells; ++cell) {
    if (values_[cell] == 0 && candidates_[cell] == 0) return false;
  }
  for (int unit = 0; unit < 3 * n; ++unit) {
    TValueBits placed = 0;
    TValueBits possible = 0;
    for (int k = 0; k < n; ++k) {
      const int cell = layout_->UnitCells[unit][k];
      if (values_[cell] != 0) {
        if (placed & ValueBitOf(values_[cell])) return false;
        placed |= ValueBitOf(values_[cell]);
      }
      possible |= candidates_[cell];
    }
    if ((placed | possible) != layout_->Full || (placed & possible) != 0) return false;
  }
  return true;
}

}  // namespace novlet
