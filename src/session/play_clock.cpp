// The play clock's arithmetic: its label text and gauge.
#include "session/play_clock.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace novlet {
namespace {

constexpr double kMillisecondsPerDay = kSecondsPerDay * 1000.0;

// Whole milliseconds, so that exact minutes do not come out a hair short
// through the day fractions' rounding.
std::int64_t Milliseconds(TDateTime duration) {
  if (!std::isfinite(duration) || duration <= 0) return 0;
  return std::llround(duration * kMillisecondsPerDay);
}

}  // namespace

TTimeSource SystemTimeSource() { return [] { return NowDateTime(); }; }

std::string PlayTimeText(TDateTime timePlayed) {
  const std::int64_t seconds = Milliseconds(timePlayed) / 1000;
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return text;
}

int TimeLimitGaugeProgress(TDateTime timePlayed, TDateTime timeLimit) {
  const std::int64_t limit = Milliseconds(timeLimit);
  if (limit <= 0) return 2;
  return static_cast<int>(Milliseconds(timePlayed) * kGaugeMaximum / limit) + 2;
}

int MinuteGaugeProgress(TDateTime timePlayed) {
  return static_cast<int>(Milliseconds(timePlayed) / 60000 % 60) + 2;
}

}  // namespace novlet
