// The symbol strip's layout, painting and click mapping.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QSize>

#include "render/display_set.h"

// The symbol strip beside each game grid: the N symbols or icons in a row,
// each in a slot the player clicks to enter that value.
namespace novlet {

// Width of one slot for N <= 9: 27 pixels at base size, scaled by the screen
// mode with the fraction cut off (33 at x1.25, 43 at x1.6).
int SymbolStripCellWidth(int screenMode);

// Width of one slot of a strip stripWidth pixels wide for a board of side N.
int StripSlotWidth(int stripWidth, int gridSize, int screenMode);

// The value (1..N) whose slot lies under x, or 0 when x is in no slot.
int StripValueAt(int x, int stripWidth, int gridSize, int screenMode);

// Paints the strip on a surface of the given size with the main window's
// colour and font.
void PaintDisplaySetStrip(QPainter& painter, const QSize& size, const TDisplaySet& displaySet,
                          const QFont& windowFont, const QColor& windowColor, int screenMode);

}  // namespace novlet
