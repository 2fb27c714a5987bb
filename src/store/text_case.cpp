// Letter case of UTF-8 texts, for look-ups that ignore it and for names.
#include "store/text_case.h"

#include <cstdint>

namespace novlet {

namespace {

// Decodes one character at text[pos] and advances pos. A byte that does not
// start a well-formed sequence stands for itself, so malformed text still
// round-trips byte for byte.
char32_t DecodeAt(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  int length = 0;
  char32_t code = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    code = lead & 0x07;
  }
  if (length == 0 || pos + length > text.size()) {
    ++pos;
    return 0xDC00 + lead;  // a lone surrogate: never produced by decoding valid text
  }
  for (int i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) {
      ++pos;
      return 0xDC00 + lead;
    }
    code = (code << 6) | (byte(pos + i) & 0x3F);
  }
  // Overlong forms, surrogates and code points past Unicode are malformed too.
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
    ++pos;
    return 0xDC00 + lead;
  }
  pos += length;
  return code;
}

void Encode(char32_t code, std::string& out) {
  if (code >= 0xDC80 && code <= 0xDCFF) {
    out += static_cast<char>(code - 0xDC00);
  } else if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Latin Extended-A pairs its letters upper then lower, except in two runs
// where the lower-case letter comes first.
bool LatinExtendedUpperFirst(char32_t c) {
  return (c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
}
bool LatinExtendedLowerFirst(char32_t c) {
  return (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
}

char32_t ToLower(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c < 0x80) return c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c == 0x178) return 0xFF;
  if (c == 0x130) return c;  // capital I with dot has no single-letter lower form here
  if (LatinExtendedUpperFirst(c)) return (c % 2 == 0) ? c + 1 : c;
  if (LatinExtendedLowerFirst(c)) return (c % 2 == 1) ? c + 1 : c;
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;
  if (c == 0x386) return 0x3AC;
  if (c >= 0x388 && c <= 0x38A) return c + 37;
  if (c >= 0x410 && c <= 0x42F) return c + 32;
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  return c;
}

char32_t ToUpper(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c < 0x80) return c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c == 0xFF) return 0x178;
  if (c == 0x131) return c;
  if (LatinExtendedUpperFirst(c)) return (c % 2 == 1) ? c - 1 : c;
  if (LatinExtendedLowerFirst(c)) return (c % 2 == 0) ? c - 1 : c;
  if (c == 0x3C2) return 0x3A3;
  if (c >= 0x3B1 && c <= 0x3C9) return c - 32;
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 37;
  if (c >= 0x430 && c <= 0x44F) return c - 32;
  if (c >= 0x450 && c <= 0x45F) return c - 80;
  return c;
}

std::string MapCharacters(std::string_view text, char32_t (*map)(char32_t), bool firstOnly) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  bool first = true;
  while (pos < text.size()) {
    const char32_t c = DecodeAt(text, pos);
    Encode(first || !firstOnly ? map(c) : c, out);
    first = false;
  }
  return out;
}

}  // namespace

std::string ChangeCase(std::string_view text, int mode) {
  switch (mode) {
    case 1: return MapCharacters(text, ToLower, false);
    case 2: return MapCharacters(text, ToUpper, false);
    case 3: return MapCharacters(text, ToUpper, true);
    default: return std::string(text);
  }
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[j]);
    if (ca < 0x80 && cb < 0x80) {
      if (ToLower(ca) != ToLower(cb)) return false;
      ++i;
      ++j;
    } else if (ToLower(DecodeAt(a, i)) != ToLower(DecodeAt(b, j))) {
      return false;
    }
  }
  return i == a.size() && j == b.size();
}

}  // namespace novlet
