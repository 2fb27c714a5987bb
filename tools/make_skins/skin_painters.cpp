// Paints the skin pictures: background and button faces at each size.
#include "skin_painters.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// The house colours: a deep blue slate, a warm amber accent, a light cream.
const QColor SlateDeep(0x1a, 0x24, 0x32);
const QColor SlateDark(0x22, 0x2f, 0x41);
const QColor SlateMid(0x2d, 0x3e, 0x56);
const QColor SlateLight(0x4a, 0x66, 0x8c);
const QColor SlateInk(0x24, 0x33, 0x48);
const QColor Amber(0xe8, 0xa3, 0x3d);
const QColor AmberSoft(0xf3, 0xc9, 0x7a);
const QColor Cream(0xff, 0xff, 0xf2);
const QColor KeyMagenta(0xff, 0x00, 0xff);

QFont SansFont(double pixelSize, bool bold, double letterSpacing = 0) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(qRound(pixelSize));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  if (letterSpacing != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
  return font;
}

void PrepareScaled(QPainter& painter, QSize size, QSizeF base) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(size.width() / base.width(), size.height() / base.height());
}

// A small 9 x 9 board with its 3 x 3 boxes: the program's emblem.
void DrawEmblem(QPainter& painter, const QRectF& area, bool withDigits) {
  painter.save();
  const double cell = area.width() / 9.0;
  painter.setPen(Qt::NoPen);
  painter.setBrush(Cream);
  painter.drawRoundedRect(area, cell * 0.6, cell * 0.6);
  painter.setBrush(QColor(Amber.red(), Amber.green(), Amber.blue(), 200));
  painter.drawRect(QRectF(area.left() + 4 * cell, area.top() + 4 * cell, cell, cell));
  painter.setBrush(QColor(SlateLight.red(), SlateLight.green(), SlateLight.blue(), 45));
  painter.drawRect(QRectF(area.left() + 3 * cell, area.top(), 3 * cell, area.height()));
  painter.drawRect(QRectF(area.left(), area.top() + 3 * cell, 3 * cell, 3 * cell));
  painter.drawRect(QRectF(area.left() + 6 * cell, area.top() + 3 * cell, 3 * cell, 3 * cell));
  for (int i = 1; i < 9; ++i) {
    const bool boxLine = i % 3 == 0;
    painter.setPen(QPen(boxLine ? SlateInk : QColor(0x9a, 0xa8, 0xba), boxLine ? cell * 0.12 : cell * 0.05));
    painter.drawLine(QPointF(area.left() + i * cell, area.top()), QPointF(area.left() + i * cell, area.bottom()));
    painter.drawLine(QPointF(area.left(), area.top() + i * cell), QPointF(area.right(), area.top() + i * cell));
  }
  painter.setPen(QPen(SlateInk, cell * 0.14));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(area, cell * 0.6, cell * 0.6);
  if (withDigits) {
    static const int givens[][3] = {{0, 0, 5}, {2, 1, 8}, {4, 0, 3}, {7, 1, 6}, {1, 3, 9}, {5, 3, 2}, {8, 4, 1},
                                    {3, 5, 7}, {0, 6, 4}, {6, 6, 8}, {4, 7, 5}, {8, 8, 3}, {2, 8, 6}};
    painter.setFont(SansFont(cell * 0.72, true));
    for (const auto& given : givens) {
      painter.setPen(SlateInk);
      painter.drawText(QRectF(area.left() + given[0] * cell, area.top() + given[1] * cell, cell, cell),
                       Qt::AlignCenter, QString::number(given[2]));
    }
    painter.setPen(SlateDeep);
    painter.drawText(QRectF(area.left() + 4 * cell, area.top() + 4 * cell, cell, cell), Qt::AlignCenter,
                     QStringLiteral("9"));
  }
  painter.restore();
}

