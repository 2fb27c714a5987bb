// The play clock's label text and its gauge.
#include <gtest/gtest.h>

#include "session/play_clock.h"

namespace novlet {
namespace {

constexpr TDateTime Seconds(double s) { return s / kSecondsPerDay; }

TEST(PlayClock, LabelShowsMinutesAndSecondsOfTheHour) {
  EXPECT_EQ(PlayTimeText(0), "00:00");
  EXPECT_EQ(PlayTimeText(Seconds(3600 + 2 * 60 + 5)), "02:05");
  EXPECT_EQ(PlayTimeText(Seconds(59 * 60 + 59)), "59:59");
  EXPECT_EQ(PlayTimeText(Seconds(-5)), "00:00");
}

TEST(PlayClock, GaugeWithoutALimitShowsTheMinutesOfTheHour) {
  EXPECT_EQ(MinuteGaugeProgress(Seconds(3600 + 2 * 60 + 5)), 4);
  EXPECT_EQ(MinuteGaugeProgress(Seconds(2 * 60)), 4);  // exact minutes do not fall short
  EXPECT_EQ(MinuteGaugeProgress(Seconds(59)), 2);
}

TEST(PlayClock, GaugeWithALimitShowsTheShareUsed) {
  const TDateTime hour = Seconds(3600);
  EXPECT_EQ(TimeLimitGaugeProgress(hour / 2, hour), 32);
  EXPECT_EQ(TimeLimitGaugeProgress(0, hour), 2);
  EXPECT_EQ(TimeLimitGaugeProgress(hour, hour), 62);
  EXPECT_EQ(TimeLimitGaugeProgress(hour, 0), 2);  // no limit to share
}

}  // namespace
}  // namespace novlet
