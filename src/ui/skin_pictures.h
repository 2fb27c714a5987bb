// The skin bitmaps: built in, or loose files that replace them.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace novlet {

// A built-in skin bitmap by its resource name (not case-sensitive, e.g.
// "But_Up_sm8x6"); an empty picture when there is none.
QPixmap LoadResourceBitmap(const QString& resourceName);

// The rule of the boxes, the about box and the splash: a loose file of that
// name in overrideFolder (the "I" folder beside the program data) wins over
// the built-in bitmap. An empty folder name skips the look-up.
QPixmap LoadSkinPicture(const QString& overrideFolder, const QString& fileName, const QString& resourceName);

// The program's icon at every size it ships in.
QIcon ApplicationIcon();

}  // namespace novlet
