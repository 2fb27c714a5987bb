// Font and slot sizes for the screen modes.
#include "render/screen_scale.h"

#include <cmath>

namespace novlet {
namespace {

struct TScreenScale {
  int Numerator;
  int Denominator;
};

TScreenScale ScaleOfMode(int screenMode) {
  switch (screenMode) {
    case 3: return {800, 640};
    case 4: return {1024, 640};
    case 6: return {600, 480};
    case 7: return {768, 480};
    default: return {1, 1};
  }
}

}  // namespace

int ScaleForScreen(int size, int screenMode) {
  const TScreenScale scale = ScaleOfMode(screenMode);
  return static_cast<int>(std::nearbyint(static_cast<double>(size) * scale.Numerator / scale.Denominator));
}

int PointsToPixels(int points) {
  return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

int ScaleLengthForScreen(int length, int screenMode) {
  const TScreenScale scale = ScaleOfMode(screenMode);
  return length * scale.Numerator / scale.Denominator;
}

}  // namespace novlet
