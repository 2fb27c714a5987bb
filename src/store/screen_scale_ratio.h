// How much each screen mode enlarges the base-size window, for the window's controls and the grid's fonts alike.
#pragma once

namespace novlet {

// ScreenMode values: 0 nothing applied yet; 2..4 chosen by width or by hand;
// 5..7 chosen by height. 2 and 5 are the base size, 3 and 6 enlarge by 1.25,
// 4 and 7 by 1.6.
struct TScaleRatio {
  int Numerator = 1;
  int Denominator = 1;
  constexpr bool IsIdentity() const { return Numerator == Denominator; }
};

// The scale that enlarges the base-size window to the mode.
constexpr TScaleRatio ScaleFromBase(int screenMode) {
  switch (screenMode) {
    case 3: return {800, 640};
    case 4: return {1024, 640};
    case 6: return {600, 480};
    case 7: return {768, 480};
    default: return {};
  }
}

}  // namespace novlet
