// The controls the pages build their layouts from, in the window's look.
#include "game/page_controls.h"

#include <QLabel>

#include "game/frame_look.h"
#include "ui/base_btn.h"

namespace novlet {

TBaseBtn* CreatePageButton(QWidget* page, const QString& name, int left, int top) {
  auto* button = new TBaseBtn(page);
  button->setObjectName(name);
  button->setGeometry(left, top, 85, 15);
  button->setFont(FrameFont(10, true));
  button->SetFontColor(kCreamText);
  // The drawn look until the skin's faces are put on.
  button->SetFaceWidth(0.96);
  button->SetFaceHeight(0.9);
  button->SetCaptionXRound(8);
  button->SetCaptionYRound(8);
  button->SetShadowXOffset(0.02);
  button->SetShadowYOffset(0.08);
  button->SetShadowColor(QColor(0x10, 0x16, 0x20));
  button->SetBrush(QColor(0x3c, 0x52, 0x72));
  button->SetPen(QPen(QColor(0x7d, 0x98, 0xbd), 1));
  button->SetCaptionYOffset(0.0);
  return button;
}

QLabel* CreatePageLabel(QWidget* page, const QString& name, const QRect& geometry, bool bold) {
  auto* label = new QLabel(page);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setFont(FrameFont(11, bold));
  label->setStyleSheet(CreamLabelStyle());
  return label;
}

}  // namespace novlet
