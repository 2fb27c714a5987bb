// Lays puzzles and their answer key out on booklet pages and paints them with the grid painter.
#include "render/booklet.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>

#include "engine/board_text.h"
#include "render/grid_painter.h"

namespace novlet {
namespace {

// The grid is painted as a grid control whose cells have the size the screen
// gives them (the 9 x 9 control's for small boards, the 16 x 16 one's for
// wide ones), then scaled to its square: the digits grow with the cells, so a
// 4 x 4 board does not print small digits in large cells.
constexpr int kSmallBoardCell = 245 / 9;
constexpr int kWideBoardCell = 245 / 16;

int NormalisedPerPage(int perPage) { return perPage == 1 || perPage == 2 || perPage == 6 ? perPage : 4; }

int AnswersPerPage(const std::vector<TBookletPuzzle>& puzzles) {
  const bool wide = std::any_of(puzzles.begin(), puzzles.end(),
                                [](const TBookletPuzzle& puzzle) { return puzzle.Geometry.GridSize > 9; });
  return wide ? 4 : 9;
}

// Columns and rows of the slots on a page.
std::pair<int, int> SlotGrid(int perPage) {
  switch (perPage) {
    case 1: return {1, 1};
    case 2: return {1, 2};
    case 6: return {2, 3};
    case 9: return {3, 3};
    default: return {2, 2};
  }
}

QRectF PrintableArea(const QRectF& page) {
  const qreal margin = page.width() * 0.07;
  return page.adjusted(margin, margin, -margin, -margin * 1.5);
}

// The band above the slots that holds the booklet's title or the answer
// key's heading.
qreal HeadingHeight(const QRectF& page) { return page.height() * 0.05; }

QFont TextFont(qreal pixelHeight, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(std::max(1, static_cast<int>(pixelHeight)));
  font.setBold(bold);
  return font;
}

struct TPagePlan {
  bool Answers = false;
  int First = 0;
  int PerPage = 4;
};

TPagePlan PlanOf(int pageIndex, const std::vector<TBookletPuzzle>& puzzles, const TBookletLayout& layout) {
  const TBookletPages pages = CountBookletPages(puzzles, layout);
  TPagePlan plan;
  plan.Answers = pageIndex >= pages.Puzzles;
  plan.PerPage = plan.Answers ? AnswersPerPage(puzzles) : NormalisedPerPage(layout.PerPage);
  plan.First = (plan.Answers ? pageIndex - pages.Puzzles : pageIndex) * plan.PerPage;
  return plan;
}

QString Heading(int pageIndex, const TPagePlan& plan, const TBookletLayout& layout) {
  if (plan.Answers) return layout.SolutionWord;
  return pageIndex == 0 ? layout.Title : QString();
}

void PaintGrid(QPainter& painter, const QRectF& square, const TBookletPuzzle& puzzle, bool answer,
               const TDisplaySet& displaySet, const TGridLook& look) {
  const TGeometry& g = puzzle.Geometry;
  TCellTexts givens;
  BoardToTexts(g, puzzle.Givens, givens);
  TCellTexts shown;
  BoardToTexts(g, answer ? puzzle.Solution : puzzle.Givens, shown);
  TGridPaintState state;
  state.OutputCapture = true;
  TGridLook gridLook = look;
  gridLook.Ruler = false;
  gridLook.ScreenMode = 0;
  const TDisplaySet fittedSet = displaySet.ForGridSize(g.GridSize);
  const TGridScene scene{g, puzzle.Solution, givens, shown, fittedSet, gridLook, state};

  const int side = (g.GridSize > 9 ? kWideBoardCell : kSmallBoardCell) * g.GridSize;
  painter.save();
  painter.translate(square.topLeft());
  painter.scale(square.width() / side, square.height() / side);
  TGridPainter(scene).PaintGridShapes(painter, QSize(side, side));
  painter.restore();
}

// "7" in bold, then the name shortened to what is left beside the level.
void PaintNumberLine(QPainter& painter, const QRectF& line, int number, const TBookletPuzzle& puzzle, bool answer) {
  const QString numberText = QString::number(number);
  painter.setPen(Qt::black);
  painter.setFont(TextFont(line.height() * 0.75, true));
  painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, numberText);
  if (answer) return;
  const qreal nameLeft = line.left() + QFontMetricsF(painter.font()).horizontalAdvance(numberText + QStringLiteral("  "));
  painter.setFont(TextFont(line.height() * 0.65, false));
  const QFontMetricsF metrics(painter.font());
  const qreal levelWidth = metrics.horizontalAdvance(puzzle.Level);
  painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, puzzle.Level);
  const QRectF nameRect(nameLeft, line.top(), std::max<qreal>(0, line.right() - levelWidth - line.height() - nameLeft),
                        line.height());
  painter.drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   metrics.elidedText(puzzle.Name, Qt::ElideRight, nameRect.width()));
}

}  // namespace

