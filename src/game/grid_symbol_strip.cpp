// The symbol strip under a game grid.
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
  const QPoint at = event->position().toPoint();
  if (!rect().contains(at)) return;
  emit valueClicked(event->button(), ShiftStateOf(event->modifiers()), ValueAt(at.x()));
}

int TGridSymbolStrip::ValueAt(int x) const {
  if (!displaySet_) return 0;
  return StripValueAt(x, width(), displaySet_->GridSize(), screenMode_);
}

QRect TGridSymbolStrip::SlotRect(int value) const {
  if (!displaySet_ || value < 1 || value > displaySet_->GridSize()) return {};
  const int slot = StripSlotWidth(width(), displaySet_->GridSize(), screenMode_);
  return QRect(slot * (value - 1), 0, slot, height()).intersected(rect());
}

void TGridSymbolStrip::ClickValue(int value) {
  if (isEnabled() && value > 0) emit valueClicked(Qt::LeftButton, TShiftState(), value);
}

}  // namespace novlet
