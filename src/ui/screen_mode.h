// The screen-size entries and the scale each one stands for.
#pragma once

#include <QSize>
#include <QString>

#include "store/screen_scale_ratio.h"

namespace novlet {

// The entries of the screen-size list, as stored in the options.
enum TScreenSizeChoice : int {
  ScreenSizeAutomatic = 0,
  ScreenSizeIgnore = 1,
  ScreenSize640x480 = 2,
  ScreenSize800x600 = 3,
  ScreenSize1024x768 = 4,
};

// The mode for a screen-size choice on a desktop of that size (in the
// desktop's own scaled pixels); a desktop too small for any enlargement gets
// the base size, the smallest there is.
int ChooseScreenMode(int screenSizeChoice, QSize screenSize);

// The scale that brings the mode's window back to the base size.
TScaleRatio ScaleToBase(int screenMode);

// "", "_sm8x6" or "_sm10x7": the size suffix of the mode's skin bitmaps.
QString SkinSuffix(int screenMode);

}  // namespace novlet
