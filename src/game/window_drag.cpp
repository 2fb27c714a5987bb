// Moving the frameless window by its background or caption.
#include "game/window_drag.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace novlet {

void TWindowDrag::MouseDown(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (window_.windowHandle() && window_.windowHandle()->startSystemMove()) return;
  if (origin_.isNull()) QGuiApplication::setOverrideCursor(Qt::BusyCursor);
  origin_ = event->globalPosition().toPoint();
}

void TWindowDrag::MouseMove(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton) || origin_.isNull()) return;
  const QPoint position = event->globalPosition().toPoint();
  window_.move(window_.pos() + (position - origin_));
  origin_ = position;
}

void TWindowDrag::MouseUp() {
  if (origin_.isNull()) return;
  origin_ = QPoint();
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace novlet
