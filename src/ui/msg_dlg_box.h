// The skinned message box with up to two buttons.
#pragma once

#include "ui/skinned_box.h"

#include <QString>

namespace novlet {

// A message with up to two buttons; the dialog seam asks with it.
class TMsgDlgBox : public TSkinnedBox {
 public:
  explicit TMsgDlgBox(const QString& skinFolder = QString());
};

}  // namespace novlet
