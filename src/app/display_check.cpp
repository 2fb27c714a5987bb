// Tells, before the toolkit starts, whether a display is there to show the window on.
#include "app/display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace novlet {

namespace {

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  if (!value || !*value) return std::nullopt;
  return std::string(value);
}

// The display number of a local X display (":0", ":1.0", "unix:2"); nothing
// for a remote one, which only the connection itself can check.
std::optional<std::string> LocalDisplayNumber(const std::string& display) {
  std::string rest;
  if (display.rfind(':', 0) == 0)
    rest = display.substr(1);
  else if (display.rfind("unix:", 0) == 0)
    rest = display.substr(5);
  else
    return std::nullopt;
  std::string number;
  for (char c : rest) {
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    number += c;
  }
  if (number.empty()) return std::nullopt;
  return number;
}

// An X server listens on the socket file, on the abstract name of the same
// path, or on both; either will do.
bool CanConnect(const std::string& socketPath, bool abstractName) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::size_t offset = abstractName ? 1 : 0;
  const std::size_t length = std::min(socketPath.size(), sizeof(address.sun_path) - 1 - offset);
  std::memcpy(address.sun_path + offset, socketPath.data(), length);
  const socklen_t size = abstractName ? static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + length)
                                      : static_cast<socklen_t>(sizeof(address));
  const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), size) == 0;
  ::close(fd);
  return connected;
}

bool XServerAnswers(const std::string& displayNumber) {
  const std::string path = "/tmp/.X11-unix/X" + displayNumber;
  return CanConnect(path, false) || CanConnect(path, true);
}

}  // namespace

std::optional<std::string> MissingDisplayReason(const TDisplayEnvironment& environment) {
  const std::string platform = environment.QtPlatform.value_or("");
  // A platform chosen by hand (offscreen, vnc, ...) is the user's to know.
  if (!platform.empty() && platform.rfind("xcb", 0) != 0 && platform.rfind("wayland", 0) != 0) return std::nullopt;
  if (environment.WaylandDisplay) return std::nullopt;
  if (!environment.Display)
    return "Corvex Novlet needs a graphical display, and none is set (DISPLAY is empty). "
           "Start it from a desktop session, or under a virtual X server such as Xvfb.";
  const auto number = LocalDisplayNumber(*environment.Display);
  if (number && !XServerAnswers(*number))
    return "Corvex Novlet cannot reach the display " + *environment.Display +
           ": no X server answers there. Start it from a desktop session, or start Xvfb first.";
  return std::nullopt;
}

TDisplayEnvironment CurrentDisplayEnvironment() {
  return {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY")};
}

}  // namespace novlet
