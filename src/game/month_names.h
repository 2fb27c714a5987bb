// The month names of dates in the language the window shows.
#pragma once

#include <array>
#include <string>

namespace novlet {

class TTranslator;

// January to December in the window's language, whatever the desktop's: a
// French window on an English desktop says "décembre".
std::array<std::string, 12> MonthNames(const TTranslator& texts);

}  // namespace novlet
