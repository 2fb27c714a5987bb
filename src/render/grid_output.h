// Pictures of a grid for paper and the clipboard, and the puzzle's text form,
// drawn with the grid painter rather than taken from the screen.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <string>

#include "engine/board.h"
#include "engine/geometry.h"
#include "render/grid_painter.h"

namespace novlet {

inline const QString kOutputFooter = QStringLiteral("Generated with Corvex Novlet 1.0 release 5");
// The print job's title in the printer's queue.
inline const QString kPrintJobTitle = QStringLiteral("Corvex Novlet");
inline constexpr int kOutputFontPoints = 10;
// The clipboard footer shrinks to fit a narrow grid, but never below this.
inline constexpr int kSmallestFooterPoints = 1;

// The face of titles and footers: the window caption's Arial, regular.
QFont OutputFont(int points);

// The grid as output shows it (the scene's state should have OutputCapture
// set: no ruler, no focus frame, no pause cover), at the grid control's size.
// Whatever lies beyond the N x N cells is white.
QImage GridPicture(const TGridScene& scene, const QSize& gridControlSize);

// The clipboard picture: the grid with a white band below it twice as high as
// "H" in the 10-point footer font, and the footer centred in the band, its
// font shrunk a point at a time while it is wider than the picture.
QImage ClipboardPicture(const QImage& grid);

// Where a printed page puts its parts, in printer pixels.
struct TPrintedPageLayout {
  QPoint Title;   // top left corner of the title text
  QPoint Footer;  // top left corner of the footer text
  QRect Picture;  // where the grid picture is stretched to
};

// The layout on a page of pageSize printer pixels: title and footer two
// letters "H" in from the left, two "H" heights from the top and bottom; the
// picture centred at the physical size it has on a screen of screenDpi
// (logical pixels, so a high-density screen does not print it larger), and
// shrunk, keeping its shape, only where it would leave the page's middle
// nine tenths.
TPrintedPageLayout PrintedPageLayout(const QSize& pageSize, const QSizeF& printerDpi, double screenDpi,
                                     const QSize& picture, const QSize& letterH);

// Draws title, grid and footer with a painter begun on a printer (or any
// device of one page), in black on white. The grid is painted straight onto
// the device at its resolution (lines and symbols stay sharp), laid out as a
// picture of the grid control's size would be; no scene prints title and
// footer alone.
void DrawPrintedPage(QPainter& painter, const QString& title, const TGridScene* scene, const QSize& gridControlSize,
                     double screenDpi);

// The puzzle as plain text: N lines of N symbols ("1".."9", "A".."G" for
// 10..16), "." for a cell without a given; what the text import reads back.
std::string PuzzleTextRows(const TGeometry& g, const TCellTexts& givens);

}  // namespace novlet
