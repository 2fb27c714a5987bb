// What a new game or design takes from the options, the account and the
// window's language.
#include "game/new_game_settings.h"

#include "game/month_names.h"
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
  settings.MonthNames = MonthNames(host.Texts());
  return settings;
}

}  // namespace novlet
