// Integers in the stored files: decimal or hexadecimal text.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace novlet {

// Reads a stored integer: decimal with an optional sign, or hexadecimal after
// "0x", "0X" or "$" (up to 8 digits, taken as a 32-bit pattern so that
// 0xFFFFFFFF is -1). Anything else, an overflow included, is no number.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);

inline std::int32_t ReadIntegerText(std::string_view text, std::int32_t defaultValue) {
  return ParseIntegerText(text).value_or(defaultValue);
}

}  // namespace novlet
