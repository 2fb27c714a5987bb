// Feeds arbitrary bytes to the readers of the small value forms: time texts,
// clock times and integers. Every result must be in range, and a time text
// written from a decoded value must decode to the same value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "store/clock_time_text.h"
#include "store/integer_text.h"
#include "store/time_text.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  const novlet::TDateTime decoded = novlet::DecodeTimeText(input);
  Require(std::isfinite(decoded) && decoded >= 0);
  const std::string text = novlet::EncodeTimeText(decoded);
  Require(text.size() == 12);
  Require(novlet::EncodeTimeText(novlet::DecodeTimeText(text)) == text);

  if (const auto clock = novlet::ParseClockTime(input)) {
    Require(*clock >= 0 && *clock < 1);
    Require(novlet::ParseClockTime(novlet::FormatClockTime(*clock)) == clock);
  }

  if (const auto number = novlet::ParseIntegerText(input)) {
    Require(novlet::ParseIntegerText(std::to_string(*number)) == number);
  }
  return 0;
}
