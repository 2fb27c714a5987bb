// The About box and the intro picture: their texts, pictures and the ways they go away.
#include "ui/about_box.h"
#include "ui/base_btn.h"
#include "ui/bk_control.h"
#include "ui/intro_form.h"
#include "ui/skinned_dialogs.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace novlet {
namespace {

class AboutBoxTest : public testing::Test {
 protected:
  TAboutBox* Show() {
    dialogs.ShowAbout(translate, [this] { ++logoClicks; });
    QApplication::setActiveWindow(dialogs.AboutBox());
    return dialogs.AboutBox();
  }

  int logoClicks = 0;
  TControlTranslator translate = [](int tag, const TControlTexts& builtIn) {
    if (tag == 4030) return TControlTexts{"x", "About schliessen"};
    if (tag == 4020) return TControlTexts{"Schliessen", ""};
    if (tag == 72571) return TControlTexts{"Novlet ist ein Zahlenrätsel.", ""};
    return builtIn;
  };
  TSkinnedDialogs dialogs{{}, nullptr};
};

TEST_F(AboutBoxTest, TranslatesItsTextsEachTimeItIsShown) {
  TAboutBox* box = Show();
  EXPECT_EQ(box->size(), QSize(325, 325));
  EXPECT_EQ(box->HideBtn()->toolTip(), "About schliessen");
  EXPECT_EQ(box->CloseBtn()->Caption(), "Schliessen");
  // The prose is drawn over the picture, so it follows the language too.
  EXPECT_TRUE(box->DescriptionLbl()->text().startsWith("Novlet ist ein Zahlenrätsel.\n\nBoards from 4 x 4"));
  EXPECT_EQ(box->CorvexSBtn()->toolTip(), "Go to the Corvex Software website");
  EXPECT_EQ(box->AboutboxImg()->Background().Image().size(), QSize(325, 325));
  EXPECT_TRUE(box->HideBtn()->isVisible());
  EXPECT_FALSE(box->CloseBtn()->isVisible());
}

TEST_F(AboutBoxTest, KeysButtonsAndLosingTheActivationHideItAndTheLogoCallsOut) {
  TAboutBox* box = Show();
  QTest::keyClick(box, Qt::Key_Escape, Qt::ShiftModifier);
  EXPECT_TRUE(box->isVisible()) << "a key with a modifier";
  QWidget other;
  other.show();
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"Escape", [&] { QTest::keyClick(box, Qt::Key_Escape); }},
      {"Return", [&] { QTest::keyClick(box, Qt::Key_Return); }},
      {"hide button", [&] { QTest::mouseClick(box->HideBtn(), Qt::LeftButton, {}, QPoint(5, 5)); }},
      {"logo", [&] { QTest::mouseClick(box->CorvexSBtn(), Qt::LeftButton, {}, QPoint(20, 20)); }},
      {"another window active", [&] { QApplication::setActiveWindow(&other); }},
  };
  for (const auto& [name, hide] : ways) {
    ASSERT_EQ(Show(), box);
    ASSERT_TRUE(box->isActiveWindow()) << name;
    hide();
    EXPECT_FALSE(box->isVisible()) << name;
  }
  EXPECT_EQ(logoClicks, 1);

  // The farewell is the same box without its buttons, until it is closed.
  dialogs.ShowFarewell(translate);
  EXPECT_EQ(dialogs.AboutBox(), box);
  EXPECT_TRUE(box->isVisible());
  EXPECT_FALSE(box->HideBtn()->isVisible());
  EXPECT_FALSE(box->CloseBtn()->isVisible());
  dialogs.CloseAbout();
  EXPECT_EQ(dialogs.AboutBox(), nullptr);
}

TEST(IntroForm, ShowsTheBuiltInPictureOrALooseFile) {
  const TIntroForm intro({}, "Version 1.0, Ausgabe 5");
  EXPECT_EQ(intro.size(), QSize(280, 280));
  EXPECT_EQ(intro.findChild<QLabel*>("VersionLbl")->text(), "Version 1.0, Ausgabe 5");
  EXPECT_EQ(intro.IntroFormImg()->Background().Image().size(), QSize(280, 280));

  QTemporaryDir folder;
  QImage own(100, 60, QImage::Format_RGB32);
  own.fill(Qt::red);
  ASSERT_TRUE(own.save(folder.filePath("intro.bmp"), "BMP"));
  TIntroForm ownIntro(folder.path());
  const QImage shown = ownIntro.grab().toImage();
  EXPECT_EQ(shown.pixelColor(140, 140), QColor(Qt::red));
  EXPECT_EQ(shown.pixelColor(90, 140), QColor(Qt::red));
  EXPECT_NE(shown.pixelColor(89, 140), QColor(Qt::red));
  EXPECT_NE(shown.pixelColor(140, 109), QColor(Qt::red));
}

TEST(IntroForm, TheSplashGoesByItselfBeforeTheStartGoesOn) {
  TSkinnedDialogs dialogs({}, nullptr);
  bool endedWithoutSplash = false;
  dialogs.ShowSplash("Version 1.0", 0, [&] { endedWithoutSplash = !dialogs.Splash(); });
  ASSERT_NE(dialogs.Splash(), nullptr);
  EXPECT_TRUE(dialogs.Splash()->isVisible());
  EXPECT_FALSE(endedWithoutSplash);
  QCoreApplication::processEvents();
  EXPECT_TRUE(endedWithoutSplash);
}

}  // namespace
}  // namespace novlet
