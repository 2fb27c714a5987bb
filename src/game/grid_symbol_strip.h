#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

#include "game/grid_key_codes.h"
#include "render/display_set.h"

class QMouseEvent;

namespace novlet {

// The symbol strip under a game grid: the N symbols or icons of the display
// set in a row. Clicking a slot enters its value; the owner decides how.
class TGridSymbolStrip : public QWidget {
 public:
  explicit TGridSymbolStrip(QWidget* parent = nullptr);

  // The set drawn; it must outlive the strip. Null draws the frame only.
  void SetDisplaySet(const TDisplaySet* displaySet);
  void SetScreenMode(int screenMode);
  int ScreenMode() const { return screenMode_; }
  void SetFillColor(const QColor& color);

  // A released mouse button over the strip, with the shift state and the
  // position in the strip.
  std::function<void(QObject* sender, Qt::MouseButton button, TShiftState shift, int x, int y)> OnMouseUp;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const TDisplaySet* displaySet_ = nullptr;
  int screenMode_ = 0;
  QColor fillColor_{Qt::white};
};

}  // namespace novlet
