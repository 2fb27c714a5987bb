// The display sets: alphabets and icon folders, their menu captions, the symbol strip and its scaling.
#include "render/display_set.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "render/display_set_menu.h"
#include "render/display_set_strip.h"
#include "render/render_fixture.h"
#include "render/screen_scale.h"

namespace novlet::test {
namespace {

TDisplaySet Applied(int index, const QString& text, int gridSize, const QString& folder = {}) {
  TDisplaySet displaySet;
  displaySet.Apply(index, text, gridSize, folder);
  return displaySet;
}

QString Symbols(const TDisplaySet& displaySet) {
  QString symbols;
  for (int value = 1; value <= displaySet.GridSize(); ++value) symbols += displaySet.DisplaySetSymbol(value);
  return symbols;
}

TEST(DisplaySet, AlphabetsShowValuesUpToNineAndWideBoardsTheirOwnAlphabet) {
  EXPECT_EQ(Symbols(Applied(0, "123456789", 9)), "123456789");
  EXPECT_EQ(Symbols(Applied(1, "ABCDEFGHI", 6)), "ABCDEF");
  const TDisplaySet singapore = Applied(2, "SINGAPORE", 9);
  EXPECT_EQ(singapore.DisplaySetSymbol(4), "G");
  EXPECT_EQ(singapore.DisplaySetSymbol(9), "E");
  EXPECT_EQ(singapore.DisplaySetSymbol(0), "");
  EXPECT_EQ(singapore.DisplaySetSymbol(10), "");
  for (int index = 0; index <= 2; ++index) {
    const TDisplaySet wide = Applied(index, kSymbolAlphabets[index], 16);
    EXPECT_EQ(Symbols(wide), "123456789QRSTUVW");
    EXPECT_EQ(wide.DisplaySetSymbol(17), "");
  }
  EXPECT_EQ(Symbols(Applied(1, "ABCDEFGHI", 12)), "123456789QRS");
}

TEST(DisplaySet, ListHoldsTheAlphabetsThenTheIconFolders) {
  QTemporaryDir root;
  QDir(root.path()).mkpath("Gems");
  QDir(root.path()).mkpath("Animals");
  QFile loose(root.filePath("readme.txt"));
  ASSERT_TRUE(loose.open(QIODevice::WriteOnly));
  loose.close();
  EXPECT_EQ(FillDisplaySetList(root.path()),
            QStringList({"123456789", "ABCDEFGHI", "SINGAPORE", "Animals", "Gems"}));
  EXPECT_EQ(FillDisplaySetList(root.filePath("missing")), kSymbolAlphabets);
}

TEST(DisplaySet, ACompleteIconFolderLoadsBothSizesFittedToTheListSizeButIsUnusedOnWideBoards) {
  QTemporaryDir root;
  WriteIconSet(root.filePath("Squares"));
  // Icons of other sizes are fitted; a wide picture keeps its proportions,
  // centred on a clear square.
  QImage big(48, 48, QImage::Format_ARGB32);
  big.fill(Qt::blue);
  ASSERT_TRUE(big.save(QDir(root.filePath("Squares")).filePath("02.ico"), "ico"));
  QImage wide(32, 16, QImage::Format_ARGB32);
  wide.fill(Qt::red);
  ASSERT_TRUE(wide.save(QDir(root.filePath("Squares")).filePath("03s.ico"), "ico"));
  const TDisplaySet icons = Applied(3, "Squares", 9, root.path());
  ASSERT_TRUE(icons.UsesIcons());
  EXPECT_EQ(icons.SelectedIndex(), 3);
  EXPECT_EQ(icons.DisplaySet(), "Squares");
  for (int index = 0; index <= 9; ++index) {
    ASSERT_NE(icons.LargeIcon(index), nullptr);
    ASSERT_NE(icons.SmallIcon(index), nullptr);
    EXPECT_EQ(icons.LargeIcon(index)->size(), QSize(32, 32));
    EXPECT_EQ(icons.SmallIcon(index)->size(), QSize(16, 16));
  }
  EXPECT_EQ(icons.LargeIcon(10), nullptr);
  EXPECT_EQ(icons.DisplaySetSymbol(3), "3") << "where a symbol is still wanted, the digit";
  EXPECT_EQ(icons.LargeIcon(2)->pixelColor(16, 16), QColor(Qt::blue));
  EXPECT_EQ(icons.SmallIcon(3)->pixelColor(8, 1).alpha(), 0);
  EXPECT_EQ(icons.SmallIcon(3)->pixelColor(8, 8), QColor(Qt::red));

  const TDisplaySet onWide = Applied(3, "Squares", 12, root.path());
  EXPECT_EQ(onWide.SelectedIndex(), 3);
  EXPECT_EQ(onWide.DisplaySet(), "Squares");
  EXPECT_FALSE(onWide.UsesIcons());
  EXPECT_EQ(onWide.LargeIcon(1), nullptr);
  EXPECT_EQ(Symbols(onWide), "123456789QRS");
}

TEST(DisplaySet, IncompleteOrUnreadableIconFolderFallsBackToDigits) {
  QTemporaryDir root;
  WriteIconSet(root.filePath("NoSmallFive"), "05s.ico");
  WriteIconSet(root.filePath("Broken"));
  QFile broken(QDir(root.filePath("Broken")).filePath("07.ico"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
  broken.write("not an icon");
  broken.close();
  for (const QString& folder : {QString("NoSmallFive"), QString("Broken"), QString("Missing")}) {
    const TDisplaySet displaySet = Applied(4, folder, 9, root.path());
    EXPECT_EQ(displaySet.SelectedIndex(), 0) << folder.toStdString();
    EXPECT_EQ(displaySet.DisplaySet(), "123456789");
    EXPECT_FALSE(displaySet.UsesIcons());
    EXPECT_EQ(displaySet.SmallIcon(1), nullptr);
    EXPECT_EQ(Symbols(displaySet), "123456789");
  }
}

TEST(DisplaySet, ShippedIconSetsAreCompleteAndTellTheirValuesApart) {
  const QStringList items = FillDisplaySetList(NOVLET_DISPLAY_SETS_DIR);
  ASSERT_GE(items.size(), kFirstIconSetIndex + 2);
  for (int index = kFirstIconSetIndex; index < items.size(); ++index) {
    const TDisplaySet icons = Applied(index, items[index], 9, NOVLET_DISPLAY_SETS_DIR);
    ASSERT_TRUE(icons.UsesIcons()) << items[index].toStdString();
    for (int a = 0; a <= 9; ++a) {
      for (int b = a + 1; b <= 9; ++b) EXPECT_NE(*icons.SmallIcon(a), *icons.SmallIcon(b)) << a << " " << b;
    }
  }
}

TEST(DisplaySetMenu, CaptionsFollowTheAlphabetAndTheKeys) {
  const TDisplaySet letters = Applied(1, "ABCDEFGHI", 9);
  EXPECT_EQ(ValueMenuCaption(letters, 0), "[ ]");
  EXPECT_EQ(PencilNoteMenuCaption(letters, 0), "[ ]");
  EXPECT_EQ(ValueMenuCaption(letters, 3), "C");
  EXPECT_EQ(PencilNoteMenuCaption(letters, 3), "C  (Ctrl+C)");
  EXPECT_EQ(ValueMenuCaption(letters, 12), "S");
  EXPECT_EQ(PencilNoteMenuCaption(letters, 16), "W  (Ctrl+W)");

  const TDisplaySet wide = Applied(2, "SINGAPORE", 16);
  EXPECT_EQ(ValueMenuCaption(wide, 1), "1");
  EXPECT_EQ(PencilNoteMenuCaption(wide, 9), "9  (Ctrl+9)");
  EXPECT_EQ(ValueMenuCaption(wide, 10), "Q");

  QTemporaryDir root;
  WriteIconSet(root.filePath("Squares"));
  const TDisplaySet icons = Applied(3, "Squares", 9, root.path());
  EXPECT_EQ(ValueMenuCaption(icons, 4), "4");
  EXPECT_EQ(PencilNoteMenuCaption(icons, 4), "4  (Ctrl+4)");
}

TEST(DisplaySetStrip, SlotWidthsAndFontSizesFollowTheScreenModeAndClicksMapToTheSlotsDrawn) {
  for (int mode : {0, 2, 5}) EXPECT_EQ(SymbolStripCellWidth(mode), 27);
  for (int mode : {3, 6}) EXPECT_EQ(SymbolStripCellWidth(mode), 33);
  for (int mode : {4, 7}) EXPECT_EQ(SymbolStripCellWidth(mode), 43);
  EXPECT_EQ(ScaleForScreen(12, 0), 12);
  EXPECT_EQ(ScaleForScreen(12, 3), 15);
  EXPECT_EQ(ScaleForScreen(6, 7), 10);
  EXPECT_EQ(ScaleForScreen(10, 6), 12) << "12.5 rounds to even";
  EXPECT_EQ(ScaleForScreen(6, 3), 8) << "7.5 rounds to even";
  EXPECT_EQ(StripSlotWidth(255, 16, 0), 15);
  EXPECT_EQ(StripValueAt(0, 255, 16, 0), 1);
  EXPECT_EQ(StripValueAt(239, 255, 16, 0), 16);
  EXPECT_EQ(StripValueAt(240, 255, 16, 0), 0);
  EXPECT_EQ(StripValueAt(26, 255, 9, 0), 1);
  EXPECT_EQ(StripValueAt(27, 255, 9, 0), 2);
  EXPECT_EQ(StripValueAt(4 * 27, 255, 4, 0), 0) << "past the last of four slots";
  EXPECT_EQ(StripValueAt(4 * 43 - 1, 408, 4, 4), 4);
  EXPECT_EQ(StripValueAt(-1, 255, 9, 0), 0);
}

TEST(DisplaySetStrip, PaintsOneSymbolPerSlotAndNothingBeyond) {
  const QColor window(0xD4, 0xD0, 0xC8);
  for (const auto& [index, text, gridSize] :
       {std::tuple{0, "123456789", 4}, std::tuple{1, "ABCDEFGHI", 9}, std::tuple{0, "123456789", 16}}) {
    const TDisplaySet displaySet = Applied(index, text, gridSize);
    QImage strip(255, 16, QImage::Format_RGB32);
    QPainter painter(&strip);
    PaintDisplaySetStrip(painter, strip.size(), displaySet, QFont("Verdana", 8), window, 0);
    painter.end();
    const int slotWidth = StripSlotWidth(255, gridSize, 0);
    for (int slot = 0; slot < gridSize; ++slot) {
      EXPECT_GT(CountPixels(strip, QRect(slot * slotWidth + 1, 1, slotWidth - 1, 14), Qt::black, 60), 4)
          << text << " slot " << slot;
    }
    const QRect beyond(gridSize * slotWidth + 2, 1, 255 - gridSize * slotWidth - 4, 14);
    if (beyond.width() > 0) {
      EXPECT_EQ(CountPixels(strip, beyond, window, 0), beyond.width() * beyond.height());
    }
  }
}

}  // namespace
}  // namespace novlet::test
