// Pictures of a grid for paper and the clipboard, and the puzzle's text form.
#include "render/grid_output.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

#include "engine/board_text.h"
#include "store/text_puzzles.h"

namespace novlet {
namespace {

// Rounds to the nearest integer, halves to even, as the page layout asks.
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

void DrawTextTopLeft(QPainter& painter, const QFontMetrics& metrics, const QPoint& topLeft, const QString& text) {
  painter.drawText(topLeft + QPoint(0, metrics.ascent()), text);
}

}  // namespace

QFont OutputFont(int points) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(points);
  return font;
}

QImage GridPicture(const TGridScene& scene, const QSize& gridControlSize) {
  QImage picture(gridControlSize, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QImage buffer(gridControlSize, QImage::Format_RGB32);
  QPainter painter(&picture);
  TGridPainter(scene).PaintGrid(painter, &buffer, picture.rect());
  return picture;
}

QImage ClipboardPicture(const QImage& grid) {
  // Fonts are measured for the picture itself, whose resolution is a
  // screen's; a one-pixel image of the same kind measures the band first.
  const QImage probe(1, 1, QImage::Format_RGB32);
  const int band = 2 * QFontMetrics(OutputFont(kOutputFontPoints), &probe).height();
  QImage picture(grid.width(), grid.height() + band, QImage::Format_RGB32);
  picture.fill(Qt::white);

  QPainter painter(&picture);
  painter.drawImage(0, 0, grid);
  int points = kOutputFontPoints;
  QFont font = OutputFont(points);
  while (points > kSmallestFooterPoints &&
         QFontMetrics(font, &picture).horizontalAdvance(kOutputFooter) > picture.width())
    font = OutputFont(--points);
  const QFontMetrics metrics(font, &picture);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QPoint footer((picture.width() - metrics.horizontalAdvance(kOutputFooter)) / 2,
                      picture.height() - 2 * metrics.height());
  DrawTextTopLeft(painter, metrics, footer, kOutputFooter);
  return picture;
}

TPrintedPageLayout PrintedPageLayout(const QSize& pageSize, const QSizeF& printerDpi, double screenDpi,
                                     const QSize& picture, const QSize& letterH) {
  const double pageWidth = pageSize.width();
  const double pageHeight = pageSize.height();
  const int xMax = RoundEven(0.9 * pageWidth);
  const int xMin = RoundEven(pageWidth - 0.9 * pageWidth);
  const int yMax = RoundEven(0.9 * pageHeight);
  const int yMin = RoundEven(pageHeight - 0.9 * pageHeight);
  if (screenDpi <= 0) screenDpi = 96;
  int width = RoundEven(picture.width() * printerDpi.width() / screenDpi);
  int height = RoundEven(picture.height() * printerDpi.height() / screenDpi);
  // A grid larger than the paper (a small sheet at a large screen size)
  // would be cut off; it is shrunk into the middle of the page instead.
  if (width > xMax - xMin || height > yMax - yMin) {
    const double shrink = std::min(static_cast<double>(xMax - xMin) / std::max(width, 1),
                                   static_cast<double>(yMax - yMin) / std::max(height, 1));
    width = RoundEven(width * shrink);
    height = RoundEven(height * shrink);
  }

  TPrintedPageLayout layout;
  layout.Title = QPoint(2 * letterH.width(), 2 * letterH.height());
  layout.Footer = QPoint(2 * letterH.width(), pageSize.height() - 2 * letterH.height());
  layout.Picture = QRect(RoundEven(xMax + (xMin - xMax - width) / 2.0), RoundEven(yMax + (yMin - yMax - height) / 2.0),
                         width, height);
  return layout;
}

void DrawPrintedPage(QPainter& painter, const QString& title, const TGridScene* scene, const QSize& gridControlSize,
                     double screenDpi) {
  QPaintDevice* device = painter.device();
  const QFont font = OutputFont(kOutputFontPoints);
  const QFontMetrics metrics(font, device);
  const QSize letterH(metrics.horizontalAdvance(QLatin1Char('H')), metrics.height());
  const TPrintedPageLayout layout =
      PrintedPageLayout(QSize(device->width(), device->height()), QSizeF(device->logicalDpiX(), device->logicalDpiY()),
                        screenDpi, gridControlSize, letterH);
  painter.setFont(font);
  painter.setPen(Qt::black);
  DrawTextTopLeft(painter, metrics, layout.Title, title);
  DrawTextTopLeft(painter, metrics, layout.Footer, kOutputFooter);
  if (!scene || gridControlSize.isEmpty() || layout.Picture.isEmpty()) return;
  painter.save();
  painter.translate(layout.Picture.topLeft());
  painter.scale(static_cast<double>(layout.Picture.width()) / gridControlSize.width(),
                static_cast<double>(layout.Picture.height()) / gridControlSize.height());
  painter.fillRect(QRect(QPoint(0, 0), gridControlSize), Qt::white);
  TGridPainter(*scene).PaintGridShapes(painter, gridControlSize);
  painter.restore();
}

std::string PuzzleTextRows(const TGeometry& g, const TCellTexts& givens) {
  TBoard board;
  TextsToBoard(g, givens, board);
  const std::string line = BoardToPuzzleLine(g, board);
  const auto n = static_cast<std::size_t>(g.GridSize);
  std::string rows;
  for (std::size_t start = 0; start + n <= line.size(); start += n) rows += line.substr(start, n) + '\n';
  return rows;
}

}  // namespace novlet
