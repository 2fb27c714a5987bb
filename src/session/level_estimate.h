// The level a typed puzzle gets when it is stored, from its open cells.
#pragma once

#include "engine/board.h"
#include "engine/geometry.h"

namespace novlet {

// Rookie to Expert by the number of cells that are not givens, on the 9 x 9
// bounds scaled to the board.
int EstimateLevel(const TGeometry& g, const TCellTexts& givens);

}  // namespace novlet
