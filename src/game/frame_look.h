#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The fonts and text colour the window and its pages share, so that every
// caption and label on the slate background reads alike.
namespace novlet {

inline const QColor kCreamText(0xf2, 0xe9, 0xd8);

QFont FrameFont(int pixelSize, bool bold);
// The style sheet of a label drawn straight onto the skinned background.
QString CreamLabelStyle();

}  // namespace novlet
