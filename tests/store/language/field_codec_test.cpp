// The field codec: the width, text form and refusals of every column type.
#include <gtest/gtest.h>

#include "store/language/field_codec.h"

namespace novlet::row_store {
namespace {

std::string Encode(TColumnFormat format, std::string_view text, bool scrambled = false) {
  std::string bytes;
  std::string problem;
  EXPECT_TRUE(EncodeField(format, text, scrambled, bytes, problem)) << problem;
  EXPECT_EQ(bytes.size(), FieldWidth(format).value_or(0));
  return bytes;
}

std::string Refusal(TColumnFormat format, std::string_view text, bool scrambled = false) {
  std::string bytes;
  std::string problem;
  EXPECT_FALSE(EncodeField(format, text, scrambled, bytes, problem)) << text;
  return problem;
}

TEST(FieldCodec, EveryTypeHasItsWidthAndItsTextFormsRoundTrip) {
  const std::pair<TColumnFormat, std::size_t> widths[] = {
      {{0, 0}, 1}, {{1, 0}, 1},  {{2, 0}, 8},  {{3, 0}, 4},  {{4, 0}, 8},   {{5, 0}, 10},   {{6, 0}, 4},  {{7, 0}, 4},
      {{8, 0}, 8}, {{9, 0}, 6}, {{10, 3}, 12}, {{11, 0}, 1}, {{12, 0}, 4}, {{13, 40}, 40}, {{14, 0}, 2},
  };
  for (const auto& [format, width] : widths) EXPECT_EQ(FieldWidth(format), width) << int{format.Type};
  EXPECT_FALSE(FieldWidth({15, 0}));
  EXPECT_FALSE(FieldWidth({255, 0}));

  const std::pair<TColumnFormat, std::string_view> values[] = {
      {{1, 0}, "255"},           {{11, 0}, "-128"},      {{14, 0}, "65535"},          {{3, 0}, "-2147483648"},
      {{6, 0}, "2147483647"},    {{7, 0}, "71018"},      {{12, 0}, "0.1"},            {{2, 0}, "3.141592653589793"},
      {{4, 0}, "-1e+300"},       {{8, 0}, "45000.5"},    {{5, 0}, "0.1"},             {{5, 0}, "-12345.75"},
      {{9, 0}, "1.5"},           {{9, 0}, "-0.0625"},    {{9, 0}, "0"},               {{10, 4}, "3,17,65536"},
      {{13, 20}, "Lösung"},      {{13, 8}, "12345678"},  {{13, 5}, ""},
  };
  for (const auto& [format, text] : values) {
    EXPECT_EQ(FieldText(format, Encode(format, text), false), text) << int{format.Type};
  }
}

TEST(FieldCodec, YesNoValuesUseTheColumnWordingAndEmptyTextGivesAZeroField) {
  EXPECT_EQ(FieldText({0, 0}, Encode({0, 0}, "true"), false), "Yes");
  EXPECT_EQ(FieldText({0, 1}, Encode({0, 1}, "On"), false), "True");
  EXPECT_EQ(FieldText({0, 2}, Encode({0, 2}, "no"), false), "Off");
  EXPECT_EQ(FieldText({0, 2}, "\x07", false), "On");  // any non-zero byte is yes
  EXPECT_EQ(FieldText({0, 9}, "\x01", false), "Yes");  // an unknown wording falls back to Yes/No
  EXPECT_NE(Refusal({0, 0}, "maybe").find("yes/no"), std::string::npos);

  EXPECT_EQ(Encode({3, 0}, ""), std::string(4, '\0'));
  EXPECT_EQ(Encode({13, 3}, ""), std::string(3, '\0'));
  EXPECT_EQ(Encode({13, 3}, "", true), std::string(3, '\x7F'));
}

TEST(FieldCodec, ScrambledTextIsRotatedAndStopsAtItsFirstZero) {
  const std::string bytes = Encode({13, 10}, "Ab\xC3\x84", true);  // "AbÄ"
  EXPECT_EQ(bytes.substr(0, 4), std::string("\xC0\xE1\x45\x7F", 4));
  EXPECT_EQ(FieldText({13, 10}, bytes, true), "Ab\xC3\x84");
  // The reader unscrambles before it looks for the end of the text.
  EXPECT_EQ(FieldText({13, 4}, std::string("\xC0\x7F\xC0\xC0", 4), true), "A");
  EXPECT_EQ(FieldText({13, 4}, std::string("AB\0C", 4), false), "AB");
  EXPECT_EQ(FieldText({13, 4}, "ABCD", false), "ABCD");  // a full field needs no terminator
}

TEST(FieldCodec, RefusesValuesThatDoNotFit) {
  EXPECT_EQ(Refusal({13, 3}, "Abcd"), "the text has 4 characters; the column holds at most 3");
  EXPECT_EQ(Refusal({13, 9}, "\xE2\x82\xB9"),
            "the character U+20B9 \"\xE2\x82\xB9\" cannot be written in Windows-1252");
  EXPECT_NE(Refusal({13, 9}, "\xC3\xBE", true).find("scrambled"), std::string::npos);  // þ has no scrambled form
  EXPECT_EQ(Encode({13, 9}, "\xC3\xBE"), std::string("\xFE\0\0\0\0\0\0\0\0", 9));
  EXPECT_NE(Refusal({13, 9}, std::string_view("a\0b", 3)).find("zero"), std::string::npos);
  EXPECT_NE(Refusal({1, 0}, "256").find("from 0 to 255"), std::string::npos);
  EXPECT_FALSE(Refusal({11, 0}, "-129").empty());
  EXPECT_FALSE(Refusal({3, 0}, "2147483648").empty());
  EXPECT_FALSE(Refusal({3, 0}, "12a").empty());
  EXPECT_FALSE(Refusal({2, 0}, "pi").empty());
  EXPECT_FALSE(Refusal({9, 0}, "1e300").empty());  // beyond a 48-bit real
  EXPECT_FALSE(Refusal({5, 0}, "inf").empty());
  EXPECT_FALSE(Refusal({10, 2}, "1,2,3").empty());
  EXPECT_FALSE(Refusal({10, 2}, "1,,3").empty());
  EXPECT_FALSE(Refusal({15, 0}, "1").empty());
}

}  // namespace
}  // namespace novlet::row_store
