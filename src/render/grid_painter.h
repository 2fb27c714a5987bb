// Paints a Novlet grid onto a widget, an image, a printer or a PDF.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>

#include <array>
#include <string_view>

#include "engine/board.h"
#include "engine/geometry.h"
#include "render/display_set.h"
#include "render/grid_look.h"

// Draws a Novlet grid cell by cell: each cell is composed in the grid buffer
// and then copied in one block onto the target painter, which may belong to a
// widget, an image or a printer.
namespace novlet {

// Everything one repaint reads. The boards and the display set are referred
// to, not copied, and must outlive the painter.
struct TGridScene {
  const TGeometry& Geometry;
  const TBoard& Solution;
  const TCellTexts& PuzzleTexts;
  const TCellTexts& GridTexts;  // the visible grid's cell texts
  const TDisplaySet& DisplaySet;
  TGridLook Look;
  TGridPaintState State;
};

// The rectangle of grid cell (column, row), both 0-based, in a grid control of
// the given size: columns are width div N wide and rows height div N high.
QRect GridCellRect(int column, int row, int gridSize, const QSize& gridControlSize);

// The cell (0-based column and row) under a point of the grid control, or
// (-1, -1) outside the N x N cells.
QPoint GridCellAt(const QPoint& point, int gridSize, const QSize& gridControlSize);

class TGridPainter {
 public:
  explicit TGridPainter(const TGridScene& scene);

  // Repaints every cell that meets `exposed` (grid control coordinates).
  // gridBuffer is the grid-sized off-screen image (Format_RGB32 is fastest);
  // nothing is drawn while it is null or empty.
  void PaintGrid(QPainter& target, QImage* gridBuffer, const QRect& exposed) const;

  // Paints every cell of a grid control of the given size straight onto the
  // target, with no picture in between: a PDF keeps the lines and symbols as
  // such, sharp at any size.
  void PaintGridShapes(QPainter& target, const QSize& gridControlSize) const;

  // Repaints one cell, given 0-based as the grid control counts, into `rect`.
  // Cells outside N x N are left alone.
  void NovletGridDrawCell(QPainter& target, QImage* gridBuffer, int column, int row, const QRect& rect) const;

 private:
  struct TCellFacts;
  // A value's symbol and its widths in the value and given fonts.
  struct TSymbolText {
    QString Text;
    int ValueWidth = 0;
    int GivenWidth = 0;
    bool Known = false;
  };

  const TSymbolText& Symbol(int value) const;

  void ComposeCell(QPainter& buffer, int column, int row, const QRect& rect) const;
  QColor CellBackground(const TCellFacts& cell, int column, int row) const;
  void DrawBevel(QPainter& buffer, const QRect& rect, int leftEdge, int topEdge) const;
  void DrawIconContent(QPainter& buffer, const QRect& rect, std::string_view text) const;
  void DrawSymbolContent(QPainter& buffer, const QRect& rect, std::string_view text, bool bold) const;
  void DrawSolutionMark(QPainter& buffer, const QRect& rect, const TCellFacts& cell) const;
  void DrawFocusFrame(QPainter& buffer, const QRect& rect, int leftEdge, int topEdge) const;
  void DrawSmallSymbol(QPainter& buffer, int x, int y, const QString& symbol, const QColor& color) const;
  QRect NoteSlot(const QRect& rect, int value) const;

  const TGridScene scene_;
  bool usesIcons_;
  QFont valueFont_;
  QFont givenFont_;
  QFont smallFont_;
  QFontMetrics valueMetrics_;
  QFontMetrics givenMetrics_;
  QFontMetrics smallMetrics_;
  int noteSymbolWidth_;
  // Filled as the cells ask: shaping a text is most of what a repaint costs,
  // and a 16 x 16 grid shows each symbol many times.
  mutable std::array<TSymbolText, kMaxGridSize + 1> symbols_;
};

}  // namespace novlet
