// A language-file field between its bytes and its text form.
#include "store/language/field_codec.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "store/language/windows_1252.h"

namespace novlet::row_store {
namespace {

constexpr std::array<std::array<std::string_view, 2>, 3> kYesNoWords = {{
    {"Yes", "No"},
    {"True", "False"},
    {"On", "Off"},
}};

std::uint64_t ReadLittleEndian(std::string_view bytes, std::size_t offset, std::size_t width) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < width; ++i) {
    value |= std::uint64_t{static_cast<unsigned char>(bytes[offset + i])} << (8 * i);
  }
  return value;
}

void AppendLittleEndian(std::uint64_t value, std::size_t width, std::string& out) {
  for (std::size_t i = 0; i < width; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

template <typename T>
std::string NumberText(T value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// An 80-bit extended value: 64-bit mantissa with its explicit integer bit,
// then sign and 15-bit exponent. Shown through a double, which is all the
// precision a text form needs here.
double DecodeExtended(std::string_view bytes) {
  const std::uint64_t mantissa = ReadLittleEndian(bytes, 0, 8);
  const auto signAndExponent = static_cast<std::uint16_t>(ReadLittleEndian(bytes, 8, 2));
  const int exponent = signAndExponent & 0x7FFF;
  const double sign = (signAndExponent & 0x8000) != 0 ? -1.0 : 1.0;
  if (exponent == 0x7FFF) {
    return (mantissa << 1) == 0 ? sign * std::numeric_limits<double>::infinity()
                                : std::numeric_limits<double>::quiet_NaN();
  }
  return sign * std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
}

void EncodeExtended(double value, std::string& out) {
  std::uint64_t mantissa = 0;
  std::uint16_t signAndExponent = std::signbit(value) ? 0x8000 : 0;
  if (value != 0) {
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);  // value = fraction * 2^exponent
    mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    signAndExponent |= static_cast<std::uint16_t>(exponent - 1 + 16383);
  }
  AppendLittleEndian(mantissa, 8, out);
  AppendLittleEndian(signAndExponent, 2, out);
}

// The 48-bit real of the format's origin: exponent byte (0 means zero, bias
// 129), then a 39-bit fraction with an implicit leading 1 and the sign in the
// top bit.
double DecodeReal48(std::string_view bytes) {
  const auto exponent = static_cast<unsigned char>(bytes[0]);
  if (exponent == 0) return 0;
  const std::uint64_t field = ReadLittleEndian(bytes, 1, 5);
  const std::uint64_t fraction = field & ((std::uint64_t{1} << 39) - 1);
  const double sign = (field >> 39) != 0 ? -1.0 : 1.0;
  return sign * std::ldexp(1.0 + std::ldexp(static_cast<double>(fraction), -39), exponent - 129);
}

bool EncodeReal48(double value, std::string& out) {
  if (value == 0) {
    out.append(6, '\0');
    return true;
  }
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);  // in [0.5, 1)
  std::uint64_t bits = static_cast<std::uint64_t>(std::llround(std::ldexp(2 * fraction - 1, 39)));
  int stored = exponent + 128;
  if (bits == (std::uint64_t{1} << 39)) bits = 0, ++stored;
  if (stored < 1 || stored > 255) return false;
  if (value < 0) bits |= std::uint64_t{1} << 39;
  out += static_cast<char>(stored);
  AppendLittleEndian(bits, 5, out);
  return true;
}

std::string TextFieldText(std::string_view bytes, bool scrambled) {
  std::string text(bytes);
  if (scrambled) {
    for (char& c : text) c = static_cast<char>(UnscrambleByte(static_cast<unsigned char>(c)));
  }
  const std::size_t end = text.find('\0');
  if (end != std::string::npos) text.resize(end);
  return Windows1252ToUtf8(text);
}

std::string RowLinksText(std::string_view bytes) {
  std::string text;
  for (std::size_t offset = 0; offset + 4 <= bytes.size(); offset += 4) {
    const std::uint64_t link = ReadLittleEndian(bytes, offset, 4);
    if (link == 0) continue;
    if (!text.empty()) text += ',';
    text += NumberText(link);
  }
  return text;
}

bool EncodeText(std::size_t width, std::string_view text, bool scrambled, std::string& out,
                std::string& problem) {
  std::string converted;
  if (!Utf8ToWindows1252(text, converted, problem)) {
    problem += " cannot be written in Windows-1252";
    return false;
  }
  if (converted.find('\0') != std::string::npos) {
    problem = "a text cannot hold a zero character";
    return false;
  }
  if (converted.size() > width) {
    problem = "the text has " + std::to_string(converted.size()) + " characters; the column holds at most " +
              std::to_string(width);
    return false;
  }
  converted.resize(width, '\0');
  if (scrambled) {
    for (char& c : converted) {
      const auto b = static_cast<unsigned char>(c);
      if (b >= 254) {
        problem = "the characters \"\xC3\xBE\" and \"\xC3\xBF\" cannot be stored in a scrambled file";
        return false;
      }
      c = static_cast<char>(ScrambleByte(b));
    }
  }
  out += converted;
  return true;
}

// The offending text in quotes, then what is wrong with it. Built by
// appending: g++ 12 at -O3 takes the prepend in `"\"" + std::string(text)`
// for an overlapping copy of unbounded length and warns (-Wrestrict).
std::string QuotedProblem(std::string_view text, std::string_view complaint) {
  std::string problem = "\"";
  problem.append(text).append("\" ").append(complaint);
  return problem;
}

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool EncodeInteger(std::string_view text, std::int64_t minimum, std::int64_t maximum, std::size_t width,
                   std::string& out, std::string& problem) {
  std::int64_t value = 0;
  if (!text.empty() && (!ParseNumber(text, value) || value < minimum || value > maximum)) {
    problem = QuotedProblem(text, "is not a whole number from ") + std::to_string(minimum) + " to " +
              std::to_string(maximum);
    return false;
  }
  AppendLittleEndian(static_cast<std::uint64_t>(value), width, out);
  return true;
}

bool ParseReal(std::string_view text, double& value, std::string& problem) {
  if (text.empty()) {
    value = 0;
    return true;
  }
  if (!ParseNumber(text, value)) {
    problem = QuotedProblem(text, "is not a number");
    return false;
  }
  return true;
}

bool EncodeRowLinks(std::size_t entries, std::string_view text, std::string& out, std::string& problem) {
  std::size_t written = 0;
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    const std::string_view entry = text.substr(0, comma);
    std::uint32_t link = 0;
    if (!ParseNumber(entry, link)) {
      problem = QuotedProblem(entry, "is not a row number");
      return false;
    }
    if (++written > entries) {
      problem = "the column holds at most " + std::to_string(entries) + " row links";
      return false;
    }
    AppendLittleEndian(link, 4, out);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  }
  out.append(4 * (entries - written), '\0');
  return true;
}

}  // namespace

