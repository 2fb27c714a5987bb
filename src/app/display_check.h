// Whether the program can show a window here, told before the toolkit starts.
#pragma once

#include <optional>
#include <string>

namespace novlet {

struct TDisplayEnvironment {
  std::optional<std::string> QtPlatform;      // $QT_QPA_PLATFORM
  std::optional<std::string> Display;         // $DISPLAY
  std::optional<std::string> WaylandDisplay;  // $WAYLAND_DISPLAY
};

// Why the program cannot show a window here, in a sentence for the user;
// nothing when a display is there. Decided before the toolkit starts, which
// would otherwise end the process with its own crash report.
std::optional<std::string> MissingDisplayReason(const TDisplayEnvironment& environment);

TDisplayEnvironment CurrentDisplayEnvironment();

}  // namespace novlet
