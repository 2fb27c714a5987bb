// The round pie gauge: the play clock and the turning "Thinking" wheel.
#include "game/pie_gauge.h"

#include <QAccessible>
#include <QPainter>

#include <algorithm>

namespace novlet {

TPieGauge::TPieGauge(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void TPieGauge::SetMaxValue(int maxValue) {
  maxValue_ = std::max(1, maxValue);
  progress_ = std::min(progress_, maxValue_);
  update();
}

void TPieGauge::SetProgress(int progress) {
  const int bounded = std::clamp(progress, 0, maxValue_);
  if (bounded == progress_) return;
  progress_ = bounded;
  update();
  QAccessibleValueChangeEvent event(this, progress_);
  QAccessible::updateAccessibility(&event);
}

void TPieGauge::SetForeColor(const QColor& color) {
  if (color == foreColor_) return;
  foreColor_ = color;
  update();
}

void TPieGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const int side = std::min(width(), height()) - 1;
  const QRectF disc((width() - side) / 2.0, (height() - side) / 2.0, side, side);
  painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
  painter.setBrush(Qt::white);
  painter.drawEllipse(disc);
  if (progress_ <= 0) return;
  painter.setPen(Qt::NoPen);
  painter.setBrush(foreColor_);
  // Qt counts angles in sixteenths of a degree, anticlockwise from three o'clock.
  const int span = -progress_ * 360 * 16 / maxValue_;
  painter.drawPie(disc.adjusted(1, 1, -1, -1), 90 * 16, span);
}

}  // namespace novlet
