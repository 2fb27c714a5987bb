// Reads icon files at the sizes the display sets need.
#pragma once

#include <QImage>
#include <QString>

namespace novlet {

// Reads an icon file and returns the picture at side x side pixels: the image
// of that size when the file holds one, else its largest image scaled. A file
// that is missing or cannot be decoded gives a null image.
QImage LoadIconFile(const QString& path, int side);

}  // namespace novlet