TBookletPages CountBookletPages(const std::vector<TBookletPuzzle>& puzzles, const TBookletLayout& layout) {
  const int count = static_cast<int>(puzzles.size());
  const int perPage = NormalisedPerPage(layout.PerPage);
  const int answersPerPage = AnswersPerPage(puzzles);
  TBookletPages pages;
  pages.Puzzles = (count + perPage - 1) / perPage;
  if (layout.Solutions) pages.Answers = (count + answersPerPage - 1) / answersPerPage;
  return pages;
}

std::vector<TBookletSlot> BookletPageSlots(const QRectF& page, int pageIndex,
                                           const std::vector<TBookletPuzzle>& puzzles, const TBookletLayout& layout) {
  const TPagePlan plan = PlanOf(pageIndex, puzzles, layout);
  QRectF area = PrintableArea(page);
  if (!Heading(pageIndex, plan, layout).isEmpty()) area.setTop(area.top() + HeadingHeight(page) * 1.4);
  const auto [columns, rows] = SlotGrid(plan.PerPage);
  const qreal gap = page.width() * (plan.Answers ? 0.03 : 0.05);
  const qreal width = (area.width() - gap * (columns - 1)) / columns;
  const qreal height = (area.height() - gap * (rows - 1)) / rows;
  std::vector<TBookletSlot> pageSlots;
  for (int slot = 0; slot < plan.PerPage && plan.First + slot < static_cast<int>(puzzles.size()); ++slot) {
    const int column = slot % columns;
    const int row = slot / columns;
    TBookletSlot placed;
    placed.Puzzle = plan.First + slot;
    placed.Area = QRectF(area.left() + column * (width + gap), area.top() + row * (height + gap), width, height);
    const qreal lineHeight = std::max<qreal>(std::min(height * 0.06, page.height() * 0.025), 1);
    const QRectF below = placed.Area.adjusted(0, lineHeight * 1.3, 0, 0);
    const qreal side = std::max<qreal>(0, std::min(below.width(), below.height()));
    placed.Grid = QRectF(below.left() + (below.width() - side) / 2, below.top() + (below.height() - side) / 2, side, side);
    placed.NumberLine = QRectF(placed.Grid.left(), placed.Grid.top() - lineHeight * 1.3, side, lineHeight);
    pageSlots.push_back(placed);
  }
  return pageSlots;
}

void PaintBookletPage(QPainter& painter, const QRectF& page, int pageIndex, const std::vector<TBookletPuzzle>& puzzles,
                      const TBookletLayout& layout, const TDisplaySet& displaySet, const TGridLook& look) {
  const TPagePlan plan = PlanOf(pageIndex, puzzles, layout);
  painter.fillRect(page, Qt::white);
  const QRectF area = PrintableArea(page);
  if (const QString heading = Heading(pageIndex, plan, layout); !heading.isEmpty()) {
    painter.setPen(Qt::black);
    painter.setFont(TextFont(HeadingHeight(page) * 0.7, true));
    const QRectF band(area.left(), area.top(), area.width(), HeadingHeight(page));
    painter.drawText(band, Qt::AlignCenter | Qt::TextSingleLine,
                     QFontMetricsF(painter.font()).elidedText(heading, Qt::ElideRight, band.width()));
  }
  for (const TBookletSlot& slot : BookletPageSlots(page, pageIndex, puzzles, layout)) {
    const TBookletPuzzle& puzzle = puzzles[static_cast<std::size_t>(slot.Puzzle)];
    PaintNumberLine(painter, slot.NumberLine, slot.Puzzle + 1, puzzle, plan.Answers);
    PaintGrid(painter, slot.Grid, puzzle, plan.Answers, displaySet, look);
  }

  painter.setPen(Qt::black);
  painter.setFont(TextFont(page.height() * 0.012, false));
  const QRectF footer(area.left(), area.bottom(), area.width(), page.bottom() - area.bottom());
  painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, layout.Footer);
  painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(pageIndex + 1) + QStringLiteral(" / ") +
                       QString::number(CountBookletPages(puzzles, layout).Total()));
}

bool PaintBooklet(QPagedPaintDevice& device, const std::vector<TBookletPuzzle>& puzzles,
                  const TBookletLayout& layout, const TDisplaySet& displaySet, const TGridLook& look) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRectF page(0, 0, device.width(), device.height());
  const int pages = CountBookletPages(puzzles, layout).Total();
  for (int pageIndex = 0; pageIndex < pages; ++pageIndex) {
    if (pageIndex > 0 && !device.newPage()) return false;
    PaintBookletPage(painter, page, pageIndex, puzzles, layout, displaySet, look);
  }
  return painter.end();
}

}  // namespace novlet