// The maker's mark: an amber ring open to the right, and the name.
void DrawCorvexMark(QPainter& painter, const QPointF& origin, double height, const QColor& textColor) {
  painter.save();
  const double ring = height * 0.8;
  const QRectF ringArea(origin.x(), origin.y() + (height - ring) / 2, ring, ring);
  painter.setPen(QPen(Amber, ring * 0.2, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(ringArea.adjusted(ring * 0.1, ring * 0.1, -ring * 0.1, -ring * 0.1), 40 * 16, 280 * 16);
  painter.setPen(Qt::NoPen);
  painter.setBrush(textColor);
  painter.drawEllipse(ringArea.center(), ring * 0.12, ring * 0.12);
  painter.setPen(textColor);
  painter.setFont(SansFont(height * 0.5, true, height * 0.08));
  painter.drawText(QRectF(origin.x() + ring * 1.25, origin.y(), height * 6, height * 0.62),
                   Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("CORVEX"));
  painter.setFont(SansFont(height * 0.26, false, height * 0.09));
  painter.drawText(QRectF(origin.x() + ring * 1.27, origin.y() + height * 0.6, height * 6, height * 0.4),
                   Qt::AlignLeft | Qt::AlignTop, QStringLiteral("SOFTWARE"));
  painter.restore();
}

// Drops the antialiased fringe onto the transparent key: half-covered edge
// pixels become the face's own colour, the rest pure magenta, so a face
// never shows a pink halo on any background.
QImage FlattenOverKey(const QImage& layer) {
  QImage flat(layer.size(), QImage::Format_RGB32);
  for (int y = 0; y < layer.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
    QRgb* out = reinterpret_cast<QRgb*>(flat.scanLine(y));
    for (int x = 0; x < layer.width(); ++x) {
      const QRgb pixel = qUnpremultiply(in[x]);
      out[x] = qAlpha(pixel) >= 128 ? (pixel | 0xFF000000) : KeyMagenta.rgb();
    }
  }
  return flat;
}

}  // namespace

QImage PaintBackground(QSize size) {
  const QSizeF base(568, 405);
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  PrepareScaled(painter, size, base);

  QLinearGradient depth(0, 0, 0, base.height());
  depth.setColorAt(0, SlateMid);
  depth.setColorAt(1, SlateDeep);
  painter.fillRect(QRectF(QPointF(0, 0), base), depth);

  QRadialGradient glow(QPointF(430, 40), 420);
  glow.setColorAt(0, QColor(0x5a, 0x7c, 0xa8, 80));
  glow.setColorAt(1, QColor(0x5a, 0x7c, 0xa8, 0));
  painter.fillRect(QRectF(QPointF(0, 0), base), glow);

  // The left column of page buttons and the title strip along the top.
  painter.fillRect(QRectF(0, 0, 136, base.height()), QColor(0, 0, 0, 50));
  painter.fillRect(QRectF(136, 0, base.width() - 136, 24), QColor(0, 0, 0, 38));
  painter.fillRect(QRectF(136, 0, 1, base.height()), QColor(0x7d, 0x98, 0xbd, 55));
  QLinearGradient accent(136, 0, base.width(), 0);
  accent.setColorAt(0, QColor(Amber.red(), Amber.green(), Amber.blue(), 0));
  accent.setColorAt(0.35, QColor(Amber.red(), Amber.green(), Amber.blue(), 170));
  accent.setColorAt(1, QColor(Amber.red(), Amber.green(), Amber.blue(), 60));
  painter.fillRect(QRectF(137, 24, base.width() - 137, 1), accent);

  // The page area: a calm, slightly lighter panel.
  QPainterPath panel;
  panel.addRoundedRect(QRectF(146.5, 32.5, 413, 364), 8, 8);
  painter.fillPath(panel, QColor(0xff, 0xff, 0xff, 14));
  painter.strokePath(panel, QPen(QColor(0xff, 0xff, 0xff, 34), 1));

  // The program's emblem at the top of the column, the maker's mark below.
  DrawEmblem(painter, QRectF(14, 8, 18, 18), false);
  painter.setPen(QColor(Cream.red(), Cream.green(), Cream.blue(), 225));
  painter.setFont(SansFont(12.5, true));
  painter.drawText(QRectF(38, 6, 96, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Novlet"));
  painter.fillRect(QRectF(10, 34, 116, 1), QColor(Amber.red(), Amber.green(), Amber.blue(), 120));
  DrawCorvexMark(painter, QPointF(14, 366), 28, QColor(Cream.red(), Cream.green(), Cream.blue(), 170));

  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0xff, 0xff, 0xff, 22), 1));
  painter.drawRect(QRectF(1.5, 1.5, base.width() - 3, base.height() - 3));
  painter.setPen(QPen(QColor(0x0c, 0x11, 0x19), 1));
  painter.drawRect(QRectF(0.5, 0.5, base.width() - 1, base.height() - 1));
  return image;
}

