// The box shapes and the geometry fields derived from them.
#include "engine/geometry.h"

namespace novlet {

std::optional<int> FindBoxShape(int boxWidth, int boxHeight) {
  for (int i = 0; i < static_cast<int>(kBoxShapes.size()); ++i) {
    if (kBoxShapes[i].BoxWidth == boxWidth && kBoxShapes[i].BoxHeight == boxHeight) return i;
  }
  return std::nullopt;
}

void TGeometry::SetBoxShape(int boxWidth, int boxHeight) {
  if (!FindBoxShape(boxWidth, boxHeight)) {
    boxWidth = 3;
    boxHeight = 3;
  }
  BoxWidth = boxWidth;
  BoxHeight = boxHeight;
  BoxesAcross = BoxHeight;
  BoxesDown = BoxWidth;
  GridSize = BoxWidth * BoxHeight;
  LineSum = GridSize * (GridSize + 1) / 2;
}

}  // namespace novlet
