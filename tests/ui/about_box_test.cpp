// The About box and the intro picture: their texts, pictures and the ways they go away.
#include "ui/about_box.h"
#include "ui/base_btn.h"
#include "ui/bk_control.h"
#include "ui/intro_form.h"

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
  void TearDown() override { DestroyAbout(); }

  TAboutBox* Show() {
    TAboutBox* box = ShowAbout(setup);
    QApplication::setActiveWindow(box);
    return box;
  }

  int logoClicks = 0;
  TAboutBoxSetup setup{QString(),
                       [](int tag, const TControlTexts& builtIn) {
                         if (tag == 4030) return TControlTexts{"x", "About schliessen"};
                         if (tag == 4020) return TControlTexts{"Schliessen", ""};
                         if (tag == 72571) return TControlTexts{"Novlet ist ein Zahlenrätsel.", ""};
                         return builtIn;
                       },
                       [this] { ++logoClicks; }};
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

  // The farewell shows no buttons.
  Show();
  box->HideButtons();
  EXPECT_FALSE(box->HideBtn()->isVisible());
  EXPECT_FALSE(box->CloseBtn()->isVisible());
}

TEST(IntroForm, ShowsTheBuiltInPictureOrALooseFileCentred) {
  ShowIntro({}, "Version 1.0, Ausgabe 5");
  TIntroForm* intro = TIntroForm::Instance();
  ASSERT_NE(intro, nullptr);
  EXPECT_EQ(intro->size(), QSize(280, 280));
  EXPECT_EQ(intro->findChild<QLabel*>("VersionLbl")->text(), "Version 1.0, Ausgabe 5");
  EXPECT_EQ(intro->IntroFormImg()->Background().Image().size(), QSize(280, 280));
  ShowIntro();
  EXPECT_EQ(TIntroForm::Instance(), intro);
  DestroyIntro();
  EXPECT_EQ(TIntroForm::Instance(), nullptr);

  QTemporaryDir folder;
  QImage own(100, 60, QImage::Format_RGB32);
  own.fill(Qt::red);
  ASSERT_TRUE(own.save(folder.filePath("intro.bmp"), "BMP"));
  ShowIntro(folder.path());
  intro = TIntroForm::Instance();
  const QImage shown = intro->grab().toImage();
  EXPECT_EQ(shown.pixelColor(140, 140), QColor(Qt::red));
  EXPECT_EQ(shown.pixelColor(90, 140), QColor(Qt::red));
  EXPECT_NE(shown.pixelColor(89, 140), QColor(Qt::red));
  EXPECT_NE(shown.pixelColor(140, 109), QColor(Qt::red));
  DestroyIntro();
}

}  // namespace
}  // namespace novlet
