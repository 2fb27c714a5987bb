// A request to stop from outside the window (SIGTERM, SIGHUP, SIGINT): the
// program closes as when a second start asks it to, keeping the game.
#pragma once

#include <functional>

namespace novlet {

// Calls `stop` on the event loop when one of the stop signals arrives. Call
// once, after the QApplication exists.
void HandleStopSignals(std::function<void()> stop);

}  // namespace novlet
