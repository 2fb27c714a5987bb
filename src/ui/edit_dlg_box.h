// The box that asks for one line of text.
#pragma once

#include "ui/skinned_box.h"

#include <QString>

class QLineEdit;

namespace novlet {

// A message, a one-line text field and up to two buttons. Enter released in
// the field without Shift, Ctrl or Alt acts as the left button; Escape, as in
// every box, as the right one.
class TEditDlgBox : public TSkinnedBox {
 public:
  explicit TEditDlgBox(const QString& skinFolder = QString());

  QLineEdit* Edit() const { return edit_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* edit_ = nullptr;
  // Only an Enter pressed in the field may confirm on its release, not one
  // whose press opened the box from elsewhere.
  bool enterPressedInField_ = false;
};

}  // namespace novlet
