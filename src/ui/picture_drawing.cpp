// Drawing skin pictures placed or stretched.
#include "ui/picture_drawing.h"

#include <QPainter>

namespace novlet {

void DrawGraphic(QPainter& painter, int x, int y, const QPixmap& picture) {
  if (picture.isNull()) return;
  painter.drawPixmap(x, y, picture);
}

void StretchGraphic(QPainter& painter, const QRect& target, const QPixmap& picture) {
  if (picture.isNull() || target.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(target, picture);
  painter.restore();
}

}  // namespace novlet
