// Waiting without freezing the window.
#pragma once

namespace novlet {

// Waits while the window goes on living: timer ticks, paints and clicks run
// in the meantime, as the flashes need.
void WaitProcessingEvents(int milliseconds);

// Waits while only painting goes on: no click or second start can change
// anything, as the splash and the farewell need. The caller stops its timers.
void WaitPaintingOnly(int milliseconds);

}  // namespace novlet
