// The "Options" page: colours, font, display set, level and aids, screen
// size, language and the desktop shortcut.
#pragma once

#include "game/book_page.h"

class QCheckBox;

namespace novlet {

class TOptionsPage : public TBookPage {
  Q_OBJECT

 public:
  explicit TOptionsPage(TPageHost& host);

  QCheckBox* OptionsShowProgramShortcutOnDesktopChkBox() const { return shortcutChkBox_; }

  void ApplyOptions() override;

 private:
  // Puts the launcher on the desktop or takes it away, as the box asks.
  void DesktopShortcutUpkeep();

  QCheckBox* shortcutChkBox_ = nullptr;
};

}  // namespace novlet
