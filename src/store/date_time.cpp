// Date-times and durations as the records keep them: days since 30 December 1899.
#include "store/date_time.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>

#include "store/text_case.h"

namespace novlet {

namespace {

constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

// 30 December 1899, the day 0 of the records.
constexpr std::chrono::sys_days kEpoch = std::chrono::sys_days{std::chrono::year{1899} / 12 / 30};

std::string Padded(int value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

}  // namespace

TDateTimeParts SplitDateTime(TDateTime value) {
  TDateTimeParts parts;
  if (!std::isfinite(value) || value < 0) return parts;
  // Far beyond any calendar the program needs; keeps the arithmetic in range.
  constexpr double kLastDay = 2'958'465.0;  // 31 December 9999
  if (value > kLastDay) value = kLastDay;
  const auto milliseconds = static_cast<std::int64_t>(std::llround(value * static_cast<double>(kMillisecondsPerDay)));
  const std::int64_t days = milliseconds / kMillisecondsPerDay;
  const std::int64_t seconds = (milliseconds % kMillisecondsPerDay) / 1000;
  const std::chrono::year_month_day date{kEpoch + std::chrono::days{days}};
  parts.Year = static_cast<int>(date.year());
  parts.Month = static_cast<int>(static_cast<unsigned>(date.month()));
  parts.Day = static_cast<int>(static_cast<unsigned>(date.day()));
  parts.Hour = static_cast<int>(seconds / 3600);
  parts.Minute = static_cast<int>(seconds / 60 % 60);
  parts.Second = static_cast<int>(seconds % 60);
  return parts;
}

TDateTime JoinDateTime(const TDateTimeParts& parts) {
  const std::chrono::year_month_day date{std::chrono::year{parts.Year},
                                         std::chrono::month{static_cast<unsigned>(parts.Month)},
                                         std::chrono::day{static_cast<unsigned>(parts.Day)}};
  const auto days = (std::chrono::sys_days{date} - kEpoch).count();
  return static_cast<double>(days) + (parts.Hour * 3600 + parts.Minute * 60 + parts.Second) / kSecondsPerDay;
}

TDateTime NowDateTime() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto milliseconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  TDateTimeParts parts{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                       local.tm_hour,        local.tm_min,     local.tm_sec};
  return JoinDateTime(parts) + static_cast<double>(milliseconds) / static_cast<double>(kMillisecondsPerDay);
}

std::string FormatCreationDateTime(TDateTime value, const std::array<std::string_view, 12>& monthNames) {
  const auto parts = SplitDateTime(value);
  std::string text(monthNames[static_cast<std::size_t>(parts.Month - 1)]);
  text += ' ' + std::to_string(parts.Day) + ' ' + Padded(parts.Year, 4) + ' ' +
          Padded(parts.Hour, 2) + ':' + Padded(parts.Minute, 2) + ':' + Padded(parts.Second, 2);
  return ChangeCase(text, 3);
}

}  // namespace novlet
