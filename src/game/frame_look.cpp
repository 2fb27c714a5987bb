#include "game/frame_look.h"

namespace novlet {

QFont FrameFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Verdana"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QString CreamLabelStyle() {
  return QStringLiteral("color: %1; background: transparent;").arg(kCreamText.name());
}

}  // namespace novlet
