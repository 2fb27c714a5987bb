// Booklet pages: every puzzle's grid in its slot, the solutions after them.
#include "render/booklet.h"

#include <gtest/gtest.h>

#include "render/render_fixture.h"

namespace novlet::test {
namespace {

std::vector<TBookletPuzzle> Puzzles(int count) {
  TBoardUnderTest board;
  std::vector<TBookletPuzzle> puzzles;
  for (int i = 0; i < count; ++i) {
    TBookletPuzzle puzzle{QString::number(i + 1), QStringLiteral("Normal"), board.Geometry, board.Solution, {}};
    // Puzzle i has i + 1 givens, so each page slot shows which it holds.
    for (int c = 1; c <= i + 1; ++c) puzzle.Givens.at(c, 1) = board.Solution.at(c, 1);
    puzzles.push_back(puzzle);
  }
  return puzzles;
}

QImage RenderPage(int pageIndex, const std::vector<TBookletPuzzle>& puzzles, const TBookletLayout& layout) {
  QImage page(620, 877, QImage::Format_RGB32);
  page.fill(Qt::magenta);
  QPainter painter(&page);
  PaintBookletPage(painter, QRectF(page.rect()), pageIndex, puzzles, layout, TDisplaySet(), TGridLook());
  return page;
}

TEST(Booklet, EachGridStandsInItsSlotWithItsTitleAndTheSolutionsFollow) {
  const std::vector<TBookletPuzzle> puzzles = Puzzles(5);
  TBookletLayout layout;
  layout.PerPage = 4;
  layout.Solutions = true;
  EXPECT_EQ(BookletPageCount(5, layout), 4);
  const QImage first = RenderPage(0, puzzles, layout);
  const QRectF page(first.rect());
  // Reading order: left to right, then down.
  EXPECT_GT(BookletSlot(page, 4, 1).left(), BookletSlot(page, 4, 0).right());
  EXPECT_EQ(BookletSlot(page, 4, 1).top(), BookletSlot(page, 4, 0).top());
  EXPECT_GT(BookletSlot(page, 4, 2).top(), BookletSlot(page, 4, 0).bottom());
  const QColor ink = TGridLook().FontColor;
  int previousInk = 0;
  for (int slot = 0; slot < 4; ++slot) {
    const QRectF area = BookletSlot(page, 4, slot);
    const QRect square = BookletGridSquare(area, std::max<qreal>(area.height() * 0.06, 1)).toRect();
    // The grid's frame along its top, nothing left unpainted inside, white around.
    EXPECT_GT(CountPixels(first, QRect(square.left(), square.top(), square.width(), 2), Qt::black, 80),
              square.width() * 0.9)
        << slot;
    EXPECT_EQ(CountPixels(first, square.adjusted(square.width() / 2, 4, -4, -square.height() / 2), Qt::magenta, 0), 0);
    EXPECT_EQ(first.pixelColor(square.topLeft() - QPoint(4, 0)), QColor(Qt::white)) << slot;
    // The title line above the grid carries ink.
    const QRect title(area.toRect().left(), area.toRect().top(), area.toRect().width(), square.top() - area.top());
    EXPECT_GT(CountPixels(first, title, Qt::black, 60), 10) << slot;
    const int inkHere = CountPixels(first, square, ink, 60);
    EXPECT_GT(inkHere, previousInk) << "puzzles in reading order, slot " << slot;
    previousInk = inkHere;
  }
  // Page 2 holds one puzzle; page 3 starts the solutions, where every cell
  // holds a value, so the grid carries far more ink.
  const QImage second = RenderPage(1, puzzles, layout);
  const QImage solutions = RenderPage(2, puzzles, layout);
  const QRect square = BookletGridSquare(BookletSlot(page, 4, 0), BookletSlot(page, 4, 0).height() * 0.06).toRect();
  const QRect secondSlot = BookletSlot(page, 4, 1).toRect();
  EXPECT_EQ(CountPixels(second, secondSlot, Qt::white, 0), secondSlot.width() * secondSlot.height());
  EXPECT_GT(CountPixels(solutions, square, ink, 60), 4 * CountPixels(second, square, ink, 60));
}

TEST(Booklet, EveryValueOfWideBoardsReachesThePaper) {
  for (const auto& [width, height] : {std::pair{4, 4}, std::pair{4, 3}}) {
    const TBoardUnderTest board(width, height);
    const int n = board.Geometry.GridSize;
    const std::vector<TBookletPuzzle> puzzles{{"wide", "Expert", board.Geometry, board.Solution, board.Solution}};
    TBookletLayout layout;
    layout.PerPage = 1;
    TRecordingPage page;
    QPainter painter(&page);
    // The window's display set was applied for a 9 x 9 board.
    PaintBookletPage(painter, QRectF(0, 0, 620, 877), 0, puzzles, layout, TDisplaySet(), TGridLook());
    painter.end();
    for (int value = 1; value <= n; ++value)
      EXPECT_EQ(page.Texts.count(kWideAlphabet.mid(value - 1, 1)), n) << n << " x " << n << ", value " << value;
  }
}

}  // namespace
}  // namespace novlet::test
