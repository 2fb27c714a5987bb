// What a new game or design takes from the options, the account and the
// user's locale.
#include "game/new_game_settings.h"

#include <QLocale>

#include "game/page_host.h"
#include "store/options_record.h"

namespace novlet {

TNewGameSettings NewGameSettings(TPageHost& host, int boxWidth, int boxHeight) {
  const TOptions& options = host.Options();
  TNewGameSettings settings;
  settings.BoxWidth = boxWidth;
  settings.BoxHeight = boxHeight;
  settings.Level = options.Level;
  settings.TimeLimited = options.TimeLimited;
  settings.PlayTimeLimit = options.PlayTimeLimit;
  settings.UserName = host.UserName();
  const QLocale locale;
  for (int month = 1; month <= 12; ++month)
    settings.MonthNames[static_cast<std::size_t>(month - 1)] = locale.monthName(month, QLocale::LongFormat).toStdString();
  return settings;
}

}  // namespace novlet
