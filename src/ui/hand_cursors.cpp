// The hand pointers over clickable and draggable skinned controls.
#include "ui/hand_cursors.h"

namespace novlet {

// The desktop theme's own hands match every other program the user runs.
QCursor HandCursor() { return QCursor(Qt::PointingHandCursor); }

QCursor HandNoFingersCursor() { return QCursor(Qt::OpenHandCursor); }

}  // namespace novlet
