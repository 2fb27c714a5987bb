// The language of the desktop's own choosers.
#include "ui/desktop_dialog_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace novlet {

void TDesktopDialogLanguage::Use(std::string_view languageCode) {
  if (translator_) {
    QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
  }
  if (languageCode == "en") return;
  auto translator = std::make_unique<QTranslator>();
  const QString name = QStringLiteral("qtbase_") + QString::fromLatin1(languageCode.data(), languageCode.size());
  if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return;
  QCoreApplication::installTranslator(translator.get());
  translator_ = std::move(translator);
}

}  // namespace novlet