QImage PaintButtonFace(QSize size, QSize baseSize, TFaceState state) {
  QImage layer(size, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  QPainter painter(&layer);
  PrepareScaled(painter, size, QSizeF(baseSize));
  const bool large = baseSize.height() >= 30;
  const double radius = large ? 7 : 4.5;
  // A transparent margin keeps buttons placed edge to edge (the boxes' two
  // buttons are) visibly apart.
  const double marginX = large ? 2 : 1;
  const double marginY = large ? 1 : 0;
  const QRectF face(0.5 + marginX, 0.5 + marginY, baseSize.width() - 1 - 2 * marginX,
                    baseSize.height() - 1 - 2 * marginY);

  QLinearGradient fill(0, 0, 0, baseSize.height());
  QColor border;
  switch (state) {
    case TFaceState::Up:
      fill.setColorAt(0, QColor(0x5c, 0x7c, 0xa6));
      fill.setColorAt(0.5, QColor(0x43, 0x60, 0x88));
      fill.setColorAt(1, QColor(0x33, 0x4c, 0x6e));
      border = QColor(0x14, 0x1d, 0x29);
      break;
    case TFaceState::Down:
      fill.setColorAt(0, QColor(0x2a, 0x3d, 0x58));
      fill.setColorAt(1, QColor(0x3e, 0x58, 0x7c));
      border = Amber;
      break;
    case TFaceState::Disabled:
      fill.setColorAt(0, QColor(0x3e, 0x47, 0x55));
      fill.setColorAt(1, QColor(0x35, 0x3d, 0x49));
      border = QColor(0x24, 0x2b, 0x35);
      break;
  }
  QPainterPath shape;
  shape.addRoundedRect(face, radius, radius);
  painter.fillPath(shape, fill);

  if (state == TFaceState::Up) {
    // A soft light along the top edge lifts the face off the background.
    painter.save();
    painter.setClipRect(QRectF(0, 0, baseSize.width(), baseSize.height() * 0.5));
    QPainterPath rim;
    rim.addRoundedRect(face.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    painter.strokePath(rim, QPen(QColor(0xff, 0xff, 0xff, 70), 1));
    painter.restore();
  } else if (state == TFaceState::Down) {
    painter.save();
    painter.setClipRect(QRectF(0, 0, baseSize.width(), baseSize.height() * 0.4));
    QPainterPath inner;
    inner.addRoundedRect(face.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    painter.strokePath(inner, QPen(QColor(0, 0, 0, 80), 1.2));
    painter.restore();
  }
  painter.strokePath(shape, QPen(border, 1));
  painter.end();
  return FlattenOverKey(layer);
}

QImage PaintIntro() {
  const QSizeF base(280, 280);
  QImage image(280, 280, QImage::Format_RGB32);
  QPainter painter(&image);
  PrepareScaled(painter, image.size(), base);
  QLinearGradient depth(0, 0, 0, 280);
  depth.setColorAt(0, SlateMid);
  depth.setColorAt(1, SlateDeep);
  painter.fillRect(QRectF(0, 0, 280, 280), depth);
  QRadialGradient glow(QPointF(140, 95), 150);
  glow.setColorAt(0, QColor(0x6a, 0x8c, 0xb8, 90));
  glow.setColorAt(1, QColor(0x6a, 0x8c, 0xb8, 0));
  painter.fillRect(QRectF(0, 0, 280, 280), glow);

  DrawEmblem(painter, QRectF(86, 34, 108, 108), true);

  painter.setPen(Cream);
  painter.setFont(SansFont(25, true));
  painter.drawText(QRectF(0, 156, 280, 34), Qt::AlignCenter, QStringLiteral("Corvex Novlet"));
  painter.fillRect(QRectF(90, 194, 100, 1.5), Amber);
  // The version under the rule is the splash's own text, in the window's
  // language.
  DrawCorvexMark(painter, QPointF(92, 236), 26, QColor(Cream.red(), Cream.green(), Cream.blue(), 190));

  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0x0c, 0x11, 0x19), 1));
  painter.drawRect(QRectF(0.5, 0.5, 279, 279));
  return image;
}

QImage PaintAbout() {
  QImage image(325, 325, QImage::Format_RGB32);
  QPainter painter(&image);
  PrepareScaled(painter, image.size(), QSizeF(325, 325));
  painter.fillRect(QRectF(0, 0, 325, 325), Cream);

  QLinearGradient header(0, 0, 0, 52);
  header.setColorAt(0, SlateMid);
  header.setColorAt(1, SlateDark);
  painter.fillRect(QRectF(0, 0, 325, 52), header);
  painter.fillRect(QRectF(0, 52, 325, 2), Amber);
  DrawEmblem(painter, QRectF(16, 10, 32, 32), false);
  painter.setPen(Cream);
  painter.setFont(SansFont(19, true));
  painter.drawText(QRectF(60, 8, 240, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Corvex Novlet"));
  // The version, the description and the copyright line are the about box's
  // own texts, drawn over the picture in the window's language.

  painter.fillRect(QRectF(22, 236, 281, 1), QColor(SlateLight.red(), SlateLight.green(), SlateLight.blue(), 90));

  painter.fillRect(QRectF(0, 268, 325, 57), QColor(0xe9, 0xee, 0xf3));
  DrawCorvexMark(painter, QPointF(18, 279), 33, SlateInk);

  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0x1c, 0x25, 0x33), 1));
  painter.drawRect(QRectF(0.5, 0.5, 324, 324));
  return image;
}

QImage PaintIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  PrepareScaled(painter, image.size(), QSizeF(256, 256));
  QLinearGradient depth(0, 0, 0, 256);
  depth.setColorAt(0, SlateLight);
  depth.setColorAt(1, SlateDark);
  QPainterPath tile;
  tile.addRoundedRect(QRectF(8, 8, 240, 240), 48, 48);
  painter.fillPath(tile, depth);
  painter.strokePath(tile, QPen(SlateDeep, 6));
  DrawEmblem(painter, QRectF(38, 38, 180, 180), size >= 48);
  return image;
}
