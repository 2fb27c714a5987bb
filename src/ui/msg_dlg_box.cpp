// The skinned message box with up to two buttons.
#include "ui/msg_dlg_box.h"

namespace novlet {

namespace {

TMsgDlgBox* openMsgBox = nullptr;

}  // namespace

TMsgDlgBox::TMsgDlgBox(const QString& skinFolder) : TSkinnedBox(90, skinFolder) { openMsgBox = this; }

TMsgDlgBox::~TMsgDlgBox() {
  if (openMsgBox == this) openMsgBox = nullptr;
}

TMsgDlgBox* TMsgDlgBox::OpenBox() { return openMsgBox; }

bool ShowMsgBox(const QString& message, const QString& okCaption, const QString& cancelCaption,
                const QString& skinFolder) {
  if (TMsgDlgBox* open = TMsgDlgBox::OpenBox()) {
    open->show();
    open->raise();
    open->activateWindow();
    return false;
  }
  TMsgDlgBox box(skinFolder);
  box.SetTexts(message, okCaption, cancelCaption);
  return box.exec() == QDialog::Accepted;
}

}  // namespace novlet
