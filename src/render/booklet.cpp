// Lays puzzles out on booklet pages and paints them with the grid painter.
#include "render/booklet.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>

#include "engine/board_text.h"
#include "render/grid_painter.h"

namespace novlet {
namespace {

// The grid is drawn as the screen's grid control of this side would show it,
// then scaled to the page, so a booklet looks like the game.
constexpr int kGridControlSide = 245;

int NormalisedPerPage(int perPage) { return perPage == 1 || perPage == 2 || perPage == 6 ? perPage : 4; }

// Columns and rows of the slots on a page.
std::pair<int, int> SlotGrid(int perPage) {
  switch (NormalisedPerPage(perPage)) {
    case 1: return {1, 1};
    case 2: return {1, 2};
    case 6: return {2, 3};
    default: return {2, 2};
  }
}

QRectF PrintableArea(const QRectF& page) {
  const qreal margin = page.width() * 0.07;
  return page.adjusted(margin, margin, -margin, -margin * 1.5);
}

QFont TitleFont(qreal pixelHeight, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(std::max(1, static_cast<int>(pixelHeight)));
  font.setBold(bold);
  return font;
}

void PaintPuzzle(QPainter& painter, const QRectF& slot, const TBookletPuzzle& puzzle, bool solution,
                 const TBookletLayout& layout, const TDisplaySet& displaySet, const TGridLook& look) {
  const qreal titleHeight = std::max<qreal>(slot.height() * 0.06, 1);
  painter.setPen(Qt::black);
  painter.setFont(TitleFont(titleHeight * 0.75, true));
  const QString title = solution ? layout.SolutionWord + QStringLiteral(": ") + puzzle.Name : puzzle.Name;
  const QRectF titleRect(slot.left(), slot.top(), slot.width(), titleHeight);
  painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   QFontMetricsF(painter.font()).elidedText(title, Qt::ElideRight, slot.width() * 0.7));
  painter.setFont(TitleFont(titleHeight * 0.65, false));
  painter.drawText(titleRect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, puzzle.Level);

  const TGeometry& g = puzzle.Geometry;
  TCellTexts givens;
  BoardToTexts(g, puzzle.Givens, givens);
  TCellTexts shown;
  BoardToTexts(g, solution ? puzzle.Solution : puzzle.Givens, shown);
  TGridPaintState state;
  state.OutputCapture = true;
  TGridLook gridLook = look;
  gridLook.Ruler = false;
  gridLook.ScreenMode = 0;
  const TDisplaySet fittedSet = displaySet.ForGridSize(g.GridSize);
  const TGridScene scene{g, puzzle.Solution, givens, shown, fittedSet, gridLook, state};

  const QRectF square = BookletGridSquare(slot, titleHeight);
  const int used = kGridControlSide / g.GridSize * g.GridSize;
  painter.save();
  painter.translate(square.topLeft());
  painter.scale(square.width() / used, square.height() / used);
  TGridPainter(scene).PaintGridShapes(painter, QSize(kGridControlSide, kGridControlSide));
  painter.restore();
}

}  // namespace

int BookletPageCount(int puzzles, const TBookletLayout& layout) {
  const int perPage = NormalisedPerPage(layout.PerPage);
  const int pages = (puzzles + perPage - 1) / perPage;
  return layout.Solutions ? 2 * pages : pages;
}

QRectF BookletSlot(const QRectF& page, int perPage, int slot) {
  const auto [columns, rows] = SlotGrid(perPage);
  const QRectF area = PrintableArea(page);
  const qreal gap = page.width() * 0.05;
  const qreal width = (area.width() - gap * (columns - 1)) / columns;
  const qreal height = (area.height() - gap * (rows - 1)) / rows;
  const int column = slot % columns;
  const int row = slot / columns;
  return QRectF(area.left() + column * (width + gap), area.top() + row * (height + gap), width, height);
}

QRectF BookletGridSquare(const QRectF& slot, qreal titleHeight) {
  const qreal top = slot.top() + titleHeight * 1.3;
  const qreal side = std::max<qreal>(0, std::min(slot.width(), slot.bottom() - top));
  return QRectF(slot.left() + (slot.width() - side) / 2, top, side, side);
}

void PaintBookletPage(QPainter& painter, const QRectF& page, int pageIndex, const std::vector<TBookletPuzzle>& puzzles,
                      const TBookletLayout& layout, const TDisplaySet& displaySet, const TGridLook& look) {
  const int perPage = NormalisedPerPage(layout.PerPage);
  const int puzzlePages = (static_cast<int>(puzzles.size()) + perPage - 1) / perPage;
  const bool solutions = pageIndex >= puzzlePages;
  const int first = (solutions ? pageIndex - puzzlePages : pageIndex) * perPage;
  painter.fillRect(page, Qt::white);
  for (int slot = 0; slot < perPage && first + slot < static_cast<int>(puzzles.size()); ++slot)
    PaintPuzzle(painter, BookletSlot(page, perPage, slot), puzzles[static_cast<std::size_t>(first + slot)], solutions,
                layout, displaySet, look);

  const QRectF area = PrintableArea(page);
  painter.setPen(Qt::black);
  painter.setFont(TitleFont(page.height() * 0.012, false));
  const QRectF footer(area.left(), area.bottom(), area.width(), page.bottom() - area.bottom());
  painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, layout.Footer);
  painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(pageIndex + 1) + QStringLiteral(" / ") +
                       QString::number(BookletPageCount(static_cast<int>(puzzles.size()), layout)));
}

bool PaintBooklet(QPagedPaintDevice& device, const std::vector<TBookletPuzzle>& puzzles,
                  const TBookletLayout& layout, const TDisplaySet& displaySet, const TGridLook& look) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRectF page(0, 0, device.width(), device.height());
  const int pages = BookletPageCount(static_cast<int>(puzzles.size()), layout);
  for (int pageIndex = 0; pageIndex < pages; ++pageIndex) {
    if (pageIndex > 0 && !device.newPage()) return false;
    PaintBookletPage(painter, page, pageIndex, puzzles, layout, displaySet, look);
  }
  return painter.end();
}

}  // namespace novlet
