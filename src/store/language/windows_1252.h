// Between the language file's Windows-1252 bytes and UTF-8.
#pragma once

#include <string>
#include <string_view>

// The language file stores its texts in Windows-1252; the program works in
// UTF-8. These are the two crossings.
namespace novlet {

// Every byte has a meaning except the five holes of the code page (0x81,
// 0x8D, 0x8F, 0x90, 0x9D), which become U+FFFD so that a damaged text still
// shows as text.
std::string Windows1252ToUtf8(std::string_view bytes);

// Converts UTF-8 text to Windows-1252. Returns false when the text is not
// valid UTF-8 or holds a character the code page cannot carry; `problem` then
// names it (for example: the character U+4E2D "中").
bool Utf8ToWindows1252(std::string_view utf8, std::string& bytes, std::string& problem);

}  // namespace novlet
