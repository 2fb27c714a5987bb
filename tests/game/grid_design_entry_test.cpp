// Keys on the Enter & Design grid: values, clearing, and the given mark.
#include <gtest/gtest.h>

#include "game/grid_design_entry.h"
#include "game/grid_key_codes.h"

namespace novlet {
namespace {

struct TDesignUnderTest {
  TBoard Solution;
  TCellTexts PuzzleTexts;
  TCellTexts Grid;
  TDesignBoards Boards() { return {Solution, PuzzleTexts, Grid}; }
  bool Key(int key, TDesignEntryMode mode) {
    return DesignGridKeyUp(Boards(), 2, 3, key, TKeyMap::Digits, 9, mode);
  }
};

TEST(GridDesignEntry, PuzzleModeMakesEveryValueAGivenAndDeleteRemovesBoth) {
  TDesignUnderTest d;
  EXPECT_TRUE(d.Key(Vk1 + 3, TDesignEntryMode::Puzzle));
  EXPECT_EQ(d.Solution.at(2, 3), 4);
  EXPECT_EQ(d.PuzzleTexts.at(2, 3), "4");
  EXPECT_EQ(d.Grid.at(2, 3), "4");
  EXPECT_FALSE(d.Key(Vk1 + 3, TDesignEntryMode::Puzzle));
  EXPECT_TRUE(d.Key(VkDelete, TDesignEntryMode::Puzzle));
  EXPECT_EQ(d.Solution.at(2, 3), 0);
  EXPECT_EQ(d.PuzzleTexts.at(2, 3), "");
  EXPECT_EQ(d.Grid.at(2, 3), "");
  EXPECT_FALSE(d.Key(VkDelete, TDesignEntryMode::Puzzle));
  EXPECT_FALSE(d.Key(LetterKey('Q'), TDesignEntryMode::Puzzle));
}

TEST(GridDesignEntry, DesignModeKeepsTheMarkOnlyOfGivens) {
  TDesignUnderTest d;
  EXPECT_TRUE(d.Key(Vk1 + 3, TDesignEntryMode::Design));
  EXPECT_EQ(d.PuzzleTexts.at(2, 3), "");
  EXPECT_EQ(d.Grid.at(2, 3), "4");
  d.PuzzleTexts.at(2, 3) = "4";
  EXPECT_TRUE(d.Key(Vk1 + 5, TDesignEntryMode::Design));
  EXPECT_EQ(d.PuzzleTexts.at(2, 3), "6");
  EXPECT_TRUE(d.Key(Vk1, TDesignEntryMode::None));
  EXPECT_EQ(d.Solution.at(2, 3), 1);
  EXPECT_EQ(d.Grid.at(2, 3), "6");  // without a mode only the design board changes
}

TEST(GridDesignEntry, EnterTogglesTheGivenMarkOfACellWithAValue) {
  TDesignUnderTest d;
  EXPECT_FALSE(d.Key(VkReturn, TDesignEntryMode::Design));
  EXPECT_EQ(d.PuzzleTexts.at(2, 3), "");
  d.Solution.at(2, 3) = 6;
  d.Key(VkReturn, TDesignEntryMode::Design);
  EXPECT_EQ(d.PuzzleTexts.at(2, 3), "6");
  d.Key(VkReturn, TDesignEntryMode::Design);
  EXPECT_EQ(d.PuzzleTexts.at(2, 3), "");
}

}  // namespace
}  // namespace novlet
