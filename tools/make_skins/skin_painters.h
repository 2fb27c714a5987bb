// Paints the skin pictures: background and button faces at each size.
#pragma once

#include <QImage>
#include <QSize>

enum class TFaceState { Up, Down, Disabled };

// Each painter draws its picture in the base-size layout and scales it to
// the pixel size asked for, so the three sizes of a family look alike.
QImage PaintBackground(QSize size);
// Pixels outside the rounded face are pure magenta, the transparent key.
QImage PaintButtonFace(QSize size, QSize baseSize, TFaceState state);
QImage PaintIntro();
QImage PaintAbout();
QImage PaintIcon(int size);
