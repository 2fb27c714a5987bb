// The window frame's buttons in the window's look: the page buttons, Quit and the small ones.
#include "game/frame_buttons.h"

#include "game/frame_look.h"
#include "ui/base_btn.h"

namespace novlet {

TBaseBtn* CreateFrameButton(QWidget* window, int top, const QString& name) {
  auto* button = new TBaseBtn(window);
  button->setObjectName(name);
  button->setGeometry(8, top, 120, 35);
  // The longest caption, "Enter & Design", fits inside the face with room
  // to spare at every screen size.
  button->SetCaptionXOffset(0.08);
  button->SetCaptionYOffset(0.28);
  button->setFont(FrameFont(11, true));
  button->SetFontColor(kCreamText);
  // The drawn look until the skin's faces are put on.
  button->SetFaceXOffset(0.02);
  button->SetFaceYOffset(0.03);
  button->SetFaceWidth(0.96);
  button->SetFaceHeight(0.94);
  button->SetCaptionXRound(12);
  button->SetCaptionYRound(12);
  button->SetBrush(QColor(0x4a, 0x66, 0x8c));
  button->SetPen(QPen(QColor(0x2a, 0x3a, 0x52), 1));
  return button;
}

TBaseBtn* CreateSmallButton(QWidget* window, int left, const QString& name) {
  auto* button = new TBaseBtn(window);
  button->setObjectName(name);
  button->setGeometry(left, 3, 18, 17);
  button->setFont(FrameFont(11, true));
  button->SetFontColor(kCreamText);
  button->SetFaceWidth(0.9);
  button->SetFaceHeight(0.9);
  button->SetCaptionXRound(6);
  button->SetCaptionYRound(6);
  button->SetShadowXOffset(0.06);
  button->SetShadowYOffset(0.06);
  button->SetShadowColor(QColor(0x10, 0x16, 0x20));
  button->SetBrush(QColor(0x3c, 0x52, 0x72));
  button->SetPen(QPen(QColor(0x7d, 0x98, 0xbd), 1));
  button->SetCaptionYOffset(0.02);
  return button;
}

}  // namespace novlet
