// The skinned message box with up to two buttons.
#include "ui/msg_dlg_box.h"

namespace novlet {

TMsgDlgBox::TMsgDlgBox(const QString& skinFolder) : TSkinnedBox(90, skinFolder) {}

}  // namespace novlet
