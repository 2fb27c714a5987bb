// The skinned button: what each state paints, and what its mouse reports.
#include "ui/base_btn.h"
#include "ui/widget_probe.h"

#include <QTest>

#include <gtest/gtest.h>

#include <vector>

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

// A faceless 100 x 40 button with a picture for each state, 10 x 10 at
// (0.1, 0.25) of its size, shifted by (0.05, 0.1) while pressed.
const QColor Up(255, 0, 0);
const QColor Down(0, 0, 255);
const QColor Disabled(255, 255, 0);
TBaseBtn* GlyphButton(QWidget* host) {
  TBaseBtn* button = PlainButton(host, QSize(100, 40));
  button->SetFaceVisible(false);
  button->SetGlyphXOffset(0.1);
  button->SetGlyphYOffset(0.25);
  button->SetShadowXOffset(0.05);
  button->SetShadowYOffset(0.1);
  button->SetGlyphUp(SolidPicture(Up));
  button->SetGlyphDown(SolidPicture(Down));
  button->SetGlyphDisabled(SolidPicture(Disabled));
  return button;
}

void Press(TBaseBtn* button) { QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5)); }

struct TProbe {
  int X, Y;
  QColor Colour;
};

// Each state of a button and the pixels it must paint there.
struct TLookCase {
  const char* Name;
  TBaseBtn* (*Make)(QWidget*);
  void (*Act)(TBaseBtn*);
  std::vector<TProbe> Probes;
  std::vector<QColor> Absent;
};

const QColor Grey(0x80, 0x80, 0x80);
const QColor White(Qt::white);

TEST(BaseBtnLook, EveryStatePaintsItsFaceShadowFrameAndPictureWhereItBelongs) {
  const TLookCase cases[] = {
      {"default face: four fifths by half", [](QWidget* h) { return PlainButton(h, QSize(120, 40)); },
       [](TBaseBtn*) {}, {{0, 0, Face}, {95, 19, Face}, {96, 10, Ground}, {50, 20, Ground}}, {}},
      {"the face sits on its shadow, up to (116, 35) exclusive", MainWindowButton, [](TBaseBtn*) {},
       {{0, 0, Face}, {113, 32, Face}, {114, 2, Shadow}, {115, 34, Shadow}, {2, 34, Shadow}, {116, 20, Ground},
        {1, 34, Ground}, {114, 1, Ground}},
       {}},
      {"pressed, the face takes the shadow's place", MainWindowButton, Press,
       {{0, 0, Ground}, {2, 2, Face}, {115, 34, Face}}, {Shadow}},
      {"latched down looks pressed", MainWindowButton, [](TBaseBtn* b) { b->SetButtonIsDown(true); },
       {{0, 0, Ground}}, {Shadow}},
      {"disabled never looks pressed", MainWindowButton,
       [](TBaseBtn* b) {
         b->SetButtonIsDown(true);
         b->setEnabled(false);
       },
       {{0, 0, Face}}, {Shadow}},
      {"no face, no frame", [](QWidget* h) { return PlainButton(h, QSize(60, 20)); },
       [](TBaseBtn* b) { b->SetFaceVisible(false); }, {{30, 0, Ground}}, {}},
      {"no face and hot: a raised frame", [](QWidget* h) { return PlainButton(h, QSize(60, 20)); },
       [](TBaseBtn* b) {
         b->SetFaceVisible(false);
         b->SetButtonIsHot(true);
       },
       {{30, 0, White}, {0, 10, White}, {30, 19, Grey}, {59, 10, Grey}}, {}},
      {"no face and pressed: a sunken frame", [](QWidget* h) { return PlainButton(h, QSize(60, 20)); },
       [](TBaseBtn* b) {
         b->SetFaceVisible(false);
         b->SetButtonIsHot(true);
         Press(b);
       },
       {{30, 0, Grey}, {0, 10, Grey}, {30, 19, White}, {59, 10, White}}, {}},
      {"the up picture", GlyphButton, [](TBaseBtn*) {}, {{10, 10, Up}, {19, 19, Up}, {20, 10, Ground}}, {}},
      {"pressing shows and shifts the down picture", GlyphButton, Press, {{15, 14, Down}, {24, 23, Down}}, {Up}},
      {"disabled shows its own picture", GlyphButton, [](TBaseBtn* b) { b->setEnabled(false); },
       {{10, 10, Disabled}}, {Up}},
      {"pressed without a down picture shows none", GlyphButton,
       [](TBaseBtn* b) {
         b->SetGlyphDown(QPixmap());
         Press(b);
       },
       {}, {Up, Down}},
      {"the up picture serves for down when asked", GlyphButton,
       [](TBaseBtn* b) {
         b->SetGlyphDown(QPixmap());
         b->SetGlyphUpIsGlyphDown(true);
         Press(b);
       },
       {{15, 14, Up}}, {}},
      {"centred", GlyphButton, [](TBaseBtn* b) { b->SetGlyphCentered(true); },
       {{45, 15, Up}, {54, 24, Up}, {44, 15, Ground}}, {}},
      {"stretched from ([0.1 * 100], [0.25 * 40]) to ([0.6 * 100], [0.75 * 40])", GlyphButton,
       [](TBaseBtn* b) {
         b->SetGlyphStretched(true);
         b->SetGlyphWidth(0.5);
         b->SetGlyphHeight(0.5);
       },
       {{10, 10, Up}, {59, 29, Up}, {60, 20, Ground}, {30, 30, Ground}}, {}},
  };
  for (const TLookCase& look : cases) {
    THost host;
    TBaseBtn* button = look.Make(&host);
    look.Act(button);
    const QImage image = Render(button);
    for (const TProbe& probe : look.Probes)
      EXPECT_EQ(PixelAt(image, probe.X, probe.Y), probe.Colour) << look.Name << " at " << probe.X << "," << probe.Y;
    for (const QColor& colour : look.Absent) EXPECT_FALSE(Contains(image, colour)) << look.Name;
  }
}

TEST(BaseBtnLook, TheCaptionFollowsTheEnabledStateAndItsOutlineCopyIsDrawnOnlyWhenAsked) {
  THost host;
  TBaseBtn* button = PlainButton(&host, QSize(120, 40));
  button->SetFaceVisible(false);
  QFont big = button->font();
  big.setPixelSize(30);
  big.setBold(true);
  button->setFont(big);
  button->SetCaption("HH");
  const QColor ink(250, 250, 0);
  const QColor outline(255, 0, 255);
  button->SetFontColor(ink);
  button->SetCaptionPenColor(outline);
  EXPECT_TRUE(Contains(Render(button), ink));
  EXPECT_FALSE(Contains(Render(button), outline));
  button->SetCaptionPenVisible(true);
  EXPECT_TRUE(Contains(Render(button), outline));
  button->setEnabled(false);
  const QImage disabled = Render(button);
  EXPECT_FALSE(Contains(disabled, ink));
  EXPECT_TRUE(Contains(disabled, button->palette().color(QPalette::Disabled, QPalette::WindowText)));
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

TEST(BaseBtnMouse, ClickFiresOnlyForTheLeftButtonReleasedOverAnEnabledButtonAndEnteringAndLeavingAreReported) {
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

}  // namespace
}  // namespace novlet
