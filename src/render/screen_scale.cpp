// Font and slot sizes for the screen modes.
#include "render/screen_scale.h"

#include <cmath>

#include "store/screen_scale_ratio.h"

namespace novlet {

int ScaleForScreen(int size, int screenMode) {
  const TScaleRatio scale = ScaleFromBase(screenMode);
  return static_cast<int>(std::nearbyint(static_cast<double>(size) * scale.Numerator / scale.Denominator));
}

int PointsToPixels(int points) {
  return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

int ScaleLengthForScreen(int length, int screenMode) {
  const TScaleRatio scale = ScaleFromBase(screenMode);
  return length * scale.Numerator / scale.Denominator;
}

}  // namespace novlet
