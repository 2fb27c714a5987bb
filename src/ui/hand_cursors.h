// The hand pointers over clickable and draggable skinned controls.
#pragma once

#include <QCursor>

namespace novlet {

// The pointer over every clickable skinned control and while the window is
// dragged by its background.
QCursor HandCursor();
// The open hand, for areas that can be grabbed rather than clicked.
QCursor HandNoFingersCursor();

}  // namespace novlet
