#include "ui/skin_pictures.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace novlet {
namespace {

struct TFamilySize {
  const char* Name;
  QSize Base;
  QSize Medium;
  QSize Large;
};

TEST(SkinPictures, EveryFamilyShipsAtItsThreeSizes) {
  const TFamilySize families[] = {
      {"Background", {568, 405}, {710, 506}, {909, 648}},
      {"But_Up", {120, 35}, {150, 44}, {192, 56}},
      {"But_Down", {120, 35}, {150, 44}, {192, 56}},
      {"But_Disabled", {120, 35}, {150, 44}, {192, 56}},
      {"But85x15_Up", {85, 15}, {106, 19}, {136, 24}},
      {"But85x15_Down", {85, 15}, {106, 19}, {136, 24}},
      {"But85x15_Disabled", {85, 15}, {106, 19}, {136, 24}},
  };
  for (const TFamilySize& family : families) {
    const QString name = QString::fromLatin1(family.Name);
    EXPECT_EQ(LoadResourceBitmap(name).size(), family.Base) << family.Name;
    EXPECT_EQ(LoadResourceBitmap(name + "_sm8x6").size(), family.Medium) << family.Name;
    EXPECT_EQ(LoadResourceBitmap(name + "_sm10x7").size(), family.Large) << family.Name;
  }
  EXPECT_EQ(LoadResourceBitmap("Intro").size(), QSize(280, 280));
  EXPECT_EQ(LoadResourceBitmap("About").size(), QSize(325, 325));
}

TEST(SkinPictures, NamesAreNotCaseSensitiveAndUnknownNamesGiveNothing) {
  EXPECT_FALSE(LoadResourceBitmap("bUT_uP").isNull());
  EXPECT_TRUE(LoadResourceBitmap("But_Up_sm12x9").isNull());
  EXPECT_TRUE(LoadResourceBitmap("").isNull());
}

TEST(SkinPictures, ButtonFacesAreTransparentOutsideTheirRoundedCorners) {
  const QImage face = LoadResourceBitmap("But_Up").toImage();
  EXPECT_EQ(qAlpha(face.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(face.pixel(60, 17)), 255);
}

TEST(SkinPictures, ALooseFileOverridesTheBuiltInPicture) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QImage own(33, 22, QImage::Format_RGB32);
  own.fill(Qt::red);
  ASSERT_TRUE(own.save(folder.filePath("About.BMP"), "BMP"));
  // Unreadable files fall back to the built-in picture.
  QFile broken(folder.filePath("intro.bmp"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a picture");
  broken.close();

  EXPECT_EQ(LoadSkinPicture(folder.path(), "about.bmp", "About").size(), QSize(33, 22));
  EXPECT_EQ(LoadSkinPicture(folder.path(), "intro.bmp", "Intro").size(), QSize(280, 280));
  EXPECT_EQ(LoadSkinPicture(folder.path(), "but_up.bmp", "But_Up").size(), QSize(120, 35));
  EXPECT_EQ(LoadSkinPicture(QString(), "about.bmp", "About").size(), QSize(325, 325));
  EXPECT_EQ(LoadSkinPicture(folder.filePath("missing"), "about.bmp", "About").size(), QSize(325, 325));
}

TEST(SkinPictures, TheIconComesInEverySize) {
  const QIcon icon = ApplicationIcon();
  EXPECT_FALSE(icon.isNull());
  EXPECT_EQ(icon.availableSizes().size(), 7);
}

}  // namespace
}  // namespace novlet
