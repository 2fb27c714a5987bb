// The "Options" page: colours, font, display set, level and aids, screen
// size, language and the desktop shortcut.
#include "game/options_page.h"

#include <QCheckBox>

#include "game/shell_links.h"
#include "store/language/text_ids.h"

namespace novlet {

TOptionsPage::TOptionsPage(TPageHost& host) : TBookPage(host, TPageKind::Options, TextId::OptionsHeader) {
  shortcutChkBox_ = new QCheckBox(this);
  shortcutChkBox_->setObjectName(QStringLiteral("OptionsShowProgramShortcutOnDesktopChkBox"));
  shortcutChkBox_->setGeometry(12, 330, 388, 20);
  // Light text on the dark panel; the box itself keeps its white field.
  QPalette colours = shortcutChkBox_->palette();
  colours.setColor(QPalette::WindowText, QColor(0xf2, 0xe9, 0xd8));
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, QColor(0x1c, 0x25, 0x33));
  shortcutChkBox_->setPalette(colours);
  shortcutChkBox_->setFocusPolicy(Qt::NoFocus);
  AddTagged(shortcutChkBox_, TextId::DesktopShortcut);
  connect(shortcutChkBox_, &QCheckBox::clicked, this, [this] {
    DesktopShortcutUpkeep();
    Host().UpdateStatus();
  });
}

void TOptionsPage::ApplyOptions() {
  // The box shows whether the launcher is there, not what was wished for.
  shortcutChkBox_->setChecked(Host().ShellLinks().DesktopShortcutExists());
}

void TOptionsPage::DesktopShortcutUpkeep() {
  TShellLinks& links = Host().ShellLinks();
  const bool exists = links.DesktopShortcutExists();
  if (!shortcutChkBox_->isChecked() && exists)
    links.RemoveDesktopShortcut();
  else if (shortcutChkBox_->isChecked() && !exists)
    links.CreateDesktopShortcut();
  // The box shows what is on the desktop, also when the change was refused.
  shortcutChkBox_->setChecked(links.DesktopShortcutExists());
}

}  // namespace novlet
