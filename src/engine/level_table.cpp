// The numbers of the levels: removal shares and targets.
#include "engine/level_table.h"

namespace novlet {

int LevelRemovalShare(int level) {
  switch (level) {
    case kLevelRookie: return 46;
    case kLevelSkilled: return 56;
    case kLevelExpert: return 61;
    default: return 51;
  }
}

std::string_view LevelTargetText(int level) {
  switch (level) {
    case kLevelRookie: return "Target is Rookie";
    case kLevelSkilled: return "Target is Skilled";
    case kLevelExpert: return "Target is Expert";
    default: return "Target is Normal";
  }
}

// 81 is odd, so N^2 * k / 81 is never exactly halfway and the rounding rule
// does not matter.
int ScaleFrom81(int gridSize, int numerator) { return (2 * gridSize * gridSize * numerator + 81) / 162; }

int RemovalTarget(int gridSize, int level, TRandomSource& random) {
  int target = ScaleFrom81(gridSize, LevelRemovalShare(level));
  if (gridSize > 9) target -= (gridSize - 9) * (gridSize - 9);
  if (!(level == kLevelExpert && gridSize <= 9)) {
    target -= static_cast<int>(random.Below(static_cast<std::uint32_t>(ScaleFrom81(gridSize, 5))));
  }
  return target;
}

}  // namespace novlet
