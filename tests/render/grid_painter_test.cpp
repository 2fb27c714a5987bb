// The grid painter: backgrounds, ruler, errors, solution overlay, pause, frames and notes, on screen and paper.
#include "render/grid_painter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "render/render_fixture.h"

namespace novlet::test {
namespace {

const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kPausedText(0xCB, 0xCB, 0xCB);

// The part of a cell that holds its value, clear of the corner marks.
QRect ValueArea(const QRect& cell) { return cell.adjusted(9, 8, -4, -4); }

// The part of a cell where the solution overlay puts its small mark.
QRect CornerMarkArea(const QRect& cell) { return QRect(cell.left() + 2, cell.top() + 2, 7, 9); }

TEST(GridPainter, CheckerboardShowsCornerAndCentreBoxesInTheBackgroundColourAndContrastPuzzleOnlyTheGivens) {
  TBoardUnderTest board;
  const QImage image = board.Render();
  for (int by = 1; by <= 3; ++by) {
    for (int bx = 1; bx <= 3; ++bx) {
      const QColor expected = (bx + by) % 2 == 0 ? board.Look.BackgroundColor : board.Look.ContrastColor;
      EXPECT_EQ(CellBackgroundAt(image, board.Cell(bx * 3 - 1, by * 3 - 1)), expected) << bx << "," << by;
    }
  }
  board.Look.ContrastPuzzle = true;
  board.Give(2, 2);
  board.GridTexts.at(5, 5) = std::to_string(board.Solution.at(5, 5));  // an entry, not a given
  const QImage contrast = board.Render();
  EXPECT_EQ(CellBackgroundAt(contrast, board.Cell(2, 2)), board.Look.ContrastColor);
  EXPECT_EQ(CellBackgroundAt(contrast, board.Cell(5, 5)), board.Look.BackgroundColor);
  EXPECT_EQ(CellBackgroundAt(contrast, board.Cell(4, 1)), board.Look.BackgroundColor);
}

TEST(GridPainter, RulerCoversRowColumnAndBoxOfTheCurrentCellAndYieldsToTheHighlight) {
  TBoardUnderTest board;
  board.Look.Ruler = true;
  board.State.CurrentColumn = 4;
  board.State.CurrentRow = 4;
  const int highlighted = board.Solution.at(5, 2);
  board.GridTexts.at(5, 2) = std::to_string(highlighted);
  board.State.HighlightValue = highlighted;
  const QImage image = board.Render();
  EXPECT_EQ(CellBackgroundAt(image, board.Cell(1, 5)), board.Look.RulerColor);
  EXPECT_EQ(CellBackgroundAt(image, board.Cell(9, 5)), board.Look.RulerColor);
  EXPECT_EQ(CellBackgroundAt(image, board.Cell(5, 9)), board.Look.RulerColor);
  EXPECT_EQ(CellBackgroundAt(image, board.Cell(4, 6)), board.Look.RulerColor);
  EXPECT_EQ(CellBackgroundAt(image, board.Cell(5, 2)), kYellow);
  EXPECT_EQ(CellBackgroundAt(image, board.Cell(4, 3)), board.Look.ContrastColor);
  EXPECT_EQ(CellBackgroundAt(image, board.Cell(1, 1)), board.Look.BackgroundColor);

  board.State.Paused = true;
  board.State.OutputCapture = true;
  EXPECT_EQ(CellBackgroundAt(board.Render(), board.Cell(1, 5)), board.Look.ContrastColor)
      << "output shows no ruler";
}

TEST(GridPainter, ErrorsShowWhiteOnRedButNeverOnNotes) {
  TBoardUnderTest board;
  board.GridTexts.at(2, 1) = std::to_string(board.WrongValue(2, 1));
  board.GridTexts.at(3, 1) = std::to_string(board.WrongValue(3, 1)) + ",";
  board.GridTexts.at(4, 1) = std::to_string(board.Solution.at(4, 1));

  const QImage hidden = board.Render();
  EXPECT_EQ(CellBackgroundAt(hidden, board.Cell(2, 1)), board.Look.BackgroundColor);

  board.State.ShowErrors = true;
  const QImage shown = board.Render();
  EXPECT_EQ(CellBackgroundAt(shown, board.Cell(2, 1)), kRed);
  EXPECT_GT(CountPixels(shown, ValueArea(board.Cell(2, 1)), kWhite, 40), 10);
  EXPECT_EQ(CellBackgroundAt(shown, board.Cell(3, 1)), board.Look.BackgroundColor);
  EXPECT_EQ(CellBackgroundAt(shown, board.Cell(4, 1)), board.Look.ContrastColor);
}

TEST(GridPainter, SolutionOverlayShowsTheSolutionWithTheSmallRedMark) {
  TBoardUnderTest board;
  board.State.CurrentColumn = 8;
  board.State.CurrentRow = 8;
  // (7, 2) holds the same solution value as (1, 1), on the same background,
  // so a right entry there shows what (1, 1) must show.
  ASSERT_EQ(board.Solution.at(1, 1), board.Solution.at(7, 2));
  board.GridTexts.at(7, 2) = std::to_string(board.Solution.at(7, 2));
  board.GridTexts.at(1, 1) = std::to_string(board.WrongValue(1, 1));
  board.GridTexts.at(3, 3) = "1,2,";
  board.State.SolutionShown = true;
  const QImage image = board.Render();

  const QRect wrong = board.Cell(1, 1);
  const QRect right = board.Cell(7, 2);
  EXPECT_GT(CountPixels(image, CornerMarkArea(wrong), kRed, 60), 3) << "the wrong symbol, small and red";
  EXPECT_GT(CountPixels(image, CornerMarkArea(board.Cell(2, 1)), kRed, 60), 3) << "a question mark on an empty cell";
  EXPECT_GT(CountPixels(image, CornerMarkArea(board.Cell(3, 3)), kRed, 60), 3) << "a question mark on notes";
  EXPECT_EQ(CountPixels(image, CornerMarkArea(right), kRed, 60), 0) << "a right entry has no mark";
  EXPECT_EQ(CellBackgroundAt(image, wrong), board.Look.BackgroundColor) << "no error colour with symbols";
  EXPECT_EQ(image.copy(ValueArea(wrong)), image.copy(ValueArea(right))) << "the solution's symbol replaces the entry";
}

TEST(GridPainter, PauseGreysTheSymbolsOnSilverWithoutFocusFrame) {
  TBoardUnderTest board;
  board.Give(1, 1);
  board.State.Paused = true;
  const QImage image = board.Render();
  const QRect cell = board.Cell(1, 1);
  EXPECT_EQ(CellBackgroundAt(image, cell), kSilver);
  EXPECT_GT(CountPixels(image, ValueArea(cell), kPausedText, 6), 10);
  EXPECT_EQ(CountPixels(image, ValueArea(cell), board.Look.FontColor, 30), 0);
  EXPECT_EQ(image.pixelColor(cell.left() + 2, cell.top() + 8), kSilver) << "no focus frame while paused";

  board.State.OutputCapture = true;
  const QImage output = board.Render();
  EXPECT_EQ(CellBackgroundAt(output, cell), board.Look.BackgroundColor) << "output shows the board uncovered";
  EXPECT_GT(CountPixels(output, ValueArea(cell), board.Look.FontColor, 30), 10);
}

TEST(GridPainter, IconsArePaintedCoveredWithSilverInPauseAndMarkedInTheSolutionOverlay) {
  QTemporaryDir folder;
  WriteIconSet(folder.filePath("Squares"));
  TBoardUnderTest board;
  board.DisplaySet.Apply(3, "Squares", 9, folder.path());
  ASSERT_TRUE(board.DisplaySet.UsesIcons());
  board.Give(1, 1);
  board.GridTexts.at(2, 1) = "1,2,";
  const QRect cell = board.Cell(1, 1);

  const QImage playing = board.Render();
  EXPECT_EQ(playing.pixelColor(cell.center()), board.DisplaySet.LargeIcon(board.Solution.at(1, 1))->pixelColor(16, 16));

  board.State.Paused = true;
  const QImage paused = board.Render();
  const QRect notes = board.Cell(2, 1);
  for (const QRect& covered : {cell.adjusted(1, 1, -1, -1), notes.adjusted(1, 1, -1, -1)}) {
    EXPECT_EQ(CountPixels(paused, covered, kSilver, 0), covered.width() * covered.height());
  }
  EXPECT_EQ(CountPixels(paused, QRect(notes.left(), notes.top(), notes.width(), 1), Qt::black, 0), notes.width())
      << "note icons keep off the box border";

  board = TBoardUnderTest();
  board.State.CurrentColumn = 8;
  board.State.CurrentRow = 8;
  board.DisplaySet.Apply(3, "Squares", 9, folder.path());
  board.GridTexts.at(1, 1) = std::to_string(board.WrongValue(1, 1));
  board.GridTexts.at(3, 3) = "9,";
  board.State.SolutionShown = true;
  const QImage image = board.Render();

  const QRect wrong = board.Cell(1, 1);
  const QRect empty = board.Cell(2, 1);
  const QRect noted = board.Cell(3, 3);
  EXPECT_EQ(CellBackgroundAt(image, wrong), kRed) << "with icons the game's end shows the errors";
  // The small icon's square covers pixels 4..11 of the cell, the centred large
  // icon's square pixels 6..21: pixel 5 shows the mark alone.
  EXPECT_EQ(image.pixelColor(wrong.left() + 5, wrong.top() + 5), IconColour(board.WrongValue(1, 1)));
  EXPECT_EQ(image.pixelColor(empty.left() + 5, empty.top() + 5), IconColour(0));
  EXPECT_EQ(image.pixelColor(noted.left() + 5, noted.top() + 5), board.Look.BackgroundColor) << "notes get no mark";
  EXPECT_EQ(image.pixelColor(wrong.center()), IconColour(board.Solution.at(1, 1)));
  EXPECT_EQ(image.pixelColor(empty.center()), IconColour(board.Solution.at(2, 1)));
  EXPECT_EQ(image.pixelColor(noted.center()), IconColour(board.Solution.at(3, 3)));
}

TEST(GridPainter, BoxBordersAreTwoPixelsCellLinesOneAndTheFocusFrameInvertsTheCurrentCell) {
  TBoardUnderTest board;
  board.State.CurrentColumn = 1;
  board.State.CurrentRow = 1;
  const QImage image = board.Render();
  const int y = board.Cell(1, 2).center().y();
  const int boxEdge = board.Cell(4, 2).left();
  EXPECT_EQ(image.pixelColor(boxEdge - 1, y), Qt::black);
  EXPECT_EQ(image.pixelColor(boxEdge, y), Qt::black);
  EXPECT_NE(image.pixelColor(boxEdge + 1, y), Qt::black);
  const int cellEdge = board.Cell(3, 2).left();
  EXPECT_EQ(image.pixelColor(cellEdge - 1, y), Qt::black);
  EXPECT_NE(image.pixelColor(cellEdge, y), Qt::black);
  EXPECT_NE(image.pixelColor(cellEdge - 2, y), Qt::black);

  const QRect cell = board.Cell(2, 2);
  EXPECT_EQ(image.pixelColor(cell.left() + 1, cell.top() + 5), Qt::black);
  EXPECT_EQ(image.pixelColor(cell.left() + 2, cell.top() + 5), board.Look.BackgroundColor);
  EXPECT_EQ(image.pixelColor(board.Cell(3, 2).left() + 1, cell.top() + 5), board.Look.BackgroundColor);
}

TEST(GridPainter, NotesOfAWideBoardSitInTheirMiniGridSlots) {
  TBoardUnderTest board(4, 4);
  const int side = 16 * 36;  // cells large enough for slots wider than a symbol
  board.GridTexts.at(1, 1) = "12,3,";
  const QImage image = board.Render(side);
  const QRect cell = board.Cell(1, 1, side);
  const int slotWidth = cell.width() / 4 - 1;
  const int slotHeight = cell.height() / 4 - 1;
  auto slot = [&](int column, int row) {
    return QRect(cell.left() + column * slotWidth + 1, cell.top() + row * slotHeight, slotWidth, slotHeight);
  };
  const QColor ink = board.Look.FontColor;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      const bool noted = (column == 3 && row == 2) || (column == 2 && row == 0);
      EXPECT_EQ(CountPixels(image, slot(column, row).adjusted(1, 1, -1, -1), ink, 60) > 0, noted)
          << "slot " << column << "," << row;
    }
  }
}

