// Moving the frameless window by its background or caption.
#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace novlet {

// A compositor moves its windows itself (Wayland ignores a program moving
// its own); by hand only where nothing can, as on a bare X server, with the
// busy cursor while the button is held.
class TWindowDrag {
 public:
  explicit TWindowDrag(QWidget& window) : window_(window) {}

  QPoint Origin() const { return origin_; }
  void MouseDown(QMouseEvent* event);
  void MouseMove(QMouseEvent* event);
  void MouseUp();

 private:
  QWidget& window_;
  QPoint origin_;
};

}  // namespace novlet
