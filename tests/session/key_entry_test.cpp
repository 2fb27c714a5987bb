// Keys to symbols, symbols to cell texts, and the history records they leave.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

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

TEST(GridKeyMap, TheSideAndDisplaySetChooseTheMapAndEachMapReadsItsOwnKeys) {
  using enum TKeyMap;
  const std::tuple<int, int, TKeyMap> maps[] = {{9, 0, Digits},  {9, 1, Letters},  {9, 2, Singapore},
                                                {9, 4, Digits},  {16, 1, Digits},  {10, 2, Digits}};
  for (const auto& [gridSize, displaySet, map] : maps) EXPECT_EQ(KeyMapFor(gridSize, displaySet), map);
  const struct {
    TKeyMap Map;
    int Key;
    int GridSize;
    std::optional<int> Symbol;
  } keys[] = {
      {Digits, Vk1 + 6, 9, 7},                {Digits, VkNumpad1 + 2, 9, 3},          {Digits, LetterKey('Q'), 16, 10},
      {Digits, LetterKey('W'), 16, 16},       {Digits, LetterKey('Q'), 9, {}},        {Digits, Vk1 + 6, 4, {}},
      {Digits, LetterKey('A'), 16, {}},       {Digits, Vk1 - 1, 9, {}},  // "0" is no value
      {Letters, LetterKey('C'), 9, 3},        {Letters, VkNumpad1 + 2, 9, 3},         {Letters, LetterKey('I'), 9, 9},
      {Letters, LetterKey('I'), 6, {}},       {Letters, LetterKey('Q'), 9, {}},       {Singapore, LetterKey('S'), 9, 1},
      {Singapore, LetterKey('A'), 9, 5},      {Singapore, LetterKey('E'), 9, 9},      {Singapore, Vk1 + 3, 9, 4},
      {Singapore, VkNumpad1 + 3, 9, {}},
  };
  for (const auto& k : keys) EXPECT_EQ(KeySymbol(k.Map, k.Key, k.GridSize), k.Symbol) << int(k.Map) << " " << k.Key;
  for (TKeyMap map : {Digits, Letters, Singapore}) {
    for (int key : {VkBack, VkClear, VkSpace, VkDelete}) EXPECT_EQ(KeySymbol(map, key, 4), kClearSymbol);
    for (int key : {VkReturn, VkPause, VkInsert, VkLeft, 0}) EXPECT_EQ(KeySymbol(map, key, 16), std::nullopt);
  }
  // The key of each value, as the solution strip and the tests type it.
  EXPECT_EQ(ValueKeyCode(10), LetterKey('Q'));
  for (int k = 1; k <= 16; ++k) EXPECT_EQ(KeySymbol(Digits, ValueKeyCode(k), 16), k);
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
