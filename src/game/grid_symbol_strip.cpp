#include "game/grid_symbol_strip.h"

#include <QMouseEvent>
#include <QPainter>

#include "render/display_set_strip.h"

namespace novlet {

TGridSymbolStrip::TGridSymbolStrip(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
}

void TGridSymbolStrip::SetDisplaySet(const TDisplaySet* displaySet) {
  displaySet_ = displaySet;
  update();
}

void TGridSymbolStrip::SetScreenMode(int screenMode) {
  screenMode_ = screenMode;
  update();
}

void TGridSymbolStrip::SetFillColor(const QColor& color) {
  fillColor_ = color;
  update();
}

void TGridSymbolStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (displaySet_) {
    PaintDisplaySetStrip(painter, size(), *displaySet_, font(), fillColor_, screenMode_);
    return;
  }
  painter.fillRect(rect(), fillColor_);
}

void TGridSymbolStrip::mouseReleaseEvent(QMouseEvent* event) {
  if (!rect().contains(event->position().toPoint())) return;
  if (OnMouseUp) {
    const QPoint at = event->position().toPoint();
    OnMouseUp(this, event->button(), ShiftStateOf(event->modifiers()), at.x(), at.y());
  }
}

}  // namespace novlet
