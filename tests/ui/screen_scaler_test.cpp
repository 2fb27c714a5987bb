#include "ui/base_btn.h"
#include "ui/bk_control.h"
#include "ui/screen_mode.h"
#include "ui/screen_scaler.h"
#include "ui/widget_scaling.h"

#include <QLabel>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>

namespace novlet {
namespace {

TEST(ScreenModeChoice, AutomaticDecidesByTheNarrowerRatio) {
  struct {
    QSize Screen;
    int Mode;
  } const cases[] = {
      {{1024, 768}, 6},  {{1280, 1024}, 4}, {{1920, 1080}, 7}, {{800, 600}, 5},  {{1280, 800}, 6},
      {{1024, 600}, 5},  {{900, 1000}, 2},  {{1100, 1500}, 3}, {{1152, 2000}, 4}, {{864, 640}, 5},
      {{1600, 1200}, 7}, {{1366, 768}, 6},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChooseScreenMode(ScreenSizeAutomatic, c.Screen, 0), c.Mode)
        << c.Screen.width() << " x " << c.Screen.height();
}

TEST(ScreenModeChoice, SmallScreensKeepWhateverWasApplied) {
  EXPECT_EQ(ChooseScreenMode(ScreenSizeAutomatic, {640, 480}, 0), 0);
  EXPECT_EQ(ChooseScreenMode(ScreenSizeAutomatic, {640, 480}, 4), 4);
  EXPECT_EQ(ChooseScreenMode(ScreenSizeAutomatic, {700, 1000}, 3), 3);
}

TEST(ScreenModeChoice, FixedChoicesIgnoreTheScreen) {
  EXPECT_EQ(ChooseScreenMode(ScreenSizeIgnore, {1920, 1080}, 7), 2);
  EXPECT_EQ(ChooseScreenMode(ScreenSize640x480, {1920, 1080}, 0), 2);
  EXPECT_EQ(ChooseScreenMode(ScreenSize800x600, {640, 480}, 0), 3);
  EXPECT_EQ(ChooseScreenMode(ScreenSize1024x768, {640, 480}, 0), 4);
  // A stored choice out of range counts as Automatic.
  EXPECT_EQ(ChooseScreenMode(9, {800, 600}, 0), 5);
}

TEST(ScreenModeChoice, ScalesAndSuffixesGoInPairs) {
  EXPECT_EQ(SkinSuffix(2), "");
  EXPECT_EQ(SkinSuffix(5), "");
  EXPECT_EQ(SkinSuffix(3), "_sm8x6");
  EXPECT_EQ(SkinSuffix(6), "_sm8x6");
  EXPECT_EQ(SkinSuffix(4), "_sm10x7");
  EXPECT_EQ(SkinSuffix(7), "_sm10x7");
  EXPECT_EQ(ScaleFromBase(3).Numerator, 800);
  EXPECT_EQ(ScaleFromBase(6).Denominator, 480);
  EXPECT_EQ(ScaleToBase(7).Numerator, 480);
  EXPECT_TRUE(ScaleFromBase(5).IsIdentity());
  EXPECT_EQ(ScaleValue(568, ScaleFromBase(3)), 710);
  EXPECT_EQ(ScaleValue(405, ScaleFromBase(3)), 506);
  EXPECT_EQ(ScaleValue(568, ScaleFromBase(4)), 909);
  EXPECT_EQ(ScaleValue(-13, ScaleFromBase(4)), -21);
}

// A miniature main window: the background, one page button, one small
// button and a label with a font of its own.
class ScaledWindow : public testing::Test {
 protected:
  void SetUp() override {
    window.setFixedSize(568, 405);
    background = new TBkControl(&window);
    background->SetAlign(TAlign::alClient);
    pageButton = new TBaseBtn(&window);
    pageButton->setGeometry(8, 42, 120, 35);
    smallButton = new TBaseBtn(&window);
    smallButton->setGeometry(301, 3, 85, 15);
    label = new QLabel("Play & Solve", &window);
    label->setGeometry(151, 37, 117, 17);
    QFont font("Arial");
    font.setPointSize(8);
    label->setFont(font);
    scaler = std::make_unique<TScreenScaler>(
        TSkinnedWindow{&window, background, {pageButton}, {smallButton}, [this] { ++afterScaleRuns; }});
  }

