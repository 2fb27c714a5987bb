// The language the program starts in, from the user's locale.
#pragma once

#include <cstdint>
#include <string_view>

namespace novlet {

// English: the language before anything is detected, and the fallback.
constexpr std::int32_t kDefaultLngID = 44;

// The language number for a locale name such as "de_DE.UTF-8": its first two
// letters in any case, "nl" 31, "fr" 33, "it" 39, "de" 49; anything else, or
// nothing, 44.
std::int32_t LanguageNumberForLocale(std::string_view locale);

// The two-letter code of a language number ("de" for 49); "en" for English
// and for any number without a code.
std::string_view LanguageCodeForNumber(std::int32_t number);

// The language of the environment's locale, taken as the C library does: the
// first non-empty of LC_ALL, LC_MESSAGES and LANG.
std::int32_t DetectLanguage();

}  // namespace novlet
