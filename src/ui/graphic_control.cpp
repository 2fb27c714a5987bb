// Mouse entry and exit for the skinned controls.
#include "ui/graphic_control.h"

#include <QEnterEvent>

namespace novlet {

GGraphicControl::GGraphicControl(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_NoSystemBackground);
}

void GGraphicControl::MouseIn() {
  emit mouseIn();
}

void GGraphicControl::MouseOut() {
  emit mouseOut();
}

void GGraphicControl::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  MouseIn();
}

void GGraphicControl::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  MouseOut();
}

}  // namespace novlet
