// The time texts of the files, the creation name's date and the clock times of the options.
#include "store/time_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "store/clock_time_text.h"
#include "store/collection_details.h"
#include "store/date_time.h"

namespace novlet {
namespace {

constexpr double kSecond = 1.0 / 86400;

TEST(TimeText, EncodesDaysAndClockAsTwelveUpperCaseHexDigitsClampedToAReadableText) {
  const TDateTime evening = JoinDateTime({2026, 12, 5, 19, 17, 16});
  EXPECT_EQ(std::floor(evening), 46361);
  EXPECT_EQ(EncodeTimeText(evening), "00B519131110");
  EXPECT_EQ(EncodeTimeText(1.5 / 24), "000000011E00");
  EXPECT_EQ(EncodeTimeText(evening + 0.4 * kSecond), "00B519131110") << "milliseconds are dropped";
  EXPECT_EQ(EncodeTimeText(46361 + 86399.9996 * kSecond), "00B51A000000") << "rounds up to midnight, next day";

  EXPECT_EQ(EncodeTimeText(-3.25), "000000000000");
  EXPECT_EQ(EncodeTimeText(std::numeric_limits<double>::quiet_NaN()), "000000000000");
  EXPECT_EQ(EncodeTimeText(1e12), "FFFFFF173B3B");
}

TEST(TimeText, DecodesOnlyTwelveCharactersCountsNonHexPartsAsZeroAndRoundTripsWholeSeconds) {
  EXPECT_DOUBLE_EQ(DecodeTimeText("000000011E00"), 1.5 / 24);
  EXPECT_DOUBLE_EQ(DecodeTimeText("00b519131110"), JoinDateTime({2026, 12, 5, 19, 17, 16}));
  EXPECT_EQ(DecodeTimeText("00000011E00"), 0);
  EXPECT_EQ(DecodeTimeText("000000011E000"), 0);
  EXPECT_EQ(DecodeTimeText(""), 0);
  EXPECT_DOUBLE_EQ(DecodeTimeText("00000Z011E-1"), 1.0 / 24 + 30.0 / 1440) << "days and seconds are no hex";

  for (const TDateTime value : {0.0, 46361.80366898148, 12.999988425925926, 0.5}) {
    EXPECT_NEAR(DecodeTimeText(EncodeTimeText(value)), value, kSecond / 2) << value;
  }
}

TEST(CreationName, FormatsMonthDayYearAndClockWithACapital) {
  const TDateTime created = JoinDateTime({2026, 12, 5, 9, 7, 6});
  EXPECT_EQ(FormatCreationDateTime(created), "December 5 2026 09:07:06");
  std::array<std::string_view, 12> french{"janvier", "février", "mars",    "avril",   "mai",      "juin",
                                          "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
  EXPECT_EQ(FormatCreationDateTime(created, french), "Décembre 5 2026 09:07:06");
}

TEST(ClockTime, WritesHoursMinutesSecondsAndReadsTheLocaleFormsOfOlderFiles) {
  EXPECT_EQ(FormatClockTime(1.0 / 32), "00:45:00");
  EXPECT_EQ(FormatClockTime(1.0 + 1.5 / 24), "01:30:00") << "a time of day";
  const auto reads = [](std::string_view text) { return ParseClockTime(text).value_or(-1); };
  EXPECT_DOUBLE_EQ(reads("01:00:00"), 1.0 / 24);
  EXPECT_DOUBLE_EQ(reads("1:00:00 AM"), 1.0 / 24);
  EXPECT_DOUBLE_EQ(reads("12:45:00 am"), 1.0 / 32);
  EXPECT_DOUBLE_EQ(reads("1:30:00PM"), 13.5 / 24);
  EXPECT_DOUBLE_EQ(reads("12:00:00 p.m."), 0.5);
  EXPECT_DOUBLE_EQ(reads("0.30.00"), 1.0 / 48);
  EXPECT_DOUBLE_EQ(reads("0:30"), 1.0 / 48);
  for (const std::string_view bad : {"", "1 hour", "24:00:00", "13:00:00 PM", "0:60:00", "1:2:3:4", "-1:00:00"}) {
    EXPECT_FALSE(ParseClockTime(bad)) << bad;
  }
}

TEST(CollectionDetails, DurationsShowTheirHoursInFull) {
  const std::pair<TDateTime, std::string> cases[] = {
      {0, "00:00:00"},         {1.5 / 24, "01:30:00"},      {25.0 / 24, "25:00:00"},
      {100.0, "2400:00:00"},   {59.4 / 86400, "00:00:59"},  // milliseconds are dropped
      {1.0 / 86400 - 1e-12, "00:00:01"},  // a second a hair short of its floating-point value is still one
      {-1, "00:00:00"},        {std::numeric_limits<double>::quiet_NaN(), "00:00:00"},
  };
  for (const auto& [duration, text] : cases) EXPECT_EQ(FormatDuration(duration), text) << duration;
}

}  // namespace
}  // namespace novlet
