// Waiting without freezing the window.
#pragma once

namespace novlet {

// Waits while only painting goes on: no click or second start can change
// anything, as the splash and the farewell need. The caller stops its timers.
void WaitPaintingOnly(int milliseconds);

}  // namespace novlet
