// What screen readers and desktop automation see of a skinned button.
#pragma once

#include <QAccessibleWidget>

namespace novlet {

class TBaseBtn;

// A push button named by its current caption (by its hint when it has no
// caption, as the picture buttons do) and described by its hint; its press
// action does what a click does.
class TAccessibleButton : public QAccessibleWidget {
 public:
  explicit TAccessibleButton(TBaseBtn* button);

  QString text(QAccessible::Text t) const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

 private:
  TBaseBtn* Button() const;
};

}  // namespace novlet
