// The time-of-day text of the options' time limit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "store/date_time.h"

// The clock-time form of the options file's "PlayTimeLimit".
namespace novlet {

// "hh:mm:ss" of the time of day of the value (hours count modulo 24), the
// same in every locale.
std::string FormatClockTime(TDateTime value);

// Reads "hh:mm:ss" and the long-time forms of the locales an older file may
// have been written in: one- or two-digit hours, ":" or "." between the
// parts, seconds optional, "AM"/"PM" (any case, with or without a blank
// before it, also "a.m."/"p.m."). The result is a fraction of a day; nothing
// when the text is not such a time.
std::optional<TDateTime> ParseClockTime(std::string_view text);

}  // namespace novlet
