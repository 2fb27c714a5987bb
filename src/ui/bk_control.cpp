// The background control that paints a skinned surface.
#include "ui/bk_control.h"

#include "ui/picture_drawing.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace novlet {

TBkControl::TBkControl(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_NoSystemBackground);
  resize(100, 100);
  background_.OnOwnerChange = [this] { update(); };
}

void TBkControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (!parentWidget()) return;
  if (align_ == TAlign::alClient) {
    parentWidget()->installEventFilter(this);
    FillParent();
    lower();
  } else {
    parentWidget()->removeEventFilter(this);
  }
}

void TBkControl::FillParent() { setGeometry(parentWidget()->rect()); }

bool TBkControl::eventFilter(QObject* watched, QEvent* event) {
  if (align_ == TAlign::alClient && watched == parentWidget() && event->type() == QEvent::Resize) FillParent();
  return QWidget::eventFilter(watched, event);
}

void TBkControl::paintEvent(QPaintEvent*) {
  if (painting_) return;
  painting_ = true;
  QPainter painter(this);
  const QPixmap& image = background_.Image();
  const int w = width();
  const int h = height();
  if (!image.isNull()) {
    const int iw = image.width();
    const int ih = image.height();
    switch (background_.ImageDrawStyle()) {
      case TImageDrawStyle::idsAlongside:
        for (int x = 0; x < w; x += iw)
          for (int y = 0; y < h; y += ih) DrawGraphic(painter, x, y, image);
        break;
      case TImageDrawStyle::idsCenter:
        DrawGraphic(painter, (w - iw) / 2, (h - ih) / 2, image);
        break;
      case TImageDrawStyle::idsStretch:
        StretchGraphic(painter, rect(), image);
        break;
      case TImageDrawStyle::idsTopLeft:
        DrawGraphic(painter, 0, 0, image);
        break;
      case TImageDrawStyle::idsHide:
        break;
    }
  }
  // The rectangle covers the whole control; its outline takes the outermost
  // pixels, as the skinned windows' one-pixel border expects.
  painter.setBrush(background_.Brush());
  painter.setPen(Qt::NoPen);
  painter.drawRect(rect());
  if (background_.Pen().style() != Qt::NoPen) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(background_.Pen());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  painting_ = false;
}

void TBkControl::mousePressEvent(QMouseEvent* event) {
  emit mousePressed(event);
}

void TBkControl::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event);
}

void TBkControl::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseReleased(event);
}

}  // namespace novlet
