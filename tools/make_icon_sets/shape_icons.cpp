// Draws the shape icon set.
#include "shape_icons.h"

#include <QColor>
#include <QPainterPath>
#include <QRadialGradient>

#include "icon_canvas.h"

namespace novlet {
namespace {

QPainterPath Star() {
  QPainterPath path;
  const QPolygonF outer = RegularPolygon(kArtBox.adjusted(-1, -1, 1, 1), 5, -90);
  const QPolygonF inner = RegularPolygon(kArtBox.adjusted(6.5, 6.5, -6.5, -6.5), 5, -54);
  QPolygonF star;
  for (int i = 0; i < 5; ++i) star << outer[i] << inner[i];
  path.addPolygon(star);
  path.closeSubpath();
  return path;
}

QPainterPath Heart() {
  QPainterPath path;
  path.moveTo(16, 28);
  path.cubicTo(4, 20, 2, 12, 6, 7.5);
  path.cubicTo(9.5, 4, 14.5, 5, 16, 10);
  path.cubicTo(17.5, 5, 22.5, 4, 26, 7.5);
  path.cubicTo(30, 12, 28, 20, 16, 28);
  return path;
}

QPainterPath Plus() {
  QPainterPath upright;
  upright.addRoundedRect(QRectF(12, 4, 8, 24), 1.5, 1.5);
  QPainterPath across;
  across.addRoundedRect(QRectF(4, 12, 24, 8), 1.5, 1.5);
  return upright.united(across);
}

QPainterPath Moon() {
  QPainterPath disc;
  disc.addEllipse(kArtBox);
  QPainterPath bite;
  bite.addEllipse(kArtBox.translated(8, -5));
  return disc.subtracted(bite);
}

QPainterPath PathOf(const QPolygonF& polygon) {
  QPainterPath path;
  path.addPolygon(polygon);
  path.closeSubpath();
  return path;
}

struct TShape {
  QColor Colour;
  QPainterPath Outline;
};

TShape ShapeOf(int number) {
  QPainterPath disc;
  disc.addEllipse(kArtBox);
  switch (number) {
    case 1: return {QColor(0xE0, 0x20, 0x20), disc};
    case 2: return {QColor(0xF5, 0x8A, 0x00), PathOf(RegularPolygon(kArtBox.adjusted(-2, 0, 2, 4), 3, -90))};
    case 3: return {QColor(0xF2, 0xC8, 0x00), Star()};
    case 4: return {QColor(0x20, 0xA0, 0x30), PathOf(QPolygonF({{6, 6}, {26, 6}, {26, 26}, {6, 26}}))};
    case 5: return {QColor(0x00, 0xB0, 0xC0), PathOf(QPolygonF({{16, 3}, {29, 16}, {16, 29}, {3, 16}}))};
    case 6: return {QColor(0x20, 0x50, 0xE0), PathOf(RegularPolygon(kArtBox.adjusted(-1, -1, 1, 1), 6, 30))};
    case 7: return {QColor(0xE0, 0x40, 0xA0), Heart()};
    case 8: return {QColor(0x80, 0x40, 0xD0), Plus()};
    case 9: return {QColor(0x70, 0x48, 0x30), Moon()};
    default: return {QColor(0x88, 0x88, 0x90), disc};
  }
}

}  // namespace

QImage DrawShapeIcon(int number, int side) {
  const TShape shape = ShapeOf(number);
  TIconCanvas canvas(side);
  QPainter& painter = canvas.Painter;
  const QRectF bounds = shape.Outline.boundingRect();

  QRadialGradient body(bounds.center() - QPointF(bounds.width() * 0.2, bounds.height() * 0.2), bounds.width() * 0.8);
  body.setColorAt(0, shape.Colour.lighter(140));
  body.setColorAt(1, shape.Colour.darker(115));
  painter.setPen(QPen(shape.Colour.darker(220), canvas.Small() ? 2.0 : 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(body);
  painter.drawPath(shape.Outline);
  if (number == 0) DrawQuestionMark(painter, bounds.adjusted(5, 5, -5, -5));
  painter.end();
  return canvas.Image;
}

}  // namespace novlet
