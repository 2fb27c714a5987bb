// The fonts, colours and caption placement the window and its pages share.
#include "game/frame_look.h"

#include "ui/base_btn.h"

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

void SetCentredCaption(TBaseBtn* button, const QString& caption) {
  button->SetCaption(caption);
  button->SetCaptionCentred(true);
}

}  // namespace novlet
