#pragma once

#include <QWidget>

#include <functional>

class QEnterEvent;
class QMouseEvent;

namespace novlet {

using GMouseInOutEvent = std::function<void(QObject* sender)>;
using TNotifyEvent = std::function<void(QObject* sender)>;
using TMouseEvent = std::function<void(QObject* sender, QMouseEvent* event)>;

// The base of the skinned controls: a widget that paints on its parent (no
// background of its own) and reports the mouse entering and leaving it.
class GGraphicControl : public QWidget {
 public:
  explicit GGraphicControl(QWidget* parent = nullptr);

  GMouseInOutEvent OnMouseIn;
  GMouseInOutEvent OnMouseOut;

 protected:
  virtual void MouseIn();
  virtual void MouseOut();

  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
};

}  // namespace novlet
