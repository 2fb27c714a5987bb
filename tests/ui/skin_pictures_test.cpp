// The skin bitmaps: built-in pictures, loose files that override them, and the program icon.
#include "ui/skin_pictures.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace novlet {
namespace {

// The button and background families at their three sizes are what the
// screen scaler puts on, and are checked there.
TEST(SkinPictures, NamesOfAnyCaseFindTheBuiltInPicturesAndTheIconComesInEverySize) {
  EXPECT_EQ(LoadResourceBitmap("Intro").size(), QSize(280, 280));
  EXPECT_EQ(LoadResourceBitmap("About").size(), QSize(325, 325));
  EXPECT_FALSE(LoadResourceBitmap("bUT_uP").isNull()) << "names are not case-sensitive";
  EXPECT_TRUE(LoadResourceBitmap("But_Up_sm12x9").isNull());
  EXPECT_TRUE(LoadResourceBitmap("").isNull());
  EXPECT_EQ(ApplicationIcon().availableSizes().size(), 7);
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

}  // namespace
}  // namespace novlet
