// The twelve-digit hexadecimal time text of the puzzle records.
#pragma once

#include <string>
#include <string_view>

#include "store/date_time.h"

// The time text of the records: 12 upper-case hexadecimal digits, six for the
// whole days, then two each for hour, minute and second.
// 5 December 2026 19:17:16 reads 00B519131110; 1 h 30 min reads 000000011E00.
namespace novlet {

// Milliseconds are dropped. Values the six day digits cannot carry (negative,
// not a number, past day FFFFFF) are clamped into range, so that the text
// always has its 12 characters and reads back.
std::string EncodeTimeText(TDateTime value);

// Not exactly 12 characters: 0. A part that is not hexadecimal counts as 0.
TDateTime DecodeTimeText(std::string_view text);

}  // namespace novlet
