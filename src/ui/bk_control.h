// The background control that paints a skinned surface.
#pragma once

#include "ui/background.h"

#include <QWidget>

class QMouseEvent;

namespace novlet {

enum class TAlign { alNone, alClient };

// Paints a TBackground. Every skinned window is filled by one of these,
// aligned to the whole client area, with its other controls on top.
class TBkControl : public QWidget {
  Q_OBJECT

 public:
  explicit TBkControl(QWidget* parent = nullptr);

  TBackground& Background() { return background_; }
  const TBackground& Background() const { return background_; }

  TAlign Align() const { return align_; }
  // alClient keeps the control over the whole parent and beneath its siblings.
  void SetAlign(TAlign align);

  // The window's background is its drag handle.
 signals:
  void mousePressed(QMouseEvent* event);
  void mouseMoved(QMouseEvent* event);
  void mouseReleased(QMouseEvent* event);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillParent();

  TBackground background_;
  TAlign align_ = TAlign::alNone;
  bool painting_ = false;
};

}  // namespace novlet
