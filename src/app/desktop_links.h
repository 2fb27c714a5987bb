// The desktop's services for the program: web pages and the desktop launcher.
#pragma once

#include "game/shell_links.h"

#include <QString>

namespace novlet {

// The launcher's file name in the desktop folder.
inline constexpr const char* kDesktopLauncherName = "Corvex Novlet.desktop";

// The program's own desktop services: web pages open in the user's browser,
// the desktop shortcut is a launcher file in the user's desktop folder.
class TDesktopLinks : public TShellLinks {
 public:
  struct TLauncher {
    QString DesktopFolder;
    QString ProgramFile;
    QString WorkingFolder;
    // An absolute picture path; empty for none.
    QString IconFile;
  };

  explicit TDesktopLinks(TLauncher launcher);

  bool OpenWebPage(const QString& url) override;
  bool DesktopShortcutExists() const override;
  bool CreateDesktopShortcut() override;
  bool RemoveDesktopShortcut() override;

  QString LauncherPath() const;
  // The launcher's text: a desktop entry that starts the program from its
  // folder, marked as this program's own.
  QString LauncherText() const;
  // True when the file at the launcher's place was written by this program.
  bool LauncherIsOurs() const;

 private:
  TLauncher launcher_;
};

}  // namespace novlet
