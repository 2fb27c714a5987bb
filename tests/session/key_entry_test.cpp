// Keys to symbols, symbols to cell texts, and the history records they leave.
#include <gtest/gtest.h>

#include <string>

#include "session/cell_entry.h"
#include "session/grid_history.h"
#include "session/key_codes.h"
#include "session/key_map.h"

namespace novlet {
namespace {

// Plays keys on one cell as the Play & Solve grid would, Ctrl marking notes.
struct TCellUnderKeys {
  TKeyMap Map = TKeyMap::Digits;
  int GridSize = 9;
  std::string Text;

  void Press(int key, bool ctrl = false) {
    const auto symbol = KeySymbol(Map, key, GridSize);
    if (!symbol) return;
    if (auto entered = EnteredCellText(Text, *symbol, ctrl)) Text = *entered;
  }
};

TEST(GridKeyMap, ChoosesTheMapBySideAndDisplaySet) {
  EXPECT_EQ(KeyMapFor(9, 0), TKeyMap::Digits);
  EXPECT_EQ(KeyMapFor(9, 1), TKeyMap::Letters);
  EXPECT_EQ(KeyMapFor(9, 2), TKeyMap::Singapore);
  EXPECT_EQ(KeyMapFor(9, 4), TKeyMap::Digits);
  EXPECT_EQ(KeyMapFor(16, 1), TKeyMap::Digits);
  EXPECT_EQ(KeyMapFor(10, 2), TKeyMap::Digits);
}

TEST(GridKeyMap, DigitsMapTakesDigitsKeypadAndQToW) {
  EXPECT_EQ(KeySymbol(TKeyMap::Digits, Vk1 + 6, 9), 7);
  EXPECT_EQ(KeySymbol(TKeyMap::Digits, VkNumpad1 + 2, 9), 3);
  EXPECT_EQ(KeySymbol(TKeyMap::Digits, LetterKey('Q'), 16), 10);
  EXPECT_EQ(KeySymbol(TKeyMap::Digits, LetterKey('W'), 16), 16);
  EXPECT_EQ(KeySymbol(TKeyMap::Digits, LetterKey('Q'), 9), std::nullopt);  // above N
  EXPECT_EQ(KeySymbol(TKeyMap::Digits, Vk1 + 6, 4), std::nullopt);
  EXPECT_EQ(KeySymbol(TKeyMap::Digits, LetterKey('A'), 16), std::nullopt);
  EXPECT_EQ(KeySymbol(TKeyMap::Digits, Vk1 - 1, 9), std::nullopt);  // "0" is no value
}

TEST(GridKeyMap, LetterMapsAddTheirLettersAndSingaporeDropsTheKeypad) {
  EXPECT_EQ(KeySymbol(TKeyMap::Letters, LetterKey('C'), 9), 3);
  EXPECT_EQ(KeySymbol(TKeyMap::Letters, VkNumpad1 + 2, 9), 3);
  EXPECT_EQ(KeySymbol(TKeyMap::Letters, LetterKey('I'), 9), 9);
  EXPECT_EQ(KeySymbol(TKeyMap::Letters, LetterKey('I'), 6), std::nullopt);
  EXPECT_EQ(KeySymbol(TKeyMap::Letters, LetterKey('Q'), 9), std::nullopt);
  EXPECT_EQ(KeySymbol(TKeyMap::Singapore, LetterKey('S'), 9), 1);
  EXPECT_EQ(KeySymbol(TKeyMap::Singapore, LetterKey('A'), 9), 5);
  EXPECT_EQ(KeySymbol(TKeyMap::Singapore, LetterKey('E'), 9), 9);
  EXPECT_EQ(KeySymbol(TKeyMap::Singapore, Vk1 + 3, 9), 4);
  EXPECT_EQ(KeySymbol(TKeyMap::Singapore, VkNumpad1 + 3, 9), std::nullopt);
}

TEST(GridKeyMap, ClearingKeysGiveTheClearSymbolInEveryMap) {
  for (TKeyMap map : {TKeyMap::Digits, TKeyMap::Letters, TKeyMap::Singapore}) {
    for (int key : {VkBack, VkClear, VkSpace, VkDelete}) EXPECT_EQ(KeySymbol(map, key, 4), kClearSymbol);
    for (int key : {VkReturn, VkPause, VkInsert, VkLeft, 0}) EXPECT_EQ(KeySymbol(map, key, 16), std::nullopt);
  }
}

TEST(GridKeyMap, ValueKeyCodesAreDigitsThenQToW) {
  EXPECT_EQ(ValueKeyCode(1), Vk1);
  EXPECT_EQ(ValueKeyCode(9), Vk1 + 8);
  EXPECT_EQ(ValueKeyCode(10), LetterKey('Q'));
  EXPECT_EQ(ValueKeyCode(16), LetterKey('W'));
  for (int k = 1; k <= 16; ++k) EXPECT_EQ(KeySymbol(TKeyMap::Digits, ValueKeyCode(k), 16), k);
}

TEST(GridCellEntry, WideNotesAreMatchedAsWholeItems) {
  TCellUnderKeys cell;
  cell.GridSize = 16;
  cell.Press(LetterKey('W'), true);
  cell.Press(LetterKey('Q'), true);
  EXPECT_EQ(cell.Text, "16,10,");
  cell.Press(LetterKey('Q'), true);
  EXPECT_EQ(cell.Text, "16,");
  cell.Text = "11,";
  cell.Press(Vk1, true);
  EXPECT_EQ(cell.Text, "11,1,");
  cell.Press(Vk1, true);
  EXPECT_EQ(cell.Text, "11,");
  cell.Text = "1,11,";
  cell.Press(Vk1, true);
  EXPECT_EQ(cell.Text, "11,");
}

TEST(GridHistory, RecordsGoInFrontAndComeBackNewestFirst) {
  std::string history;
  PushHistoryRecord(history, 3, 7, "");
  EXPECT_EQ(history, "3,7=|");
  PushHistoryRecord(history, 3, 7, "1,5,");
  EXPECT_EQ(history, "3,7=1,5,|3,7=|");
  EXPECT_TRUE(HasHistoryRecord(history));

  auto newest = PopHistoryRecord(history);
  ASSERT_TRUE(newest);
  EXPECT_EQ(newest->Column, 3);
  EXPECT_EQ(newest->Row, 7);
  EXPECT_EQ(newest->PreviousText, "1,5,");
  auto oldest = PopHistoryRecord(history);
  ASSERT_TRUE(oldest);
  EXPECT_EQ(oldest->PreviousText, "");
  EXPECT_EQ(history, "");
  EXPECT_FALSE(PopHistoryRecord(history));
}

TEST(GridHistory, AMalformedRecordIsCutOffWithoutACell) {
  std::string history = "x,7=5|12,16=16|";
  auto bad = PopHistoryRecord(history);
  ASSERT_TRUE(bad);
  EXPECT_EQ(bad->Column, 0);
  EXPECT_EQ(history, "12,16=16|");
  auto good = PopHistoryRecord(history);
  EXPECT_EQ(good->Column, 12);
  EXPECT_EQ(good->Row, 16);
  EXPECT_EQ(good->PreviousText, "16");
  std::string noBar = "3,7=";
  EXPECT_FALSE(PopHistoryRecord(noBar));
  EXPECT_EQ(noBar, "3,7=");
}

}  // namespace
}  // namespace novlet
