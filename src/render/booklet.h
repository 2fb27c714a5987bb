// Booklets of puzzles to print: several puzzles a page, each with its name
// and level, and their solutions on the last pages.
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
  bool Solutions = false;
  // The word before a puzzle's name on the solution pages.
  QString SolutionWord = QStringLiteral("Solution");
  QString Footer = QStringLiteral("Generated with Corvex Novlet 1.0 release 5");
};

// The pages the booklet takes.
int BookletPageCount(int puzzles, const TBookletLayout& layout);

// Where puzzle `slot` (from 0) of a page stands, title and grid together.
QRectF BookletSlot(const QRectF& page, int perPage, int slot);
// The square of the grid within a slot, under its title line.
QRectF BookletGridSquare(const QRectF& slot, qreal titleHeight);

// Paints page `pageIndex` (from 0) of the booklet within `page`, in the
// painter's coordinates.
void PaintBookletPage(QPainter& painter, const QRectF& page, int pageIndex, const std::vector<TBookletPuzzle>& puzzles,
                      const TBookletLayout& layout, const TDisplaySet& displaySet, const TGridLook& look);

// Paints every page on a printer or a PDF writer; false when the device
// refuses to be painted on (a file that cannot be written).
bool PaintBooklet(QPagedPaintDevice& device, const std::vector<TBookletPuzzle>& puzzles,
                  const TBookletLayout& layout, const TDisplaySet& displaySet, const TGridLook& look);

}  // namespace novlet