  QWidget window;
  TBkControl* background = nullptr;
  TBaseBtn* pageButton = nullptr;
  TBaseBtn* smallButton = nullptr;
  QLabel* label = nullptr;
  std::unique_ptr<TScreenScaler> scaler;
  int afterScaleRuns = 0;
};

TEST_F(ScaledWindow, ATooSmallScreenAppliesNothing) {
  scaler->ScaleUp(ScreenSizeAutomatic, {640, 480});
  EXPECT_EQ(scaler->ScreenMode(), 0);
  EXPECT_EQ(window.size(), QSize(568, 405));
  EXPECT_TRUE(background->Background().Image().isNull());
  EXPECT_TRUE(pageButton->GlyphUp().isNull());
  EXPECT_TRUE(pageButton->FaceVisible());
  EXPECT_EQ(afterScaleRuns, 0);
}

TEST_F(ScaledWindow, BaseSizeWearsTheBaseSkins) {
  scaler->ScaleUp(ScreenSizeAutomatic, {800, 600});
  EXPECT_EQ(scaler->ScreenMode(), 5);
  EXPECT_EQ(window.size(), QSize(568, 405));
  EXPECT_EQ(background->Background().Image().size(), QSize(568, 405));
  EXPECT_EQ(pageButton->GlyphUp().size(), QSize(120, 35));
  EXPECT_EQ(pageButton->GlyphDown().size(), QSize(120, 35));
  EXPECT_EQ(pageButton->GlyphDisabled().size(), QSize(120, 35));
  EXPECT_EQ(smallButton->GlyphUp().size(), QSize(85, 15));
  // The bitmap now is the face: no drawn face, no outline, a small press shift.
  EXPECT_FALSE(pageButton->FaceVisible());
  EXPECT_EQ(pageButton->Pen().style(), Qt::NoPen);
  EXPECT_DOUBLE_EQ(smallButton->ShadowXOffset(), 0.01);
  EXPECT_DOUBLE_EQ(smallButton->ShadowYOffset(), 0.02);
  EXPECT_EQ(afterScaleRuns, 1);
}

TEST_F(ScaledWindow, EnlargesEveryControlAndItsSkins) {
  scaler->ScaleUp(ScreenSizeAutomatic, {1024, 768});
  EXPECT_EQ(scaler->ScreenMode(), 6);
  EXPECT_EQ(window.size(), QSize(710, 506));
  EXPECT_EQ(background->geometry(), QRect(0, 0, 710, 506));
  EXPECT_EQ(pageButton->geometry(), QRect(10, 53, 150, 44));
  EXPECT_EQ(smallButton->geometry(), QRect(376, 4, 106, 19));
  EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 10.0);
  EXPECT_EQ(background->Background().Image().size(), QSize(710, 506));
  EXPECT_EQ(pageButton->GlyphUp().size(), QSize(150, 44));
  EXPECT_EQ(smallButton->GlyphDisabled().size(), QSize(106, 19));

  scaler->ScaleUp(ScreenSizeAutomatic, {1280, 1024});
  EXPECT_EQ(scaler->ScreenMode(), 4);
  EXPECT_EQ(window.size(), QSize(909, 648));
  EXPECT_EQ(pageButton->GlyphUp().size(), QSize(192, 56));
  EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 12.8);
}

TEST_F(ScaledWindow, GoingBackToBaseSizeRestoresTheDesign) {
  const QRect labelBefore = label->geometry();
  scaler->ScaleUp(ScreenSize1024x768, {1920, 1080});
  scaler->ScaleUp(ScreenSize800x600, {1920, 1080});
  scaler->ScaleUp(ScreenSize640x480, {1920, 1080});
  EXPECT_EQ(scaler->ScreenMode(), 2);
  EXPECT_EQ(window.size(), QSize(568, 405));
  EXPECT_EQ(label->geometry(), labelBefore);
  EXPECT_EQ(pageButton->geometry(), QRect(8, 42, 120, 35));
  EXPECT_EQ(smallButton->geometry(), QRect(301, 3, 85, 15));
  EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 8.0);
  EXPECT_EQ(pageButton->GlyphUp().size(), QSize(120, 35));
  EXPECT_EQ(background->Background().Image().size(), QSize(568, 405));
}

TEST_F(ScaledWindow, TheSameModeTwiceDoesNothingTheSecondTime) {
  scaler->ScaleUp(ScreenSize800x600, {1920, 1080});
  EXPECT_EQ(afterScaleRuns, 1);
  scaler->ScaleUp(ScreenSize800x600, {1920, 1080});
  EXPECT_EQ(afterScaleRuns, 1);
  EXPECT_EQ(window.size(), QSize(710, 506));
  // By height or by width are different modes of the same size.
  scaler->ScaleUp(ScreenSizeAutomatic, {1024, 768});
  EXPECT_EQ(scaler->ScreenMode(), 6);
  EXPECT_EQ(window.size(), QSize(710, 506));
  EXPECT_EQ(afterScaleRuns, 2);
}

TEST_F(ScaledWindow, AutomaticOnASmallScreenKeepsTheLastSize) {
  scaler->ScaleUp(ScreenSize1024x768, {640, 480});
  scaler->ScaleUp(ScreenSizeAutomatic, {640, 480});
  EXPECT_EQ(scaler->ScreenMode(), 4);
  EXPECT_EQ(window.size(), QSize(909, 648));
}

TEST_F(ScaledWindow, WithoutASizeTheWindowsOwnScreenDecides) {
  const QSize screen = window.screen()->geometry().size();
  scaler->ScaleUp(ScreenSizeAutomatic);
  EXPECT_EQ(scaler->ScreenMode(), ChooseScreenMode(ScreenSizeAutomatic, screen, 0));
}

TEST(WidgetScaling, FontsInheritedFromTheWindowAreScaledOnce) {
  QWidget window;
  window.resize(100, 100);
  QFont font("Arial");
  font.setPixelSize(11);
  window.setFont(font);
  auto* inheriting = new QLabel("a", &window);
  auto* ownFamily = new QLabel("b", &window);
  ownFamily->setFont(QFont("DejaVu Sans"));
  ScaleWidgetTree(&window, {1024, 640});
  EXPECT_EQ(window.font().pixelSize(), 18);
  EXPECT_EQ(inheriting->font().pixelSize(), 18);
  EXPECT_EQ(ownFamily->font().pixelSize(), 18);
  ScaleWidgetTree(&window, {640, 1024});
  EXPECT_EQ(window.font().pixelSize(), 11);
  EXPECT_EQ(ownFamily->font().pixelSize(), 11);
}

}  // namespace
}  // namespace novlet
