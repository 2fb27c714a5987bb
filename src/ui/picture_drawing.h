// Drawing skin pictures placed or stretched.
#pragma once

#include <QPixmap>
#include <QRect>

class QPainter;

namespace novlet {

// Both do nothing for an empty picture, so a missing skin costs nothing.
void DrawGraphic(QPainter& painter, int x, int y, const QPixmap& picture);
void StretchGraphic(QPainter& painter, const QRect& target, const QPixmap& picture);

}  // namespace novlet
