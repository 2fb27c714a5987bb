// The start-up switches of the window, as bits.
#pragma once

#include <cstdint>

namespace novlet {

// The bits of StartupFlags.
enum TStartupFlag : std::uint8_t {
  StartupShowSplash = 2,      // show the splash window at start
  StartupFarewellAbout = 4,   // show the about box for a moment after a confirmed Quit
  StartupWindowCreated = 8,   // the main window has been created
  StartupAskQuit = 32,        // started with "/s": ask the quit question at first activation
};

inline constexpr std::uint8_t kInitialStartupFlags = StartupShowSplash | StartupFarewellAbout;

}  // namespace novlet
