// A canvas for drawing one icon at its two sizes.
#include "icon_canvas.h"

#include <QFont>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace novlet {
namespace {

constexpr double kLargeArtScale = 0.82;

}  // namespace

TIconCanvas::TIconCanvas(int side) : Image(side, side, QImage::Format_ARGB32_Premultiplied) {
  Image.fill(Qt::transparent);
  Painter.begin(&Image);
  Painter.setRenderHint(QPainter::Antialiasing);
  Painter.scale(side / 32.0, side / 32.0);
  if (side >= 32) {
    // The grid centres a 32 x 32 icon in a 27-pixel cell: the art shrinks
    // towards the middle so that it stays clear of the cell's frame lines.
    Painter.translate(16, 16);
    Painter.scale(kLargeArtScale, kLargeArtScale);
    Painter.translate(-16, -16);
  }
}

QPolygonF RegularPolygon(const QRectF& box, int corners, double angleDegrees) {
  QPolygonF polygon;
  const QPointF centre = box.center();
  for (int i = 0; i < corners; ++i) {
    const double angle = (angleDegrees + 360.0 * i / corners) * std::numbers::pi / 180.0;
    polygon << QPointF(centre.x() + box.width() / 2 * std::cos(angle), centre.y() + box.height() / 2 * std::sin(angle));
  }
  return polygon;
}

void DrawQuestionMark(QPainter& painter, const QRectF& box) {
  // Drawn as a path from a fixed font so that every machine makes the same file.
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(static_cast<int>(box.height() * 0.8));
  QPainterPath path;
  path.addText(0, 0, font, QStringLiteral("?"));
  const QRectF bounds = path.boundingRect();
  path.translate(box.center() - bounds.center());
  painter.fillPath(path, Qt::white);
}

}  // namespace novlet
