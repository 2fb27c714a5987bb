// Tells text from the other files a user may hand the program by mistake.
#include "store/plain_text.h"

namespace novlet {

std::optional<std::string> NotTextReason(std::string_view text) {
  using namespace std::string_view_literals;
  for (const std::string_view mark : {"\xFF\xFE"sv, "\xFE\xFF"sv, "\0\0\xFE\xFF"sv}) {
    if (text.starts_with(mark)) return "it is UTF-16 or UTF-32 text, not UTF-8";
  }
  if (text.find('\0') != std::string_view::npos) return "it holds binary data, not text";
  return std::nullopt;
}

}  // namespace novlet
