// The time-of-day text of the options' time limit.
#include "store/clock_time_text.h"

#include <array>

#include "store/text_case.h"

namespace novlet {

namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Removes a trailing AM/PM marker; returns which one it was.
enum class TMeridiem { None, Am, Pm };

TMeridiem TakeMeridiem(std::string_view& text) {
  static constexpr std::array<std::pair<std::string_view, TMeridiem>, 4> kMarkers{{
      {"a.m.", TMeridiem::Am}, {"p.m.", TMeridiem::Pm}, {"am", TMeridiem::Am}, {"pm", TMeridiem::Pm}}};
  for (const auto& [marker, meridiem] : kMarkers) {
    if (text.size() >= marker.size() && EqualsIgnoringCase(text.substr(text.size() - marker.size()), marker)) {
      text = Trim(text.substr(0, text.size() - marker.size()));
      return meridiem;
    }
  }
  return TMeridiem::None;
}

// One to two decimal digits.
std::optional<int> ReadPart(std::string_view& text) {
  int value = 0;
  std::size_t digits = 0;
  while (digits < text.size() && digits < 2 && text[digits] >= '0' && text[digits] <= '9') {
    value = value * 10 + (text[digits] - '0');
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  text.remove_prefix(digits);
  return value;
}

bool TakeSeparator(std::string_view& text) {
  if (text.empty() || (text.front() != ':' && text.front() != '.')) return false;
  text.remove_prefix(1);
  return true;
}

}  // namespace

std::string FormatClockTime(TDateTime value) {
  const auto parts = SplitDateTime(value);
  std::string text;
  for (const int part : {parts.Hour, parts.Minute, parts.Second}) {
    if (!text.empty()) text += ':';
    text += static_cast<char>('0' + part / 10);
    text += static_cast<char>('0' + part % 10);
  }
  return text;
}

std::optional<TDateTime> ParseClockTime(std::string_view text) {
  text = Trim(text);
  const TMeridiem meridiem = TakeMeridiem(text);
  auto hour = ReadPart(text);
  if (!hour || !TakeSeparator(text)) return std::nullopt;
  const auto minute = ReadPart(text);
  if (!minute) return std::nullopt;
  std::optional<int> second = 0;
  if (TakeSeparator(text)) second = ReadPart(text);
  if (!second || !text.empty() || *minute > 59 || *second > 59) return std::nullopt;
  if (meridiem == TMeridiem::None) {
    if (*hour > 23) return std::nullopt;
  } else {
    if (*hour < 1 || *hour > 12) return std::nullopt;
    *hour = *hour % 12 + (meridiem == TMeridiem::Pm ? 12 : 0);
  }
  return (*hour * 3600 + *minute * 60 + *second) / kSecondsPerDay;
}

}  // namespace novlet
