// The nineteen box shapes and the geometry every engine operation works with.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace novlet {

// One of the box shapes the program offers, in menu order.
struct TBoxShape {
  std::string_view Caption;   // "3 x 3 (Pure Novlet)", "2 x 2", ...
  std::string_view ItemName;  // "S3X3", "S2X2", ...
  int BoxWidth;
  int BoxHeight;
};

inline constexpr std::array<TBoxShape, 19> kBoxShapes{{
    {"3 x 3 (Pure Novlet)", "S3X3", 3, 3},
    {"2 x 2", "S2X2", 2, 2},
    {"2 x 3", "S2X3", 2, 3},
    {"2 x 4", "S2X4", 2, 4},
    {"2 x 5", "S2X5", 2, 5},
    {"2 x 6", "S2X6", 2, 6},
    {"2 x 7", "S2X7", 2, 7},
    {"2 x 8", "S2X8", 2, 8},
    {"3 x 2", "S3X2", 3, 2},
    {"3 x 4", "S3X4", 3, 4},
    {"3 x 5", "S3X5", 3, 5},
    {"4 x 2", "S4X2", 4, 2},
    {"4 x 3", "S4X3", 4, 3},
    {"4 x 4", "S4X4", 4, 4},
    {"5 x 2", "S5X2", 5, 2},
    {"5 x 3", "S5X3", 5, 3},
    {"6 x 2", "S6X2", 6, 2},
    {"7 x 2", "S7X2", 7, 2},
    {"8 x 2", "S8X2", 8, 2},
}};

// Translation tags of the box-shape menu: the top-level 3 x 3 item and the
// "Variants" submenu holding the other eighteen.
inline constexpr int kPureShapeTag = 450;
inline constexpr int kVariantsMenuTag = 460;

// The index in kBoxShapes of the shape width x height, if it is one of the 19.
std::optional<int> FindBoxShape(int boxWidth, int boxHeight);

// The geometry fields every engine operation works with.
struct TGeometry {
  int BoxWidth = 3;
  int BoxHeight = 3;
  int BoxesAcross = 3;
  int BoxesDown = 3;
  int GridSize = 9;
  int LineSum = 45;

  // Sets the shape (3 x 3 when width x height is not one of the 19) and
  // recomputes the derived fields.
  void SetBoxShape(int boxWidth, int boxHeight);

  // Column and row (1-based) of position k = 1..N of box (bx, by): the cells
  // of a box are numbered row by row, left to right.
  int BoxCellColumn(int bx, int k) const { return (bx - 1) * BoxWidth + ((k - 1) % BoxWidth) + 1; }
  int BoxCellRow(int by, int k) const { return (by - 1) * BoxHeight + ((k - 1) / BoxWidth) + 1; }
};

}  // namespace novlet
