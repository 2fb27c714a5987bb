#include "ui/base_btn.h"
#include "ui/widget_probe.h"

#include <QTest>

#include <gtest/gtest.h>

namespace novlet {
namespace {

using test::Contains;
using test::PixelAt;
using test::Render;
using test::SolidPicture;
using test::THost;

const QColor Face(200, 0, 0);
const QColor Shadow(0, 0, 200);
const QColor Ground(0, 160, 0);

// A button whose face, outline and shadow each have one plain colour.
TBaseBtn* PlainButton(QWidget* host, QSize size) {
  auto* button = new TBaseBtn(host);
  button->setGeometry(QRect(QPoint(0, 0), size));
  button->SetBrush(QBrush(Face));
  button->SetPen(QPen(Face, 1));
  button->SetShadowColor(Shadow);
  button->show();
  return button;
}

TBaseBtn* MainWindowButton(QWidget* host) {
  TBaseBtn* button = PlainButton(host, QSize(120, 35));
  button->SetFaceWidth(0.95);
  button->SetFaceHeight(0.95);
  button->SetShadowXOffset(0.02);
  button->SetShadowYOffset(0.05);
  return button;
}

TEST(BaseBtnLook, DefaultFaceCoversFourFifthsByHalf) {
  THost host;
  TBaseBtn* button = PlainButton(&host, QSize(120, 40));
  EXPECT_EQ(button->FaceRect(), QRect(QPoint(0, 0), QPoint(95, 19)));
  const QImage image = Render(button);
  EXPECT_EQ(PixelAt(image, 0, 0), Face);
  EXPECT_EQ(PixelAt(image, 95, 19), Face);
  EXPECT_EQ(PixelAt(image, 96, 10), Ground);
  EXPECT_EQ(PixelAt(image, 50, 20), Ground);
}

TEST(BaseBtnLook, MainWindowButtonFaceSitsOnItsShadow) {
  THost host;
  TBaseBtn* button = MainWindowButton(&host);
  const QImage image = Render(button);
  EXPECT_EQ(PixelAt(image, 0, 0), Face);
  EXPECT_EQ(PixelAt(image, 113, 32), Face);
  // The shadow shows right of and below the face, up to (116, 35) exclusive.
  EXPECT_EQ(PixelAt(image, 114, 2), Shadow);
  EXPECT_EQ(PixelAt(image, 115, 34), Shadow);
  EXPECT_EQ(PixelAt(image, 2, 34), Shadow);
  EXPECT_EQ(PixelAt(image, 116, 20), Ground);
  EXPECT_EQ(PixelAt(image, 1, 34), Ground);
  EXPECT_EQ(PixelAt(image, 114, 1), Ground);
}

TEST(BaseBtnLook, PressedFaceTakesTheShadowsPlace) {
  THost host;
  TBaseBtn* button = MainWindowButton(&host);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  ASSERT_TRUE(button->Pressed());
  EXPECT_EQ(button->FaceRect(), QRect(QPoint(2, 2), QPoint(115, 34)));
  const QImage image = Render(button);
  EXPECT_EQ(PixelAt(image, 0, 0), Ground);
  EXPECT_EQ(PixelAt(image, 2, 2), Face);
  EXPECT_EQ(PixelAt(image, 115, 34), Face);
  EXPECT_FALSE(Contains(image, Shadow));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(button->Pressed());
  EXPECT_EQ(PixelAt(Render(button), 0, 0), Face);
}

TEST(BaseBtnLook, LatchedDownLooksPressedButNotWhenDisabled) {
  THost host;
  TBaseBtn* button = MainWindowButton(&host);
  button->SetButtonIsDown(true);
  EXPECT_FALSE(Contains(Render(button), Shadow));
  EXPECT_EQ(PixelAt(Render(button), 0, 0), Ground);
  button->setEnabled(false);
  const QImage image = Render(button);
  EXPECT_EQ(PixelAt(image, 0, 0), Face);
  EXPECT_FALSE(Contains(image, Shadow));
}

TEST(BaseBtnLook, CaptionColourFollowsTheEnabledState) {
  THost host;
  TBaseBtn* button = PlainButton(&host, QSize(120, 40));
  button->SetFaceVisible(false);
  QFont big = button->font();
  big.setPixelSize(30);
  big.setBold(true);
  button->setFont(big);
  button->SetCaption("HH");
  const QColor ink(250, 250, 0);
  button->SetFontColor(ink);
  EXPECT_TRUE(Contains(Render(button), ink));
  button->setEnabled(false);
  const QImage disabled = Render(button);
  EXPECT_FALSE(Contains(disabled, ink));
  EXPECT_TRUE(Contains(disabled, button->palette().color(QPalette::Disabled, QPalette::WindowText)));
}

TEST(BaseBtnLook, CaptionOutlineCopyIsDrawnOnlyWhenAsked) {
  THost host;
  TBaseBtn* button = PlainButton(&host, QSize(120, 40));
  button->SetFaceVisible(false);
  QFont big = button->font();
  big.setPixelSize(30);
  button->setFont(big);
  button->SetCaption("I");
  button->SetCaptionPenColor(QColor(255, 0, 255));
  EXPECT_FALSE(Contains(Render(button), QColor(255, 0, 255)));
  button->SetCaptionPenVisible(true);
  EXPECT_TRUE(Contains(Render(button), QColor(255, 0, 255)));
}

class BaseBtnGlyphs : public testing::Test {
 protected:
  void SetUp() override {
    button = PlainButton(&host, QSize(100, 40));
    button->SetFaceVisible(false);
    button->SetGlyphXOffset(0.1);
    button->SetGlyphYOffset(0.25);
    button->SetShadowXOffset(0.05);
    button->SetShadowYOffset(0.1);
    button->SetGlyphUp(SolidPicture(Up));
    button->SetGlyphDown(SolidPicture(Down));
    button->SetGlyphDisabled(SolidPicture(Disabled));
  }

