// The skinned message box with up to two buttons.
#pragma once

#include "ui/skinned_box.h"

#include <QString>

namespace novlet {

// A message with up to two buttons.
class TMsgDlgBox : public TSkinnedBox {
 public:
  explicit TMsgDlgBox(const QString& skinFolder = QString());
  ~TMsgDlgBox() override;

  // The box now showing, if any.
  static TMsgDlgBox* OpenBox();
};

// Asks modally and returns true exactly when the left button was clicked. An
// empty caption hides its button. While a message box is already showing, a
// second call brings that one forward and answers false at once. skinFolder
// is the "I" folder whose loose bitmaps replace the built-in button faces.
bool ShowMsgBox(const QString& message, const QString& okCaption, const QString& cancelCaption,
                const QString& skinFolder = QString());

}  // namespace novlet
