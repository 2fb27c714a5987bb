// Font and slot sizes for the screen modes.
#pragma once

// Font and slot sizes for the screen modes of the skins: 0 and 2 and 5 are the
// base size, 3 and 6 enlarge by 1.25, 4 and 7 by 1.6 (each pair keeping its own
// numerator and denominator).
namespace novlet {

// A font size in points for the current screen mode, rounded half to even.
int ScaleForScreen(int size, int screenMode);

// The pixel size the grid's fonts are drawn at: points on a 96 pixels-per-inch
// screen, so that every device (screen, image, printer) gets the same picture.
int PointsToPixels(int points);

// A length in pixels for the current screen mode, the fraction cut off.
int ScaleLengthForScreen(int length, int screenMode);

}  // namespace novlet
