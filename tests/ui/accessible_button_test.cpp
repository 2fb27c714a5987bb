// Skinned buttons and boxes as screen readers and automation meet them.
#include "ui/base_btn.h"
#include "ui/edit_dlg_box.h"
#include "ui/kit_accessibility.h"
#include "ui/msg_dlg_box.h"
#include "ui/skinned_dialogs.h"
#include "widget_probe.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

namespace novlet {
namespace {

void Press(QWidget* control) {
  QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
      QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();
}

TEST(AccessibleButton, IsAPushButtonNamedByItsCaptionAndPressedAsAClick) {
  InstallKitAccessibility();
  test::THost host;
  auto* button = new TBaseBtn(&host);
  button->SetCaption("Pause");
  button->setToolTip("Pause solving");
  button->show();
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
  EXPECT_EQ(face->role(), QAccessible::Button);
  EXPECT_EQ(face->text(QAccessible::Name), "Pause");
  EXPECT_EQ(face->text(QAccessible::Description), "Pause solving");
  EXPECT_FALSE(face->state().focusable);

  button->SetCaption("Continue");
  EXPECT_EQ(face->text(QAccessible::Name), "Continue");

  // A picture button is named by its hint.
  button->SetCaption("");
  EXPECT_EQ(face->text(QAccessible::Name), "Pause solving");
  EXPECT_EQ(face->text(QAccessible::Description), "");

  QSignalSpy clicks(button, &TBaseBtn::clicked);
  Press(button);
  button->setEnabled(false);
  Press(button);
  EXPECT_EQ(clicks.count(), 1);
}

TEST(AccessibleButton, ABoxIsADialogNamedByItsMessageWithPressableButtons) {
  InstallKitAccessibility();
  TSkinnedDialogs dialogs({}, nullptr);
  QTimer::singleShot(0, qApp, [&] {
    auto* box = dialogs.OpenBox<TMsgDlgBox>();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
    EXPECT_EQ(face->role(), QAccessible::Dialog);
    EXPECT_EQ(face->text(QAccessible::Name), "Quit?");
    EXPECT_EQ(box->OkBtn()->objectName(), "OkBtn");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(box->OkBtn())->text(QAccessible::Name), "Yes");
    // Should the press fail, the box still closes, answering No.
    QTimer::singleShot(1000, box, &QWidget::close);
    Press(box->OkBtn());
  });
  EXPECT_TRUE(dialogs.Ask("Quit?", "Yes", "No"));

  QTimer::singleShot(0, qApp, [&] {
    auto* box = dialogs.OpenBox<TEditDlgBox>();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(box->Edit())->text(QAccessible::Name), "Save as");
    QTimer::singleShot(1000, box, &QWidget::close);
    Press(box->OkBtn());
  });
  EXPECT_EQ(dialogs.AskText("Save as", "Ok", "Cancel", "Mine"), "Mine");
}

}  // namespace
}  // namespace novlet
