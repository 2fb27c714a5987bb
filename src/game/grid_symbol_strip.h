// The symbol strip under a game grid.
#pragma once

#include <QColor>
#include <QWidget>


#include "game/grid_key_codes.h"
#include "render/display_set.h"

class QMouseEvent;

namespace novlet {

// The symbol strip under a game grid: the N symbols or icons of the display
// set in a row. Clicking a slot enters its value; the owner decides how.
class TGridSymbolStrip : public QWidget {
  Q_OBJECT

 public:
  explicit TGridSymbolStrip(QWidget* parent = nullptr);

  // The set drawn; it must outlive the strip. Null draws the frame only.
  void SetDisplaySet(const TDisplaySet* displaySet);
  void SetScreenMode(int screenMode);
  int ScreenMode() const { return screenMode_; }
  void SetFillColor(const QColor& color);

  const TDisplaySet* DisplaySet() const { return displaySet_; }

  // The value of the slot at x, 1..N, or 0 beside the slots.
  int ValueAt(int x) const;
  // Where the value's slot lies; empty for a value without one.
  QRect SlotRect(int value) const;
  // Does what a left click on the value's slot does. For the accessibility
  // interface.
  void ClickValue(int value);

 signals:
  // A released mouse button over the strip, with the shift state and the
  // value of the slot under it (0 beside the slots).
  void valueClicked(Qt::MouseButton button, novlet::TShiftState shift, int value);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const TDisplaySet* displaySet_ = nullptr;
  int screenMode_ = 0;
  QColor fillColor_{Qt::white};
};

}  // namespace novlet
