// The twelve-digit hexadecimal time text of the puzzle records.
#include "store/time_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace novlet {

namespace {

constexpr std::int64_t kLargestDay = 0xFFFFFF;

void AppendHex(std::string& text, std::int64_t value, int width) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (int shift = (width - 1) * 4; shift >= 0; shift -= 4) text += kDigits[(value >> shift) & 0xF];
}

// Unsigned, so that a sign makes the part not hexadecimal.
std::uint32_t HexPart(std::string_view part) {
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value, 16);
  return (error == std::errc() && end == part.data() + part.size()) ? value : 0;
}

}  // namespace

std::string EncodeTimeText(TDateTime value) {
  if (!std::isfinite(value) || value < 0) value = 0;
  // Whole seconds, rounded to milliseconds first as the calendar split does.
  const double largest = static_cast<double>(kLargestDay) + 86399.0 / kSecondsPerDay;
  if (value > largest) value = largest;
  const auto milliseconds = static_cast<std::int64_t>(std::llround(value * kSecondsPerDay * 1000.0));
  const std::int64_t days = milliseconds / 86'400'000;
  const std::int64_t seconds = milliseconds % 86'400'000 / 1000;
  std::string text;
  text.reserve(12);
  AppendHex(text, days, 6);
  AppendHex(text, seconds / 3600, 2);
  AppendHex(text, seconds / 60 % 60, 2);
  AppendHex(text, seconds % 60, 2);
  return text;
}

TDateTime DecodeTimeText(std::string_view text) {
  if (text.size() != 12) return 0;
  const auto days = static_cast<double>(HexPart(text.substr(0, 6)));
  const auto hours = static_cast<double>(HexPart(text.substr(6, 2)));
  const auto minutes = static_cast<double>(HexPart(text.substr(8, 2)));
  const auto seconds = static_cast<double>(HexPart(text.substr(10, 2)));
  return days + hours / 24 + minutes / 1440 + seconds / kSecondsPerDay;
}

}  // namespace novlet
