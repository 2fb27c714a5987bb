// The base of the skinned controls, which paint on their parent.
#pragma once

#include <QWidget>

class QEnterEvent;

namespace novlet {

// The base of the skinned controls: a widget that paints on its parent (no
// background of its own) and reports the mouse entering and leaving it.
class GGraphicControl : public QWidget {
  Q_OBJECT

 public:
  explicit GGraphicControl(QWidget* parent = nullptr);

 signals:
  void mouseIn();
  void mouseOut();

 protected:
  virtual void MouseIn();
  virtual void MouseOut();

  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
};

}  // namespace novlet
