// Letter case of UTF-8 texts, for look-ups that ignore it and for names.
#pragma once

#include <string>
#include <string_view>

// Letter case of UTF-8 texts. Section and key look-ups ignore case, and the
// default puzzle name capitalises a month name of the user's language, so the
// folding covers the Latin, Greek and Cyrillic letters of European languages,
// not ASCII alone. Letters outside those blocks compare exactly.
namespace novlet {

// Mode 1 lower-cases, mode 2 upper-cases, mode 3 upper-cases only the first
// character; any other mode returns the text unchanged.
std::string ChangeCase(std::string_view text, int mode);

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace novlet
