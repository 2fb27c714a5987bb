// The colours of the skinned kit, in the stored 0x00BBGGRR form.
#pragma once

#include <QColor>

namespace novlet {

// Colours of the kit are written as the program has always stored them:
// 0x00BBGGRR, blue in the high byte.
constexpr QRgb RgbFromStoredColor(unsigned storedColor) {
  return qRgb(storedColor & 0xFF, (storedColor >> 8) & 0xFF, (storedColor >> 16) & 0xFF);
}

inline QColor ColorFromStoredColor(unsigned storedColor) {
  return QColor(RgbFromStoredColor(storedColor));
}

// The light cream of the boxes, the about box and the splash.
constexpr unsigned BoxCream = 0xF2FFFF;
// The dark half of a button's sunken or raised one-pixel frame.
constexpr unsigned FrameGrey = 0x808080;

}  // namespace novlet
