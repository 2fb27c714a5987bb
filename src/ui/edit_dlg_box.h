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
  ~TEditDlgBox() override;

  QLineEdit* Edit() const { return edit_; }

  // The box now showing, if any.
  static TEditDlgBox* OpenBox();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* edit_ = nullptr;
  // Only an Enter pressed in the field may confirm on its release, not one
  // whose press opened the box from elsewhere.
  bool enterPressedInField_ = false;
};

// Asks modally for a line of text, starting from initialText. Returns the
// field's text when the left button was clicked (or Enter confirmed it), else
// an empty text; the caller trims it. An empty caption hides its button. While
// an entry box is already showing, a second call brings that one forward and
// answers empty at once.
QString ShowEditBox(const QString& message, const QString& okCaption, const QString& cancelCaption,
                    const QString& initialText, const QString& skinFolder = QString());

}  // namespace novlet
