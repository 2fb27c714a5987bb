// A board under test for the grid painter and the pictures made from it, and pixel helpers.
#pragma once

#include <QImage>
#include <QPaintEngine>
#include <QStringList>
#include <QPainter>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/geometry.h"
#include "render/display_set.h"
#include "render/grid_painter.h"

namespace novlet::test {

// A board of side N whose solution is a valid Latin pattern, with no givens,
// an empty grid and no ruler; tests place givens, entries and notes themselves.
struct TBoardUnderTest {
  explicit TBoardUnderTest(int boxWidth = 3, int boxHeight = 3) {
    Geometry.SetBoxShape(boxWidth, boxHeight);
    const int n = Geometry.GridSize;
    for (int r = 1; r <= n; ++r) {
      for (int c = 1; c <= n; ++c) {
        const int bandRow = (r - 1) % boxHeight;
        const int band = (r - 1) / boxHeight;
        Solution.at(c, r) = static_cast<std::uint8_t>((bandRow * boxWidth + band + c - 1) % n + 1);
      }
    }
    DisplaySet.Apply(0, kSymbolAlphabets[0], n, {});
    Look.Ruler = false;
  }

  void Give(int c, int r) {
    PuzzleTexts.at(c, r) = std::to_string(Solution.at(c, r));
    GridTexts.at(c, r) = PuzzleTexts.at(c, r);
  }
  int WrongValue(int c, int r) const { return Solution.at(c, r) % Geometry.GridSize + 1; }

  // The grid as the player would see it in a control of side pixels.
  QImage Render(int side = 245) const {
    QImage buffer(side, side, QImage::Format_RGB32);
    buffer.fill(Qt::magenta);
    QImage target(side, side, QImage::Format_RGB32);
    target.fill(Qt::magenta);
    QPainter painter(&target);
    TGridPainter(Scene()).PaintGrid(painter, &buffer, target.rect());
    return target;
  }
  TGridScene Scene() const { return {Geometry, Solution, PuzzleTexts, GridTexts, DisplaySet, Look, State}; }
  QRect Cell(int c, int r, int side = 245) const {
    return GridCellRect(c - 1, r - 1, Geometry.GridSize, QSize(side, side));
  }

  TGeometry Geometry;
  TBoard Solution;
  TCellTexts PuzzleTexts;
  TCellTexts GridTexts;
  TDisplaySet DisplaySet;
  TGridLook Look;
  TGridPaintState State;
};

// A page that keeps what is painted on it instead of its pixels, so a test
// reads paper as pdftotext would: the texts, and the size of every picture.
class TRecordingPage : public QPaintDevice {
 public:
  explicit TRecordingPage(QSize size = QSize(620, 877), int dpi = 72) : size_(size), dpi_(dpi) {}
  QStringList Texts;
  std::vector<QSize> Pictures;
  QPaintEngine* paintEngine() const override { return &engine_; }

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  class TEngine : public QPaintEngine {
   public:
    explicit TEngine(TRecordingPage& page) : QPaintEngine(AllFeatures), page_(page) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPixmap(const QRectF& target, const QPixmap&, const QRectF&) override;
    void drawImage(const QRectF& target, const QImage&, const QRectF&, Qt::ImageConversionFlags) override;
    void drawTextItem(const QPointF&, const QTextItem& item) override { page_.Texts << item.text(); }
    Type type() const override { return User; }

   private:
    TRecordingPage& page_;
  };
  QSize size_;
  int dpi_;
  mutable TEngine engine_{*this};
};

// The colour of icon `number` of the sets WriteIconSet makes.
QColor IconColour(int number);

// Writes a complete icon set of coloured squares into folder, leaving
// out the file named `missing` if given.
void WriteIconSet(const QString& folder, const QString& missing = {});

// The colour of the part of a cell that no symbol, note or frame touches.
QColor CellBackgroundAt(const QImage& image, const QRect& cell);

// Counts the pixels of `rect` whose colour is close to `colour`.
int CountPixels(const QImage& image, const QRect& rect, const QColor& colour, int tolerance = 24);

}  // namespace novlet::test
