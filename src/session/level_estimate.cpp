// The level a typed puzzle gets when it is stored, from its open cells.
#include "session/level_estimate.h"

#include "engine/board_text.h"
#include "engine/level_table.h"

namespace novlet {

int EstimateLevel(const TGeometry& g, const TCellTexts& givens) {
  const int n = g.GridSize;
  const int notGivens = CountEmptyTexts(g, givens);
  const auto bound = [n](int share) { return ScaleFrom81(n, share) - (n > 9 ? (n - 9) * (n - 9) : 0); };
  if (notGivens <= bound(46)) return kLevelRookie;
  if (notGivens <= bound(51)) return kLevelNormal;
  if (notGivens <= bound(56)) return kLevelSkilled;
  if (notGivens <= bound(66)) return kLevelExpert;
  // On big boards the Expert bound lies below what a unique puzzle can have
  // open; up to that share the puzzle is still the hardest kind.
  return notGivens < ScaleFrom81(n, 66) ? kLevelExpert : kLevelRookie;
}

}  // namespace novlet
