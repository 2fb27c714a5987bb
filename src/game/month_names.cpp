// The month names of dates in the language the window shows.
#include "game/month_names.h"

#include <QLocale>

#include "store/language/translator.h"

namespace novlet {

std::array<std::string, 12> MonthNames(const TTranslator& texts) {
  const std::string_view code = texts.ShownLanguageCode();
  const QLocale locale(QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())));
  std::array<std::string, 12> names;
  for (int month = 1; month <= 12; ++month)
    names[static_cast<std::size_t>(month - 1)] = locale.monthName(month, QLocale::LongFormat).toStdString();
  return names;
}

}  // namespace novlet
