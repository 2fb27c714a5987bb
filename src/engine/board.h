// The board and cell-text arrays every part of the program passes around.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace novlet {

// Largest board side; every board type holds a 16 x 16 array of which only the
// N x N part is used.
inline constexpr int kMaxGridSize = 16;

// A board of values indexed [column, row], both 1-based; 0 is an empty cell.
// Copied by value (256 bytes).
struct TBoard {
  std::array<std::uint8_t, kMaxGridSize * kMaxGridSize> cells{};

  std::uint8_t& at(int column, int row) { return cells[Index(column, row)]; }
  std::uint8_t at(int column, int row) const { return cells[Index(column, row)]; }

  friend bool operator==(const TBoard&, const TBoard&) = default;

 private:
  static constexpr int Index(int column, int row) { return (row - 1) * kMaxGridSize + (column - 1); }
};

// Cell texts indexed [column, row] like TBoard: values, pencil notes,
// alternatives lists or deduced marks. Also the text model of a visible grid.
struct TCellTexts {
  std::array<std::string, kMaxGridSize * kMaxGridSize> cells{};

  std::string& at(int column, int row) { return cells[Index(column, row)]; }
  const std::string& at(int column, int row) const { return cells[Index(column, row)]; }

  friend bool operator==(const TCellTexts&, const TCellTexts&) = default;

 private:
  static constexpr int Index(int column, int row) { return (row - 1) * kMaxGridSize + (column - 1); }
};

}  // namespace novlet
