// The play clock's arithmetic: its time source, label text and gauge.
#pragma once

#include <functional>
#include <string>

#include "store/date_time.h"

// The arithmetic of the play clock: the time source it reads, the "nn:ss"
// text of the time label and the two fillings of the pie gauge.
namespace novlet {

// "Now" as a date-time. The page reads the clock only through one of these,
// so that tests can let time pass at will.
using TTimeSource = std::function<TDateTime()>;
TTimeSource SystemTimeSource();

// Minutes and seconds of a playing time, two digits each; whole hours are
// not shown (1 h 2 min 5 s reads "02:05").
std::string PlayTimeText(TDateTime timePlayed);

// The pie gauge has 60 steps and starts at 2 so that a fresh clock still
// shows a sliver.
inline constexpr int kGaugeMaximum = 60;

// With a time limit: the share of the limit used, in sixtieths.
int TimeLimitGaugeProgress(TDateTime timePlayed, TDateTime timeLimit);

// Without one: the minutes of the current hour of play.
int MinuteGaugeProgress(TDateTime timePlayed);

}  // namespace novlet
