#pragma once

namespace novlet {

// Waits while the window goes on living: timer ticks, paints and clicks run
// in the meantime, as the flashes and the farewell need.
void WaitProcessingEvents(int milliseconds);

}  // namespace novlet
