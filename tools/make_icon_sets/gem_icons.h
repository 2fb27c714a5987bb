// Draws the gem icon set.
#pragma once

#include <QImage>

namespace novlet {

// Icon `number` (0..9) of the "Gems" set at side 32 or 16: nine cut stones,
// each with its own colour and cut, and a grey stone with a question mark.
QImage DrawGemIcon(int number, int side);

}  // namespace novlet
