// The desktop links the pages use: web pages, help and the desktop launcher.
#pragma once

#include <QString>

namespace novlet {

// The program's few dealings with the desktop, which the program entry
// provides and tests replace.
class TShellLinks {
 public:
  virtual ~TShellLinks() = default;

  // Opens a web address in the user's browser; false when nothing could.
  virtual bool OpenWebPage(const QString& url) = 0;

  // The program's launcher on the user's desktop.
  virtual bool DesktopShortcutExists() const = 0;
  // Creates it unless a file of that name is already there; false when it
  // cannot be written.
  virtual bool CreateDesktopShortcut() = 0;
  // Removes it, but only a launcher this program made.
  virtual bool RemoveDesktopShortcut() = 0;
};

// Does nothing and answers no: for a window without a desktop.
class TNoShellLinks : public TShellLinks {
 public:
  bool OpenWebPage(const QString&) override { return false; }
  bool DesktopShortcutExists() const override { return false; }
  bool CreateDesktopShortcut() override { return false; }
  bool RemoveDesktopShortcut() override { return false; }
};

}  // namespace novlet
