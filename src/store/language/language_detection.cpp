// The language the program starts in, from the user's locale.
#include "store/language/language_detection.h"

#include <array>
#include <cstdlib>
#include <utility>

namespace novlet {
namespace {

constexpr std::array<std::pair<std::string_view, std::int32_t>, 4> kLocaleLanguages = {{
    {"nl", 31},
    {"fr", 33},
    {"it", 39},
    {"de", 49},
}};

}  // namespace

std::int32_t LanguageNumberForLocale(std::string_view locale) {
  if (locale.size() < 2) return kDefaultLngID;
  char prefix[2];
  for (int i = 0; i < 2; ++i) {
    const char c = locale[i];
    prefix[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
  }
  for (const auto& [code, number] : kLocaleLanguages) {
    if (code == std::string_view(prefix, 2)) return number;
  }
  return kDefaultLngID;
}

std::string_view LanguageCodeForNumber(std::int32_t number) {
  for (const auto& [code, listed] : kLocaleLanguages) {
    if (listed == number) return code;
  }
  return "en";
}

std::int32_t DetectLanguage() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return LanguageNumberForLocale(value);
  }
  return kDefaultLngID;
}

}  // namespace novlet
