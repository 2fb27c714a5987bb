// The screen-size entries and the scale each one stands for.
#pragma once

#include <QSize>
#include <QString>

namespace novlet {

// The entries of the screen-size list, as stored in the options.
enum TScreenSizeChoice : int {
  ScreenSizeAutomatic = 0,
  ScreenSizeIgnore = 1,
  ScreenSize640x480 = 2,
  ScreenSize800x600 = 3,
  ScreenSize1024x768 = 4,
};

// ScreenMode values: 0 nothing applied yet; 2..4 chosen by width or by hand;
// 5..7 chosen by height. 2 and 5 are the base size, 3 and 6 enlarge by 1.25,
// 4 and 7 by 1.6.
struct TScaleRatio {
  int Numerator = 1;
  int Denominator = 1;
  bool IsIdentity() const { return Numerator == Denominator; }
};

// The mode for a screen-size choice on a desktop of that size (in the
// desktop's own scaled pixels); a desktop too small for any enlargement gets
// the base size, the smallest there is.
int ChooseScreenMode(int screenSizeChoice, QSize screenSize);

// The scale that enlarges the base-size window to the mode, and back.
TScaleRatio ScaleFromBase(int screenMode);
TScaleRatio ScaleToBase(int screenMode);

// "", "_sm8x6" or "_sm10x7": the size suffix of the mode's skin bitmaps.
QString SkinSuffix(int screenMode);

}  // namespace novlet
