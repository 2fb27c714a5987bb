// The background control: how it draws its image, brush and pen, and follows its parent.
#include "ui/bk_control.h"
#include "ui/widget_probe.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace novlet {
namespace {

using test::Contains;
using test::PixelAt;
using test::Render;
using test::THost;

const QColor Ground(0, 160, 0);

// A 10 x 10 picture whose top-left pixel is marked, so every copy of it
// shows where it was drawn.
QPixmap MarkedTile() {
  QImage tile(10, 10, QImage::Format_RGB32);
  tile.fill(QColor(0, 0, 200));
  tile.setPixelColor(0, 0, QColor(255, 0, 0));
  return QPixmap::fromImage(tile);
}

TBkControl* ImageOnly(QWidget* host, QSize size, TImageDrawStyle style, const QPixmap& image) {
  auto* control = new TBkControl(host);
  control->setGeometry(QRect(QPoint(0, 0), size));
  control->Background().SetBrush(Qt::NoBrush);
  control->Background().SetPen(Qt::NoPen);
  control->Background().SetImageDrawStyle(style);
  control->Background().SetImage(image);
  control->show();
  return control;
}

TEST(BkControl, TilesTheImageFromTheTopLeftCornerAndASolidBrushFillsInsideAnOutline) {
  THost host;
  const QImage image = Render(ImageOnly(&host, QSize(25, 15), TImageDrawStyle::idsAlongside, MarkedTile()));
  std::vector<QPoint> marks;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (PixelAt(image, x, y) == QColor(255, 0, 0)) marks.emplace_back(x, y);
  const std::vector<QPoint> expected{{0, 0}, {10, 0}, {20, 0}, {0, 10}, {10, 10}, {20, 10}};
  EXPECT_EQ(marks, expected);
  EXPECT_FALSE(Contains(image, Ground));

  THost solidHost;
  auto* control = new TBkControl(&solidHost);
  control->setGeometry(0, 0, 40, 20);
  const QColor cream(255, 255, 242);
  control->Background().SetBrush(QBrush(cream));
  control->show();
  const QImage solid = Render(control);
  EXPECT_EQ(PixelAt(solid, 0, 0), QColor(Qt::black));
  EXPECT_EQ(PixelAt(solid, 39, 19), QColor(Qt::black));
  EXPECT_EQ(PixelAt(solid, 20, 19), QColor(Qt::black));
  EXPECT_EQ(PixelAt(solid, 1, 1), cream);
  EXPECT_EQ(PixelAt(solid, 38, 18), cream);
}

TEST(BkControl, CentresTopLeftsStretchesOrHidesTheImage) {
  const auto renderStyle = [](TImageDrawStyle style) {
    THost host;
    return Render(ImageOnly(&host, QSize(30, 20), style, MarkedTile()));
  };
  QImage image = renderStyle(TImageDrawStyle::idsCenter);
  EXPECT_EQ(PixelAt(image, 10, 5), QColor(255, 0, 0));
  EXPECT_EQ(PixelAt(image, 9, 5), Ground);

  image = renderStyle(TImageDrawStyle::idsTopLeft);
  EXPECT_EQ(PixelAt(image, 0, 0), QColor(255, 0, 0));
  EXPECT_EQ(PixelAt(image, 10, 0), Ground);

  EXPECT_FALSE(Contains(renderStyle(TImageDrawStyle::idsStretch), Ground));
  EXPECT_EQ(PixelAt(renderStyle(TImageDrawStyle::idsHide), 15, 10), Ground);

  // Centring a larger image shows its middle.
  THost host;
  QImage big(40, 40, QImage::Format_RGB32);
  big.fill(QColor(0, 0, 200));
  big.setPixelColor(20, 20, QColor(255, 0, 0));
  image = Render(ImageOnly(&host, QSize(20, 20), TImageDrawStyle::idsCenter, QPixmap::fromImage(big)));
  EXPECT_EQ(PixelAt(image, 10, 10), QColor(255, 0, 0));
}

TEST(BkControl, AlignedToTheClientItFollowsItsParentAndStaysBeneath) {
  THost host;
  auto* above = new QWidget(&host);
  auto* control = new TBkControl(&host);
  control->SetAlign(TAlign::alClient);
  EXPECT_EQ(control->geometry(), host.rect());
  host.resize(300, 150);
  EXPECT_EQ(control->geometry(), QRect(0, 0, 300, 150));
  EXPECT_EQ(host.children().indexOf(control), 0);
  EXPECT_GT(host.children().indexOf(above), 0);
}

TEST(Background, AssignCopiesTheLookAndChangesNotify) {
  TBackground source;
  source.SetBrush(QBrush(Qt::red));
  source.SetPen(QPen(Qt::blue, 2));
  source.SetImage(MarkedTile());
  source.SetImageDrawStyle(TImageDrawStyle::idsStretch);

  TBackground target;
  int styleChanges = 0;
  int anyChanges = 0;
  target.OnChange = [&] { ++styleChanges; };
  target.OnOwnerChange = [&] { ++anyChanges; };
  target.Assign(source);
  EXPECT_EQ(target.Brush(), source.Brush());
  EXPECT_EQ(target.Pen(), source.Pen());
  EXPECT_EQ(target.Image().cacheKey(), source.Image().cacheKey());
  EXPECT_EQ(target.ImageDrawStyle(), TImageDrawStyle::idsStretch);
  EXPECT_EQ(styleChanges, 1);
  EXPECT_EQ(anyChanges, 4);
  target.Assign(source);
  EXPECT_EQ(anyChanges, 4);
}

}  // namespace
}  // namespace novlet
