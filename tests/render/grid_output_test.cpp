// The pictures and the text that Print and Clipboard make of a grid.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "engine/board_text.h"
#include "render/grid_output.h"
#include "render_fixture.h"
#include "store/text_puzzles.h"

namespace novlet::test {
namespace {

// The bounds of the dark pixels inside `area`; an empty rectangle for none.
QRect DarkBounds(const QImage& image, const QRect& area) {
  QRect bounds;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(image.pixel(x, y)) < 128) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

TEST(GridOutput, TheClipboardPictureAddsABandWithTheFooterShrunkToFit) {
  const QImage probe(1, 1, QImage::Format_RGB32);
  const int band = 2 * QFontMetrics(OutputFont(kOutputFontPoints), &probe).height();
  for (const int width : {245, 120, 3}) {
    SCOPED_TRACE(width);
    QImage grid(width, 245, QImage::Format_RGB32);
    grid.fill(Qt::blue);
    const QImage picture = ClipboardPicture(grid);
    ASSERT_EQ(picture.size(), QSize(width, 245 + band));
    EXPECT_EQ(picture.pixelColor(0, 244), QColor(Qt::blue));
    if (width < 10) continue;  // no footer fits; the font stops shrinking at one point
    const QRect footer = DarkBounds(picture, QRect(0, 245, width, band));
    ASSERT_FALSE(footer.isEmpty());
    EXPECT_NEAR(footer.center().x(), width / 2, 3);
    // At ten points the footer starts at the top of the band; a smaller font
    // fits the narrow grid and sits lower in the same band.
    if (width == 245)
      EXPECT_LE(footer.top() - 245, band / 4);
    else
      EXPECT_GT(footer.top() - 245, band / 4);
  }
}

TEST(GridOutput, ThePrintedPictureKeepsItsScreenSizeCentredOnThePage) {
  const QSize letterH(40, 60);
  const TPrintedPageLayout layout =
      PrintedPageLayout(QSize(4800, 6400), QSizeF(600, 600), 96, QSize(300, 300), letterH);
  EXPECT_EQ(layout.Picture, QRect(1462, 2262, 1875, 1875));
  EXPECT_EQ(layout.Title, QPoint(80, 120));
  EXPECT_EQ(layout.Footer, QPoint(80, 6400 - 120));

  // A picture larger than the middle of the page shrinks into it, shape kept.
  const TPrintedPageLayout small = PrintedPageLayout(QSize(1000, 2000), QSizeF(600, 600), 96, QSize(392, 196), letterH);
  EXPECT_EQ(small.Picture, QRect(100, 800, 800, 400));
}

TEST(GridOutput, PaperGetsTheGridAsTextAndLinesNotAPicture) {
  TBoardUnderTest board;
  for (int c = 1; c <= 9; ++c) board.Give(c, c);
  board.State.OutputCapture = true;
  TRecordingPage page(QSize(4800, 6400), 600);
  QPainter painter(&page);
  const TGridScene scene = board.Scene();
  DrawPrintedPage(painter, "tester@Sunday", &scene, QSize(245, 245), 96);
  painter.end();
  for (int c = 1; c <= 9; ++c)
    EXPECT_TRUE(page.Texts.contains(QString::number(board.Solution.at(c, c)))) << "the given in column " << c;
  EXPECT_TRUE(page.Texts.contains("tester@Sunday"));
  EXPECT_TRUE(page.Pictures.empty()) << "no picture stretched to the paper";
}

TEST(GridOutput, ThePuzzleTextReadsBackAsTheSameGivens) {
  for (const auto& [boxWidth, boxHeight] : {std::pair{3, 3}, std::pair{4, 4}, std::pair{3, 2}}) {
    TBoardUnderTest board(boxWidth, boxHeight);
    const int n = board.Geometry.GridSize;
    for (int i = 0; i < n * n; i += 3) board.Give(i % n + 1, i / n + 1);
    const std::string text = PuzzleTextRows(board.Geometry, board.PuzzleTexts);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), n);
    const std::vector<TTextPuzzle> read = ReadTextPuzzles(text, board.Geometry);
    ASSERT_EQ(read.size(), 1u) << text;
    TBoard givens;
    TextsToBoard(board.Geometry, board.PuzzleTexts, givens);
    EXPECT_EQ(read[0].Givens, givens) << text;
  }
}

}  // namespace
}  // namespace novlet::test
