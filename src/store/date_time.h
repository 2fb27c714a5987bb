// Date-times and durations as the records keep them: days since 30 December 1899.
#pragma once

#include <array>
#include <string>
#include <string_view>

// Date-times as the records keep them: days since 30 December 1899 00:00 in
// local time, the fraction being the time of day. Durations use the same unit.
namespace novlet {

using TDateTime = double;

inline constexpr double kSecondsPerDay = 86400.0;

struct TDateTimeParts {
  int Year = 1899;
  int Month = 12;
  int Day = 30;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

// Whole seconds, milliseconds rounded first so that 23:59:59.9995 is the next
// day rather than a second short of it.
TDateTimeParts SplitDateTime(TDateTime value);
TDateTime JoinDateTime(const TDateTimeParts& parts);

// The local date and time now.
TDateTime NowDateTime();

// English month names, for callers without a locale of their own.
inline constexpr std::array<std::string_view, 12> kEnglishMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// "mmmm d yyyy hh:mm:ss" with the given month names, starting with a capital:
// the default name of a puzzle, "December 5 2026 19:17:16".
std::string FormatCreationDateTime(TDateTime value,
                                   const std::array<std::string_view, 12>& monthNames = kEnglishMonthNames);

}  // namespace novlet
