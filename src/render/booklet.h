// Booklets of puzzles to print, as puzzle books have them: numbered puzzles
// with their names and levels, a title, and an answer key at the back.
#pragma once

#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <vector>

#include "engine/board.h"
#include "engine/geometry.h"
#include "render/display_set.h"
#include "render/grid_look.h"

namespace novlet {

struct TBookletPuzzle {
  QString Name;
  QString Level;  // the level's name, as the level list shows it
  TGeometry Geometry;
  TBoard Solution;
  TBoard Givens;
};

struct TBookletLayout {
  // Puzzles a page: 1, 2, 4 or 6 (anything else counts as 4).
  int PerPage = 4;
  // The answer key at the back: small solutions, several a page.
  bool Solutions = false;
  // Printed on the first page above the first puzzles; none when empty.
  QString Title;
  // The heading of the answer key's pages.
  QString SolutionWord = QStringLiteral("Solution");
  QString Footer = QStringLiteral("Generated with Corvex Novlet 1.0 release 5");
};

// What a booklet takes: the puzzle pages, then the answer key's pages (9
// solutions a page when every board is 9 x 9 or smaller, 4 otherwise).
struct TBookletPages {
  int Puzzles = 0;
  int Answers = 0;
  int Total() const { return Puzzles + Answers; }
};
TBookletPages CountBookletPages(const std::vector<TBookletPuzzle>& puzzles, const TBookletLayout& layout);

// One puzzle's place on a page: its number line and its grid.
struct TBookletSlot {
  int Puzzle = 0;  // index into the booklet's puzzles
  QRectF Area;        // number line and grid together
  QRectF Grid;        // the grid's square, centred in what the number line leaves
  QRectF NumberLine;  // just above the grid, as wide as it
};
// The slots of page `pageIndex` (from 0) within `page`, in reading order.
std::vector<TBookletSlot> BookletPageSlots(const QRectF& page, int pageIndex,
                                           const std::vector<TBookletPuzzle>& puzzles, const TBookletLayout& layout);

// Paints page `pageIndex` of the booklet within `page`, in the painter's
// coordinates, with the grid painter: lines and symbols at the device's
// resolution, digits sized to the cells.
void PaintBookletPage(QPainter& painter, const QRectF& page, int pageIndex, const std::vector<TBookletPuzzle>& puzzles,
                      const TBookletLayout& layout, const TDisplaySet& displaySet, const TGridLook& look);

// Paints every page on a printer or a PDF writer; false when the device
// refuses to be painted on (a file that cannot be written).
bool PaintBooklet(QPagedPaintDevice& device, const std::vector<TBookletPuzzle>& puzzles,
                  const TBookletLayout& layout, const TDisplaySet& displaySet, const TGridLook& look);

}  // namespace novlet
