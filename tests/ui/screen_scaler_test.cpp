// Choosing the screen mode, and a miniature main window scaled to each mode and back.
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

TEST(ScreenModeChoice, AutomaticDecidesByTheNarrowerRatioAndFixedChoicesIgnoreTheScreen) {
  struct {
    int Choice;
    QSize Screen;
    int Mode;
  } const cases[] = {
      {ScreenSizeAutomatic, {1024, 768}, 6},  {ScreenSizeAutomatic, {1280, 1024}, 4},
      {ScreenSizeAutomatic, {1920, 1080}, 7}, {ScreenSizeAutomatic, {800, 600}, 5},
      {ScreenSizeAutomatic, {1280, 800}, 6},  {ScreenSizeAutomatic, {1024, 600}, 5},
      {ScreenSizeAutomatic, {900, 1000}, 2},  {ScreenSizeAutomatic, {1100, 1500}, 3},
      {ScreenSizeAutomatic, {1152, 2000}, 4}, {ScreenSizeAutomatic, {864, 640}, 5},
      {ScreenSizeAutomatic, {1600, 1200}, 7}, {ScreenSizeAutomatic, {1366, 768}, 6},
      // Desktops too small to enlarge get the base size, whatever was applied
      // before (a 1024 x 768 screen at double scale is 512 x 384).
      {ScreenSizeAutomatic, {640, 480}, 5},   {ScreenSizeAutomatic, {512, 384}, 5},
      {ScreenSizeAutomatic, {700, 1000}, 2},
      {ScreenSizeIgnore, {1920, 1080}, 2},    {ScreenSize640x480, {1920, 1080}, 2},
      {ScreenSize800x600, {640, 480}, 3},     {ScreenSize1024x768, {640, 480}, 4},
      {9, {800, 600}, 5},  // a stored choice out of range counts as Automatic
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseScreenMode(c.Choice, c.Screen), c.Mode)
        << "choice " << c.Choice << ", " << c.Screen.width() << " x " << c.Screen.height();
  }
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

TEST_F(ScaledWindow, ATooSmallDesktopGetsTheSkinnedBaseSizeAndTheWindowsOwnDesktopDecidesWithoutASize) {
  // Skins on from the start, so the background is never left unpainted.
  scaler->ScaleUp(ScreenSizeAutomatic, {512, 384});
  EXPECT_EQ(scaler->ScreenMode(), 5);
  EXPECT_EQ(window.size(), QSize(568, 405));
  EXPECT_FALSE(background->Background().Image().isNull());
  EXPECT_FALSE(pageButton->GlyphUp().isNull());
  EXPECT_EQ(afterScaleRuns, 1);

  scaler->ScaleUp(ScreenSize1024x768, {640, 480});
  EXPECT_EQ(window.size(), QSize(909, 648));
  scaler->ScaleUp(ScreenSizeAutomatic, {640, 480});
  EXPECT_EQ(window.size(), QSize(568, 405)) << "back to what fits";

  const QSize screen = window.screen()->availableGeometry().size();
  scaler->ScaleUp(ScreenSizeAutomatic);
  EXPECT_EQ(scaler->ScreenMode(), ChooseScreenMode(ScreenSizeAutomatic, screen));
}

struct TScaledSizes {
  QSize Window;
  QRect PageButton;
  QRect SmallButton;
  double LabelPoints;
  QSize PageSkin;
  QSize SmallSkin;
};

TEST_F(ScaledWindow, EveryModeSizesTheControlsAndTheirSkinsAndTheBaseSizeRestoresTheDesign) {
  const TScaledSizes base{{568, 405}, {8, 42, 120, 35}, {301, 3, 85, 15}, 8.0, {120, 35}, {85, 15}};
  const TScaledSizes medium{{710, 506}, {10, 53, 150, 44}, {376, 4, 106, 19}, 10.0, {150, 44}, {106, 19}};
  const TScaledSizes large{{909, 648}, {13, 67, 192, 56}, {482, 5, 136, 24}, 12.8, {192, 56}, {136, 24}};
  const struct {
    int Choice;
    QSize Screen;
    int Mode;
    const TScaledSizes& Sizes;
    int Runs;
  } steps[] = {
      {ScreenSizeAutomatic, {800, 600}, 5, base, 1},   {ScreenSizeAutomatic, {1024, 768}, 6, medium, 2},
      // By width or by height are different modes of the same size.
      {ScreenSize800x600, {1920, 1080}, 3, medium, 3}, {ScreenSize800x600, {1920, 1080}, 3, medium, 3},
      {ScreenSizeAutomatic, {1280, 1024}, 4, large, 4}, {ScreenSizeAutomatic, {1920, 1080}, 7, large, 5},
      {ScreenSize640x480, {1920, 1080}, 2, base, 6},
  };
  const QRect labelBefore = label->geometry();
  for (const auto& step : steps) {
    SCOPED_TRACE("mode " + std::to_string(step.Mode) + ", run " + std::to_string(step.Runs));
    scaler->ScaleUp(step.Choice, step.Screen);
    const TScaledSizes& s = step.Sizes;
    EXPECT_EQ(scaler->ScreenMode(), step.Mode);
    EXPECT_EQ(afterScaleRuns, step.Runs);
    EXPECT_EQ(window.size(), s.Window);
    EXPECT_EQ(background->geometry(), QRect(QPoint(0, 0), s.Window));
    EXPECT_EQ(background->Background().Image().size(), s.Window);
    EXPECT_EQ(pageButton->geometry(), s.PageButton);
    EXPECT_EQ(smallButton->geometry(), s.SmallButton);
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), s.LabelPoints);
    for (const QPixmap& skin : {pageButton->GlyphUp(), pageButton->GlyphDown(), pageButton->GlyphDisabled()})
      EXPECT_EQ(skin.size(), s.PageSkin);
    for (const QPixmap& skin : {smallButton->GlyphUp(), smallButton->GlyphDown(), smallButton->GlyphDisabled()})
      EXPECT_EQ(skin.size(), s.SmallSkin);
  }
  EXPECT_EQ(label->geometry(), labelBefore);
  // The bitmap now is the face: no drawn face, no outline, a small press shift.
  EXPECT_FALSE(pageButton->FaceVisible());
  EXPECT_EQ(pageButton->Pen().style(), Qt::NoPen);
  EXPECT_DOUBLE_EQ(smallButton->ShadowXOffset(), 0.01);
  EXPECT_DOUBLE_EQ(smallButton->ShadowYOffset(), 0.02);
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
