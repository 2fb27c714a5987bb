// Centres the program's windows on the available desktop.
#include "ui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace novlet {

void CenterOnScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  window.move(area.x() + std::max(0, (area.width() - window.width()) / 2),
              area.y() + std::max(0, (area.height() - window.height()) / 2));
}

}  // namespace novlet