TEST(GridPainter, CellsOutsideTheBoardAndAMissingBufferDrawNothingAndPointsMapToCells) {
  TBoardUnderTest board;
  QImage target(245, 245, QImage::Format_RGB32);
  target.fill(Qt::magenta);
  QImage buffer(245, 245, QImage::Format_RGB32);
  {
    QPainter painter(&target);
    const TGridPainter painterUnderTest(board.Scene());
    painterUnderTest.NovletGridDrawCell(painter, &buffer, 9, 0, QRect(243, 0, 27, 27));
    painterUnderTest.PaintGrid(painter, nullptr, target.rect());
    QImage empty;
    painterUnderTest.PaintGrid(painter, &empty, target.rect());
  }
  EXPECT_EQ(CountPixels(target, target.rect(), Qt::magenta, 0), 245 * 245);

  EXPECT_EQ(GridCellRect(2, 1, 9, QSize(245, 245)), QRect(54, 27, 27, 27));
  EXPECT_EQ(GridCellAt(QPoint(54, 27), 9, QSize(245, 245)), QPoint(2, 1));
  EXPECT_EQ(GridCellAt(QPoint(244, 0), 9, QSize(245, 245)), QPoint(-1, -1)) << "the margin past N x N";
  EXPECT_EQ(GridCellAt(QPoint(-1, 3), 9, QSize(245, 245)), QPoint(-1, -1));
}

TEST(GridPainter, DrawsOnScaledAndPrinterPainters) {
  TBoardUnderTest board;
  board.Give(1, 1);
  board.Look.Ruler = true;
  const QImage screen = board.Render();
  const TGridPainter painterUnderTest(board.Scene());
  QImage buffer(245, 245, QImage::Format_RGB32);

  QImage doubled(490, 490, QImage::Format_RGB32);
  {
    QPainter painter(&doubled);
    painter.scale(2, 2);
    painterUnderTest.PaintGrid(painter, &buffer, QRect(0, 0, 245, 245));
  }
  for (const QPoint& point : {QPoint(3, 3), board.Cell(5, 4).center(), board.Cell(9, 9).topLeft()}) {
    EXPECT_EQ(doubled.pixelColor(point * 2), screen.pixelColor(point));
  }

  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    QPainter painter(&writer);
    painterUnderTest.PaintGrid(painter, &buffer, QRect(0, 0, 245, 245));
  }
  EXPECT_GT(pdf.size(), 1000);
}

}  // namespace
}  // namespace novlet::test
