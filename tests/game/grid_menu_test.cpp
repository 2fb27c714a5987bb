// The grid menu's items, the box-shape menu, and the reading of an
// alternatives text.
#include <gtest/gtest.h>

#include <QAction>
#include <QRegularExpression>

#include "game/grid_popup_menu.h"
#include "game/grid_shape_menu.h"
#include "session/key_codes.h"

namespace novlet {
namespace {

TEST(GridMenu, ItemNamesAndTheKeysTheyStandFor) {
  EXPECT_EQ(GridMenuItemName(false, 0), "N01");
  EXPECT_EQ(GridMenuItemName(false, 9), "N91");
  EXPECT_EQ(GridMenuItemName(false, 10), "NA1");
  EXPECT_EQ(GridMenuItemName(true, 16), "PG2");
  EXPECT_EQ(GridMenuItemKey("N01"), VkClear);
  EXPECT_EQ(GridMenuItemKey("N71"), Vk1 + 6);
  EXPECT_EQ(GridMenuItemKey("PA2"), LetterKey('Q'));
  EXPECT_EQ(GridMenuItemKey("NG1"), LetterKey('W'));
  EXPECT_EQ(GridMenuItemKey("Solution_1"), 0);
  EXPECT_EQ(GridMenuItemKey("NZ1"), 0);
}

TEST(GridMenu, FollowsTheDisplaySetAndTheBoardSide) {
  TGridPopupMenu menu;
  TDisplaySet letters;
  letters.Apply(1, kSymbolAlphabets[1], 6, {});
  menu.ApplyDisplaySet(letters);
  EXPECT_EQ(menu.ValueItem(3)->text(), "C");
  EXPECT_EQ(menu.PencilNoteItem(1)->text(), "A  (Ctrl+A)");
  EXPECT_TRUE(menu.ValueItem(6)->isVisible());
  EXPECT_FALSE(menu.ValueItem(7)->isVisible());
  EXPECT_FALSE(menu.PencilNoteItem(0)->isVisible());

  TDisplaySet wide;
  wide.Apply(1, kSymbolAlphabets[1], 16, {});
  menu.ApplyDisplaySet(wide);
  EXPECT_EQ(menu.ValueItem(3)->text(), "3");
  EXPECT_EQ(menu.ValueItem(16)->text(), "W");
  EXPECT_TRUE(menu.ValueItem(16)->isVisible());

  QAction* clicked = nullptr;
  QObject::connect(&menu, &TGridPopupMenu::itemClicked, [&clicked](QAction* item) { clicked = item; });
  menu.PencilNoteItem(5)->trigger();
  EXPECT_EQ(clicked, menu.PencilNoteItem(5));
  menu.SetPencilNoteVisible(false);
  EXPECT_FALSE(menu.PencilNote()->menuAction()->isVisible());
}

TEST(GridShapeMenu, OffersTheNineteenShapesUnderTheirNames) {
  TGridShapeMenu menu;
  EXPECT_EQ(menu.findChildren<QAction*>(QRegularExpression("^S\\dX\\d$")).size(), 19);
  std::pair<int, int> chosen;
  QObject::connect(&menu, &TGridShapeMenu::shapeChosen, [&chosen](int width, int height) { chosen = {width, height}; });
  QAction* variant = menu.findChild<QAction*>("S8X2");
  ASSERT_NE(variant, nullptr);
  EXPECT_EQ(variant->text(), "8 x 2");
  variant->trigger();
  EXPECT_EQ(chosen, std::make_pair(8, 2));
  EXPECT_EQ(ShapeOfMenuItem("S8X2"), std::make_pair(8, 2));
  EXPECT_EQ(ShapeOfMenuItem("S9X9"), std::make_pair(3, 3));
}

}  // namespace
}  // namespace novlet
