// Draws the shape icon set.
#pragma once

#include <QImage>

namespace novlet {

// Icon `number` (0..9) of the "Shapes" set at side 32 or 16: nine flat
// symbols that differ in both outline and colour, and a grey disc with a
// question mark.
QImage DrawShapeIcon(int number, int side);

}  // namespace novlet
