// The play clock's label text and its gauge, at the edges the game's flow does not reach.
#include <gtest/gtest.h>

#include "session/play_clock.h"

namespace novlet {
namespace {

constexpr TDateTime Seconds(double s) { return s / kSecondsPerDay; }

TEST(PlayClock, LabelShowsMinutesAndSecondsOfTheHourAndTheGaugeTheMinutesOrTheShareOfTheLimit) {
  EXPECT_EQ(PlayTimeText(Seconds(59 * 60 + 59)), "59:59");
  EXPECT_EQ(PlayTimeText(Seconds(-5)), "00:00");
  EXPECT_EQ(MinuteGaugeProgress(Seconds(2 * 60)), 4);  // exact minutes do not fall short
  EXPECT_EQ(MinuteGaugeProgress(Seconds(59)), 2);
  const TDateTime hour = Seconds(3600);
  EXPECT_EQ(TimeLimitGaugeProgress(0, hour), 2);
  EXPECT_EQ(TimeLimitGaugeProgress(hour, hour), 62);
  EXPECT_EQ(TimeLimitGaugeProgress(hour, 0), 2);  // no limit to share
}

}  // namespace
}  // namespace novlet
