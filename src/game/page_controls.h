// The controls the pages build their layouts from, in the window's look.
#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace novlet {

class TBaseBtn;

// A small page button (85 x 15 at base size) at (left, top), named.
TBaseBtn* CreatePageButton(QWidget* page, const QString& name, int left, int top);
// A cream label on the page's background.
QLabel* CreatePageLabel(QWidget* page, const QString& name, const QRect& geometry, bool bold);

}  // namespace novlet
