// The box that asks for one line of text.
#include "ui/edit_dlg_box.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace novlet {

namespace {

bool IsEnterKey(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

bool HasModifierKey(const QKeyEvent* event) {
  return (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
}

}  // namespace

TEditDlgBox::TEditDlgBox(const QString& skinFolder) : TSkinnedBox(55, skinFolder) {
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("Edit"));
  edit_->setGeometry(20, 70, 360, 22);
  // The message names the field for screen readers; a plain-text label has
  // no shortcut that the buddy could take.
  MsgLbl()->setBuddy(edit_);
  edit_->installEventFilter(this);
  setFocusProxy(edit_);
}

bool TEditDlgBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
    auto* key = static_cast<QKeyEvent*>(event);
    // The field keeps the releases of all keys to itself; Escape answers the
    // box, as in every box.
    if (key->key() == Qt::Key_Escape) {
      if (event->type() == QEvent::KeyPress)
        keyPressEvent(key);
      else
        keyReleaseEvent(key);
      return true;
    }
    if (IsEnterKey(key)) {
      if (event->type() == QEvent::KeyPress) {
        if (!key->isAutoRepeat()) enterPressedInField_ = true;
      } else if (!key->isAutoRepeat()) {
        const bool confirms = enterPressedInField_ && !HasModifierKey(key);
        enterPressedInField_ = false;
        if (confirms) accept();
      }
      return true;
    }
  }
  return TSkinnedBox::eventFilter(watched, event);
}

}  // namespace novlet
