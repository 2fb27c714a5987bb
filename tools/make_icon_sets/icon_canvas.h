// A canvas for drawing one icon at its two sizes.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>

// Shared drawing for the icon sets: every icon is drawn on a transparent
// square in the coordinates of a 32 x 32 icon and scaled to its real side, so
// that the small icons are drawn, not shrunk.
namespace novlet {

// Side 32 or 16; the painter's unit is one pixel of a 32 x 32 icon.
struct TIconCanvas {
  explicit TIconCanvas(int side);
  QImage Image;
  QPainter Painter;
  bool Small() const { return Image.width() < 32; }
};

// The area the artwork keeps to, in a 32 x 32 icon's coordinates.
inline const QRectF kArtBox(3.5, 3.5, 25.0, 25.0);

// A regular polygon of n corners on the ellipse in box, the first corner at
// angleDegrees (0 is to the right, counting clockwise on screen).
QPolygonF RegularPolygon(const QRectF& box, int corners, double angleDegrees);

// A white question mark centred in box, the set's mark for "nothing entered".
void DrawQuestionMark(QPainter& painter, const QRectF& box);

}  // namespace novlet
