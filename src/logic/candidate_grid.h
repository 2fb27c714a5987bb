// The candidates a person keeps: a bit mask of the values still possible in every cell.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "engine/board.h"
#include "engine/geometry.h"

namespace novlet {

using TValueBits = std::uint16_t;  // bit v - 1 stands for value v, as in the engine
constexpr TValueBits ValueBitOf(int value) { return static_cast<TValueBits>(1u << (value - 1)); }

inline constexpr int kLogicMaxCells = kMaxGridSize * kMaxGridSize;
inline constexpr int kLogicMaxUnits = 3 * kMaxGridSize;

// Where the cells of one box shape lie. Cells are numbered row by row from 0
// (row * N + column); units are the N rows, then the N columns, then the N
// boxes (numbered row by row, as the program names them: box 5 is the middle
// of a 9 x 9 board).
struct TLogicLayout {
  TGeometry Geometry;
  int N = 0;
  int Cells = 0;
  TValueBits Full = 0;
  std::array<std::array<std::uint8_t, kMaxGridSize>, kLogicMaxUnits> UnitCells{};
  std::array<std::array<std::uint8_t, 3>, kLogicMaxCells> CellUnits{};  // row, column, box unit
  std::array<std::bitset<kLogicMaxCells>, kLogicMaxCells> Peers{};      // the cells sharing a unit, not the cell

  int RowOf(int cell) const { return cell / N; }
  int ColumnOf(int cell) const { return cell % N; }
  int BoxOf(int cell) const { return CellUnits[cell][2] - 2 * N; }
  bool Sees(int a, int b) const { return Peers[a][b]; }

  // The layout of the geometry's shape, made once per shape.
  static const TLogicLayout& Of(const TGeometry& g);
};

enum class TUnitKind : std::uint8_t { Row, Column, Box };
inline TUnitKind UnitKindOf(const TLogicLayout& layout, int unit) { return static_cast<TUnitKind>(unit / layout.N); }

// Values placed and candidates left. Built from placed values only, so pencil
// notes never limit what the solver sees.
class TCandidateGrid {
 public:
  TCandidateGrid(const TGeometry& g, const TBoard& values);

  const TLogicLayout& Layout() const { return *layout_; }
  int N() const { return layout_->N; }
  int Value(int cell) const { return values_[cell]; }
  TValueBits Candidates(int cell) const { return candidates_[cell]; }
  bool Has(int cell, int value) const { return (candidates_[cell] & ValueBitOf(value)) != 0; }
  // The cells of the unit that can still take the value, as bits of the unit's positions.
  std::uint32_t Positions(int unit, int value) const;

  void Place(int cell, int value);
  void Remove(int cell, int value) { candidates_[cell] &= static_cast<TValueBits>(~ValueBitOf(value)); }

  int OpenCells() const;
  // No empty cell without a candidate, no unit without room for a value it
  // lacks, no value twice in a unit. A broken position implies anything, so the
  // solver reports nothing from it.
  bool Consistent() const;

 private:
  const TLogicLayout* layout_;
  std::array<std::uint8_t, kLogicMaxCells> values_{};
  std::array<TValueBits, kLogicMaxCells> candidates_{};
};

}  // namespace novlet
