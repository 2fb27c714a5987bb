// The controls the pages build their layouts from, in the window's look.
#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace novlet {

class TBaseBtn;

// Where both game pages put their grid, at base size inside the page area of
// 412 x 363; the symbol strip, the puzzle's name and the status line follow
// beneath it.
inline constexpr int kPageGridLeft = 12;
inline constexpr int kPageGridTop = 34;
inline constexpr int kPageGridSide = 245;

// A small page button (85 x 15 at base size) at (left, top), named.
TBaseBtn* CreatePageButton(QWidget* page, const QString& name, int left, int top);
// A cream label on the page's background.
QLabel* CreatePageLabel(QWidget* page, const QString& name, const QRect& geometry, bool bold);

}  // namespace novlet
