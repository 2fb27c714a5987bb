#pragma once

#include "game/book_page.h"

class QCheckBox;

namespace novlet {

// The "Options" page: colours, font, display set, level and aids, screen
// size, language and the desktop shortcut.
class TOptionsPage : public TBookPage {
 public:
  explicit TOptionsPage(TMainForm& mainForm);

  QCheckBox* OptionsShowProgramShortcutOnDesktopChkBox() const { return shortcutChkBox_; }

  // Shows the options record on the page's controls; LoadOptions runs it
  // after reading the file.
  void ApplyOptions();
  // Takes what only the controls hold back into the options record;
  // SaveOptions runs it before writing the file.
  void CollectOptions();

  void Translate() override;

 private:
  QCheckBox* shortcutChkBox_ = nullptr;
};

}  // namespace novlet
