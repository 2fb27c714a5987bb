// Changing letter case, comparing without it, and reading integer texts.
#include "store/text_case.h"

#include <gtest/gtest.h>

#include "store/integer_text.h"

namespace novlet {
namespace {

TEST(TextCase, ChangeCaseModesAndEqualsIgnoringCaseFoldsLettersOfEuropeanScripts) {
  for (const auto& [text, mode, changed] :
       {std::tuple("déCEMBRE 5", 1, "décembre 5"), {"décembre ÿ", 2, "DÉCEMBRE Ÿ"}, {"été dernier", 3, "Été dernier"},
        {"январь", 3, "Январь"}, {"ιανουάριος", 3, "Ιανουάριος"}, {"łódź", 2, "ŁÓDŹ"}, {"abc", 0, "abc"},
        {"abc", 4, "abc"}}) {
    EXPECT_EQ(ChangeCase(text, mode), changed) << text << " " << mode;
  }
  const std::string malformed = "a\xC3\x28\xFF\xED\xB2\x80z";
  EXPECT_EQ(ChangeCase(malformed, 2), "A\xC3\x28\xFF\xED\xB2\x80Z") << "malformed bytes pass unchanged";

  EXPECT_TRUE(EqualsIgnoringCase("Alice@Décembre", "ALICE@DÉCEMBRE"));
  EXPECT_TRUE(EqualsIgnoringCase("МАРТ", "март"));
  EXPECT_FALSE(EqualsIgnoringCase("Alice", "Alice "));
  EXPECT_FALSE(EqualsIgnoringCase("e", "é"));
}

TEST(IntegerText, DecimalAndHexadecimalWithinThirtyTwoBits) {
  EXPECT_EQ(ParseIntegerText("16777215"), 16777215);
  EXPECT_EQ(ParseIntegerText("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseIntegerText("0xFFFFFF"), 0xFFFFFF);
  EXPECT_EQ(ParseIntegerText("0XFFFFFFFF"), -1);
  EXPECT_EQ(ParseIntegerText("$1f"), 31);
  EXPECT_EQ(ParseIntegerText("-0x10"), -16);
  for (const std::string_view bad : {"", "x", "0x", "1.5", " 1", "1 ", "2147483648", "0x100000000", "--1", "+-1"}) {
    EXPECT_FALSE(ParseIntegerText(bad)) << bad;
  }
}

}  // namespace
}  // namespace novlet
