// Makes the whole program usable by screen readers and desktop automation.
#pragma once

namespace novlet {

// Installs the interfaces of the skinned controls, the game grids, the symbol
// strips and the gauges with Qt's accessibility framework. Call it before the
// window makes its first control; calling it again does nothing.
void InstallAccessibility();

}  // namespace novlet
