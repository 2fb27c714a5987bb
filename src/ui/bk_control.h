#pragma once

#include "ui/background.h"
#include "ui/graphic_control.h"

#include <QWidget>

namespace novlet {

enum class TAlign { alNone, alClient };

// Paints a TBackground. Every skinned window is filled by one of these,
// aligned to the whole client area, with its other controls on top.
class TBkControl : public QWidget {
 public:
  explicit TBkControl(QWidget* parent = nullptr);

  TBackground& Background() { return background_; }
  const TBackground& Background() const { return background_; }

  TAlign Align() const { return align_; }
  // alClient keeps the control over the whole parent and beneath its siblings.
  void SetAlign(TAlign align);

  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseMove;
  TMouseEvent OnMouseUp;

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
