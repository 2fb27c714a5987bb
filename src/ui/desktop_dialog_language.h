// The language of the desktop's own choosers: files, colours, fonts, printers.
#pragma once

#include <QTranslator>

#include <memory>
#include <string_view>

namespace novlet {

// The choosers are Qt's; their buttons and labels come from Qt's own
// translations, which the program loads for its language so that no English
// is left over in a German, French or Dutch session.
class TDesktopDialogLanguage {
 public:
  // For a two-letter code ("de"); English, or a language Qt has no
  // translation for on this machine, leaves Qt's built-in English.
  void Use(std::string_view languageCode);

 private:
  std::unique_ptr<QTranslator> translator_;
};

}  // namespace novlet