  const QColor Up{255, 0, 0};
  const QColor Down{0, 0, 255};
  const QColor Disabled{255, 255, 0};
  THost host;
  TBaseBtn* button = nullptr;
};

TEST_F(BaseBtnGlyphs, EachStateShowsItsOwnPictureAndOnlyPressingShiftsIt) {
  QImage image = Render(button);
  EXPECT_EQ(PixelAt(image, 10, 10), Up);
  EXPECT_EQ(PixelAt(image, 19, 19), Up);
  EXPECT_EQ(PixelAt(image, 20, 10), Ground);

  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 20));
  image = Render(button);
  EXPECT_FALSE(Contains(image, Up));
  EXPECT_EQ(PixelAt(image, 15, 14), Down);
  EXPECT_EQ(PixelAt(image, 24, 23), Down);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 20));

  button->setEnabled(false);
  image = Render(button);
  EXPECT_FALSE(Contains(image, Up));
  EXPECT_EQ(PixelAt(image, 10, 10), Disabled);
}

TEST_F(BaseBtnGlyphs, PressedShowsNoPictureWithoutADownGlyphUnlessUpServesForBoth) {
  button->SetGlyphDown(QPixmap());
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 20));
  EXPECT_FALSE(Contains(Render(button), Up));
  button->SetGlyphUpIsGlyphDown(true);
  EXPECT_EQ(PixelAt(Render(button), 15, 14), Up);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 20));
}

TEST_F(BaseBtnGlyphs, CenteredAndStretchedPlacement) {
  button->SetGlyphCentered(true);
  QImage image = Render(button);
  EXPECT_EQ(PixelAt(image, 45, 15), Up);
  EXPECT_EQ(PixelAt(image, 54, 24), Up);
  EXPECT_EQ(PixelAt(image, 44, 15), Ground);

  button->SetGlyphStretched(true);
  button->SetGlyphWidth(0.5);
  button->SetGlyphHeight(0.5);
  image = Render(button);
  // ([0.1 * 100], [0.25 * 40]) to ([0.6 * 100], [0.75 * 40]).
  EXPECT_EQ(PixelAt(image, 10, 10), Up);
  EXPECT_EQ(PixelAt(image, 59, 29), Up);
  EXPECT_EQ(PixelAt(image, 60, 20), Ground);
  EXPECT_EQ(PixelAt(image, 30, 30), Ground);
}

TEST(BaseBtnProperties, CenteredAndStretchedExcludeEachOther) {
  TBaseBtn button;
  button.SetGlyphStretched(true);
  button.SetGlyphCentered(true);
  EXPECT_TRUE(button.GlyphCentered());
  EXPECT_FALSE(button.GlyphStretched());
  button.SetGlyphStretched(true);
  EXPECT_TRUE(button.GlyphStretched());
  EXPECT_FALSE(button.GlyphCentered());
  // Clearing one leaves the other as it is.
  button.SetGlyphCentered(false);
  EXPECT_TRUE(button.GlyphStretched());
}

TEST(BaseBtnLook, FramesWithoutFaceShowPressingAndHover) {
  THost host;
  TBaseBtn* button = PlainButton(&host, QSize(60, 20));
  button->SetFaceVisible(false);
  const QColor grey(0x80, 0x80, 0x80);
  const QColor white(Qt::white);
  EXPECT_EQ(PixelAt(Render(button), 30, 0), Ground);

  button->SetButtonIsHot(true);
  QImage image = Render(button);
  EXPECT_EQ(PixelAt(image, 30, 0), white);
  EXPECT_EQ(PixelAt(image, 0, 10), white);
  EXPECT_EQ(PixelAt(image, 30, 19), grey);
  EXPECT_EQ(PixelAt(image, 59, 10), grey);

  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  image = Render(button);
  EXPECT_EQ(PixelAt(image, 30, 0), grey);
  EXPECT_EQ(PixelAt(image, 0, 10), grey);
  EXPECT_EQ(PixelAt(image, 30, 19), white);
  EXPECT_EQ(PixelAt(image, 59, 10), white);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST(BaseBtnMouse, ClickFiresOnlyForTheLeftButtonReleasedOverAnEnabledButton) {
  THost host;
  TBaseBtn* button = PlainButton(&host, QSize(60, 20));
  int clicks = 0;
  bool pressedDuringClick = true;
  QObject::connect(button, &TBaseBtn::clicked, [&] {
    pressedDuringClick = button->Pressed();
    ++clicks;
  });
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(pressedDuringClick);
  QTest::mouseClick(button, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(90, 5));
  EXPECT_EQ(clicks, 1);
  button->setEnabled(false);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
  button->Click();
  EXPECT_EQ(clicks, 1);
  button->setEnabled(true);
  button->Click();
  EXPECT_EQ(clicks, 2);
}

TEST(BaseBtnMouse, EnteringAndLeavingAreReported) {
  THost host;
  TBaseBtn* button = PlainButton(&host, QSize(60, 20));
  QStringList seen;
  QObject::connect(button, &TBaseBtn::mouseIn, [&] { seen << "in"; });
  QObject::connect(button, &TBaseBtn::mouseOut, [&] { seen << "out"; });
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(button, &enter);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(button, &leave);
  EXPECT_EQ(seen, QStringList({"in", "out"}));
}

}  // namespace
}  // namespace novlet
