// Reduces a picture to a palette of at most 256 colours.
#pragma once

#include <QImage>

// Reduces a true-colour picture to 8 bits per pixel with a colour table of
// its own (median cut), as the skin bitmaps are stored. Pure magenta, the
// skins' transparent key, is kept exact when present.
QImage ToIndexed8(const QImage& picture);
