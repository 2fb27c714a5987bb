// Whether the bytes a user hands the program are text it can read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace novlet {

// Files of other encodings would read as garbage, line by line; saying what
// the file is helps the user more. Nothing for UTF-8 (or plain ASCII) text.
std::optional<std::string> NotTextReason(std::string_view text);

}  // namespace novlet