std::string FieldText(TColumnFormat format, std::string_view bytes, bool scrambled) {
  switch (format.Type) {
    case 0: {
      const auto& words = kYesNoWords[format.Parameter < kYesNoWords.size() ? format.Parameter : 0];
      return std::string(bytes[0] != 0 ? words[0] : words[1]);
    }
    case 1: return NumberText(static_cast<unsigned>(static_cast<unsigned char>(bytes[0])));
    case 11: return NumberText(static_cast<int>(static_cast<signed char>(bytes[0])));
    case 14: return NumberText(ReadLittleEndian(bytes, 0, 2));
    case 3: case 6: case 7:
      return NumberText(static_cast<std::int32_t>(static_cast<std::uint32_t>(ReadLittleEndian(bytes, 0, 4))));
    case 12: return NumberText(std::bit_cast<float>(static_cast<std::uint32_t>(ReadLittleEndian(bytes, 0, 4))));
    case 2: case 4: case 8: return NumberText(std::bit_cast<double>(ReadLittleEndian(bytes, 0, 8)));
    case 5: return NumberText(DecodeExtended(bytes));
    case 9: return NumberText(DecodeReal48(bytes));
    case 10: return RowLinksText(bytes);
    case 13: return TextFieldText(bytes, scrambled);
    default: return std::string();
  }
}

bool EncodeField(TColumnFormat format, std::string_view text, bool scrambled, std::string& bytes,
                 std::string& problem) {
  bytes.clear();
  double real = 0;
  switch (format.Type) {
    case 0: {
      bool yes = false;
      bool known = text.empty();
      for (const auto& words : kYesNoWords) {
        if (EqualsIgnoringCase(text, words[0])) yes = known = true;
        if (EqualsIgnoringCase(text, words[1])) known = true;
      }
      if (!known) {
        problem = QuotedProblem(text, "is not a yes/no value (Yes, No, True, False, On, Off)");
        return false;
      }
      bytes += static_cast<char>(yes ? 1 : 0);
      return true;
    }
    case 1: return EncodeInteger(text, 0, 255, 1, bytes, problem);
    case 11: return EncodeInteger(text, -128, 127, 1, bytes, problem);
    case 14: return EncodeInteger(text, 0, 65535, 2, bytes, problem);
    case 3: case 6: case 7:
      return EncodeInteger(text, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
                           4, bytes, problem);
    case 12:
      if (!ParseReal(text, real, problem)) return false;
      AppendLittleEndian(std::bit_cast<std::uint32_t>(static_cast<float>(real)), 4, bytes);
      return true;
    case 2: case 4: case 8:
      if (!ParseReal(text, real, problem)) return false;
      AppendLittleEndian(std::bit_cast<std::uint64_t>(real), 8, bytes);
      return true;
    case 5:
      if (!ParseReal(text, real, problem)) return false;
      if (!std::isfinite(real)) {
        problem = QuotedProblem(text, "is not a finite number");
        return false;
      }
      EncodeExtended(real, bytes);
      return true;
    case 9:
      if (!ParseReal(text, real, problem)) return false;
      if (!std::isfinite(real) || !EncodeReal48(real, bytes)) {
        problem = QuotedProblem(text, "is out of the range of a 48-bit real");
        return false;
      }
      return true;
    case 10: return EncodeRowLinks(format.Parameter, text, bytes, problem);
    case 13: return EncodeText(format.Parameter, text, scrambled, bytes, problem);
    default:
      problem = "unknown column type " + std::to_string(format.Type);
      return false;
  }
}

}  // namespace novlet::row_store
