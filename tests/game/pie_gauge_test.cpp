// The pie gauge fills clockwise from twelve o'clock in its fore colour.
#include "game/pie_gauge.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace novlet {
namespace {

QImage Render(TPieGauge& gauge) {
  gauge.resize(41, 41);
  return gauge.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(PieGauge, FillsClockwiseFromTwelveOClock) {
  TPieGauge gauge;
  gauge.SetForeColor(Qt::red);
  gauge.SetProgress(15);  // a quarter of 60
  const QImage image = Render(gauge);
  EXPECT_EQ(image.pixelColor(28, 12), QColor(Qt::red)) << "upper right quarter";
  EXPECT_EQ(image.pixelColor(12, 12), QColor(Qt::white)) << "upper left stays empty";
  EXPECT_EQ(image.pixelColor(28, 28), QColor(Qt::white)) << "lower right stays empty";

  gauge.SetProgress(45);
  const QImage threeQuarters = Render(gauge);
  EXPECT_EQ(threeQuarters.pixelColor(12, 28), QColor(Qt::red));
  EXPECT_EQ(threeQuarters.pixelColor(12, 12), QColor(Qt::white));
}

TEST(PieGauge, ProgressStaysWithinItsRange) {
  TPieGauge gauge;
  gauge.SetProgress(62);  // the clock's gauge adds 2 to a full share
  EXPECT_EQ(gauge.Progress(), 60);
  gauge.SetProgress(-3);
  EXPECT_EQ(gauge.Progress(), 0);
  gauge.SetProgress(40);
  gauge.SetMaxValue(30);
  EXPECT_EQ(gauge.Progress(), 30);
}

}  // namespace
}  // namespace novlet
