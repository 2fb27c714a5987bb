// The window frame's buttons in the window's look: the page buttons, Quit and the small ones.
#pragma once

#include <QString>

class QWidget;

namespace novlet {

class TBaseBtn;

// A page or Quit button (120 x 35 at base size) at the left edge, named.
TBaseBtn* CreateFrameButton(QWidget* window, int top, const QString& name);
// A small title-bar button (18 x 17) at the top, named.
TBaseBtn* CreateSmallButton(QWidget* window, int left, const QString& name);

}  // namespace novlet
