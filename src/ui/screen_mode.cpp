// The screen-size entries and the scale each one stands for.
#include "ui/screen_mode.h"

namespace novlet {

namespace {

int ModeByWidth(int width) {
  if (width < 800) return 2;
  if (width < 1024) return 2;
  if (width < 1152) return 3;
  return 4;
}

int ModeByHeight(int height) {
  if (height < 600) return 5;
  if (height < 768) return 5;
  if (height < 864) return 6;
  return 7;
}

}  // namespace

int ChooseScreenMode(int screenSizeChoice, QSize screenSize) {
  switch (screenSizeChoice) {
    case ScreenSizeIgnore:
      return 2;
    case ScreenSize640x480:
    case ScreenSize800x600:
    case ScreenSize1024x768:
      return screenSizeChoice;
    default:
      break;
  }
  // Compare screenWidth / 640 with screenHeight / 480 without rounding.
  const long long widthRatio = static_cast<long long>(screenSize.width()) * 480;
  const long long heightRatio = static_cast<long long>(screenSize.height()) * 640;
  if (widthRatio < heightRatio) return ModeByWidth(screenSize.width());
  return ModeByHeight(screenSize.height());
}

TScaleRatio ScaleToBase(int screenMode) {
  const TScaleRatio up = ScaleFromBase(screenMode);
  return {up.Denominator, up.Numerator};
}

QString SkinSuffix(int screenMode) {
  switch (screenMode) {
    case 3:
    case 6: return QStringLiteral("_sm8x6");
    case 4:
    case 7: return QStringLiteral("_sm10x7");
    default: return QString();
  }
}

}  // namespace novlet
