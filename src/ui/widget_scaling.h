// Multiplies a window's controls and fonts by a ratio.
#pragma once

#include "ui/screen_mode.h"

class QWidget;

namespace novlet {

// Multiplies the window's size and every child control's position, size and
// font size by ratio.Numerator / ratio.Denominator, each rounded to whole
// pixels (halves away from zero). Undoing a scale with the inverse ratio
// brings every integer back exactly. Child windows are left alone.
void ScaleWidgetTree(QWidget* window, TScaleRatio ratio);

// One value scaled the same way.
int ScaleValue(int value, TScaleRatio ratio);

}  // namespace novlet
