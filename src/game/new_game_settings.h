// What a new game or design takes from the options, the account and the
// user's locale.
#pragma once

#include "session/play_session.h"

namespace novlet {

class TPageHost;

TNewGameSettings NewGameSettings(TPageHost& host, int boxWidth, int boxHeight);

}  // namespace novlet
