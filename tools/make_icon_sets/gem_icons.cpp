// Draws the gem icon set.
#include "gem_icons.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainterPath>

#include <array>

#include "icon_canvas.h"

namespace novlet {
namespace {

struct TGem {
  QColor Colour;
  QPolygonF Outline;
};

QPolygonF Pear() {
  return QPolygonF({{16, 4}, {21, 10}, {25, 16}, {25.5, 21}, {23, 26}, {16, 28.5}, {9, 26}, {6.5, 21}, {7, 16}, {11, 10}});
}

QPolygonF BrilliantSideView() {
  return QPolygonF({{9, 7}, {23, 7}, {28.5, 13}, {16, 28}, {3.5, 13}});
}

TGem GemOf(int number) {
  switch (number) {
    case 1: return {QColor(0xD0, 0x10, 0x30), RegularPolygon(kArtBox, 8, 22.5)};
    case 2: return {QColor(0xF0, 0x80, 0x10), Pear()};
    case 3: return {QColor(0xF0, 0xD0, 0x10), RegularPolygon(kArtBox.adjusted(-1, 1, 1, 3), 3, -90)};
    case 4: return {QColor(0x10, 0xA0, 0x40), QPolygonF({{10, 4}, {22, 4}, {25, 7}, {25, 25}, {22, 28}, {10, 28}, {7, 25}, {7, 7}})};
    case 5: return {QColor(0x20, 0xC0, 0xD0), RegularPolygon(kArtBox.adjusted(0, 4, 0, -4), 12, 0)};
    case 6: return {QColor(0x20, 0x40, 0xD0), QPolygonF({{5, 5}, {27, 5}, {27, 27}, {5, 27}})};
    case 7: return {QColor(0x90, 0x30, 0xC0), QPolygonF({{16, 3}, {22, 9}, {24, 16}, {22, 23}, {16, 29}, {10, 23}, {8, 16}, {10, 9}})};
    case 8: return {QColor(0xF0, 0x70, 0xB0), RegularPolygon(kArtBox, 6, 0)};
    case 9: return {QColor(0xD8, 0xE8, 0xF8), BrilliantSideView()};
    default: return {QColor(0x90, 0x90, 0x98), RegularPolygon(kArtBox, 16, 0)};
  }
}

QPolygonF Shrunk(const QPolygonF& outline, double factor) {
  const QPointF centre = outline.boundingRect().center();
  QPolygonF inner;
  for (const QPointF& point : outline) inner << centre + (point - centre) * factor;
  return inner;
}

}  // namespace

QImage DrawGemIcon(int number, int side) {
  const TGem gem = GemOf(number);
  TIconCanvas canvas(side);
  QPainter& painter = canvas.Painter;
  const QRectF bounds = gem.Outline.boundingRect();

  QLinearGradient body(bounds.topLeft(), bounds.bottomRight());
  body.setColorAt(0, gem.Colour.lighter(150));
  body.setColorAt(1, gem.Colour.darker(160));
  painter.setPen(QPen(gem.Colour.darker(250), canvas.Small() ? 2.0 : 1.2));
  painter.setBrush(body);
  painter.drawPolygon(gem.Outline);

  // Facets: the band between the rim and the table, lit from the top left.
  const QPolygonF table = Shrunk(gem.Outline, 0.55);
  if (!canvas.Small()) {
    painter.setPen(Qt::NoPen);
    const int corners = static_cast<int>(gem.Outline.size());
    for (int i = 0; i < corners; ++i) {
      const int next = (i + 1) % corners;
      const QPointF middle = (gem.Outline[i] + gem.Outline[next]) / 2 - bounds.center();
      const bool lit = middle.x() + middle.y() < 0;
      painter.setBrush(lit ? QColor(255, 255, 255, 70) : QColor(0, 0, 0, 50));
      painter.drawPolygon(QPolygonF({gem.Outline[i], gem.Outline[next], table[next], table[i]}));
    }
  }
  QLinearGradient shine(bounds.topLeft(), bounds.center());
  shine.setColorAt(0, gem.Colour.lighter(175));
  shine.setColorAt(1, gem.Colour);
  painter.setPen(QPen(QColor(255, 255, 255, 150), canvas.Small() ? 0.0 : 0.8));
  painter.setBrush(shine);
  painter.drawPolygon(table);
  // A glint that makes the stone read as glass even at 16 pixels.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 220));
  const QPointF glint = bounds.topLeft() + QPointF(bounds.width() * 0.32, bounds.height() * 0.3);
  painter.drawEllipse(glint, canvas.Small() ? 2.6 : 2.0, canvas.Small() ? 2.6 : 2.0);

  if (number == 0) DrawQuestionMark(painter, bounds.adjusted(4, 4, -4, -4));
  painter.end();
  return canvas.Image;
}

}  // namespace novlet
