#include "game/options_page.h"

#include "game/main_form.h"
#include "game/shell_links.h"

#include <QCheckBox>

namespace novlet {

TOptionsPage::TOptionsPage(TMainForm& mainForm) : TBookPage(mainForm, 810, QStringLiteral("Options")) {
  shortcutChkBox_ = new QCheckBox(QStringLiteral("Show Shortcut On Desktop"), this);
  shortcutChkBox_->setObjectName(QStringLiteral("OptionsShowProgramShortcutOnDesktopChkBox"));
  shortcutChkBox_->setGeometry(12, 330, 388, 20);
  // Light text on the dark panel; the box itself keeps its white field.
  QPalette colours = shortcutChkBox_->palette();
  colours.setColor(QPalette::WindowText, QColor(0xf2, 0xe9, 0xd8));
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, QColor(0x1c, 0x25, 0x33));
  shortcutChkBox_->setPalette(colours);
  shortcutChkBox_->setFocusPolicy(Qt::NoFocus);
  connect(shortcutChkBox_, &QCheckBox::clicked, this, [this] { MainForm().UpdateStatus(shortcutChkBox_); });
}

void TOptionsPage::ApplyOptions() {
  // The box shows whether the launcher is there, not what was wished for.
  shortcutChkBox_->setChecked(MainForm().ShellLinks().DesktopShortcutExists());
}

void TOptionsPage::CollectOptions() {}

void TOptionsPage::Translate() {
  TBookPage::Translate();
  const TControlTexts texts = MainForm().TranslateControl(
      870, {"Show Shortcut On Desktop",
            "Shows or hides a Corvex Novlet icon on your Desktop - Click to (de)activate this option"});
  shortcutChkBox_->setText(QString::fromStdString(texts.Caption));
  shortcutChkBox_->setToolTip(QString::fromStdString(texts.Hint));
}

}  // namespace novlet
