// The fonts and text colour of the window frame and its pages.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The fonts and text colour the window and its pages share, so that every
// caption and label on the slate background reads alike.
namespace novlet {

class TBaseBtn;

inline const QColor kCreamText(0xf2, 0xe9, 0xd8);

QFont FrameFont(int pixelSize, bool bold);
// The style sheet of a label drawn straight onto the skinned background.
QString CreamLabelStyle();

// The pages' buttons carry their captions in the middle of the face,
// whatever their length and language.
void SetCentredCaption(TBaseBtn* button, const QString& caption);

}  // namespace novlet
