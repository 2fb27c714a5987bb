// What screen readers and desktop automation see of a skinned button.
#include "ui/accessible_button.h"

#include "ui/base_btn.h"

namespace novlet {

TAccessibleButton::TAccessibleButton(TBaseBtn* button) : QAccessibleWidget(button, QAccessible::Button) {}

TBaseBtn* TAccessibleButton::Button() const { return static_cast<TBaseBtn*>(widget()); }

QString TAccessibleButton::text(QAccessible::Text t) const {
  const TBaseBtn* button = Button();
  const bool named = !button->accessibleName().isEmpty() || !button->Caption().isEmpty();
  switch (t) {
    case QAccessible::Name:
      if (!button->accessibleName().isEmpty()) return button->accessibleName();
      return named ? button->Caption() : button->toolTip();
    case QAccessible::Description:
      if (!button->accessibleDescription().isEmpty()) return button->accessibleDescription();
      // A hint that already names the button is not read twice.
      return named ? button->toolTip() : QString();
    default:
      return QAccessibleWidget::text(t);
  }
}

QStringList TAccessibleButton::actionNames() const {
  return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void TAccessibleButton::doAction(const QString& actionName) {
  if (actionName != pressAction()) {
    QAccessibleWidget::doAction(actionName);
    return;
  }
  // The press returns to the caller at once: a click may open a modal box,
  // whose loop would otherwise hold the caller's request until it closes.
  QMetaObject::invokeMethod(Button(), &TBaseBtn::Click, Qt::QueuedConnection);
}

}  // namespace novlet
