// Where the program's own windows stand on the desktop.
#pragma once

class QWidget;

namespace novlet {

// Puts a top-level window in the middle of the primary screen's available
// desktop (without its panels). One larger than the desktop (a fixed size
// chosen on a small screen) keeps its top left corner, with its caption and
// buttons, on the desktop. Nothing happens without a screen.
void CenterOnScreen(QWidget& window);

}  // namespace novlet
