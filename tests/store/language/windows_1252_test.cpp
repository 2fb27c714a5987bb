// The Windows-1252 code page the language file stores its texts in.
#include <gtest/gtest.h>

#include "store/language/windows_1252.h"

namespace novlet {
namespace {

TEST(Windows1252, HighBytesBecomeTheirUnicodeCharactersAndRoundTrip) {
  EXPECT_EQ(Windows1252ToUtf8("L\xF6sung \x80 \x93x\x94 \xFF"), "Lösung € “x” ÿ");
  // The holes of the code page stay visible as replacement characters.
  EXPECT_EQ(Windows1252ToUtf8("\x81\x9D"), "\xEF\xBF\xBD\xEF\xBF\xBD");

  std::string all;
  for (int b = 1; b < 256; ++b) {
    if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) all += static_cast<char>(b);
  }
  std::string back;
  std::string problem;
  ASSERT_TRUE(Utf8ToWindows1252(Windows1252ToUtf8(all), back, problem)) << problem;
  EXPECT_EQ(back, all);
}

TEST(Windows1252, RefusesWhatTheCodePageCannotCarry) {
  std::string bytes;
  std::string problem;
  EXPECT_FALSE(Utf8ToWindows1252("Zh\xE4\xB8\xAD", bytes, problem));
  EXPECT_EQ(problem, "the character U+4E2D \"中\"");
  EXPECT_FALSE(Utf8ToWindows1252("\xEF\xBF\xBD", bytes, problem));  // U+FFFD is not one of its characters

  for (const char* malformed : {"\xC3", "a\xC0\xAF", "\xED\xA0\x80", "\xF8\x88\x80\x80\x80", "\x80"}) {
    EXPECT_FALSE(Utf8ToWindows1252(malformed, bytes, problem)) << malformed;
    EXPECT_NE(problem.find("not valid UTF-8"), std::string::npos);
  }
}

}  // namespace
}  // namespace novlet
