// One propagation pass: the alternatives lists, the deduced marks and what they block.
#include <gtest/gtest.h>

#include "board_literals.h"
#include "engine/board_text.h"
#include "engine_kinds.h"

namespace novlet {
namespace {

template <typename Engine>
class Alternatives : public ::testing::Test {
 protected:
  // One pass on a 4 x 4 board (2 x 2 boxes) from the given texts.
  bool Pass(TCellTexts& texts) {
    engine.SetBoxShape(2, 2);
    return engine.ComputeAlternatives(board, texts);
  }

  Engine engine;
  TBoard board;
};
TYPED_TEST_SUITE(Alternatives, EngineKinds, EngineKindNames);

TYPED_TEST(Alternatives, ListsEveryPossibleValueAscending) {
  TCellTexts texts = TextsFromRows({"1 . . .", ". . . .", ". . . .", ". . . ."});
  EXPECT_TRUE(this->Pass(texts));
  EXPECT_EQ(texts, TextsFromRows({"$01   2,3,4   2,3,4   2,3,4",      //
                                  "2,3,4 2,3,4   1,2,3,4 1,2,3,4",    //
                                  "2,3,4 1,2,3,4 1,2,3,4 1,2,3,4",    //
                                  "2,3,4 1,2,3,4 1,2,3,4 1,2,3,4"}));
  EXPECT_EQ(this->board, BoardFromRows({"1"}));
}

TYPED_TEST(Alternatives, MarksTheOnlyValueLeftAndEveryPlacedValueAndRecomputesNotesAndOldLists) {
  TCellTexts texts = TextsFromRows({"1 2 3 4,", "3,4 . . .", ". . . .", ". . . ."});
  this->Pass(texts);
  EXPECT_EQ(this->board, BoardFromRows({"1 2 3 ."}));
  EXPECT_EQ(texts.at(1, 1) + texts.at(2, 1) + texts.at(3, 1) + texts.at(4, 1), "$01$02$03$04");
  EXPECT_EQ(texts.at(1, 2), "3,4");
  // The next pass places it.
  this->Pass(texts);
  EXPECT_EQ(this->board, BoardFromRows({"1 2 3 4"}));
}

TYPED_TEST(Alternatives, ALaterValueWithTheSameSinglePlaceWinsAndACellWithNoValueIsLeftEmpty) {
  // In the top-left box 3 and 4 can both only go to (1, 1).
  TCellTexts texts = TextsFromRows({". . . .", ". . 3 4", ". 3 . .", ". 4 . ."});
  this->Pass(texts);
  EXPECT_EQ(texts.at(1, 1), "$04");
  this->Pass(texts);
  EXPECT_EQ(this->board.at(1, 1), 4);

  // (4, 4) sees 1 and 2 in its row, 3 in its column, 4 in its box.
  texts = TextsFromRows({". . . 3", ". . . .", ". . 4 .", "1 2 . ."});
  this->Pass(texts);
  EXPECT_EQ(texts.at(4, 4), "");
  TGeometry four;
  four.SetBoxShape(2, 2);
  EXPECT_FALSE(TextsFull(four, texts));
}

TYPED_TEST(Alternatives, AMarkBlocksItsValueInTheBoxesAfterIt) {
  // The top-left box deduces 4 at (2, 2); in the same pass 4 is then gone from
  // row 2 of the box to its right.
  TCellTexts texts = TextsFromRows({"1 2 . .", "3 . . .", ". . . .", ". . . ."});
  this->Pass(texts);
  EXPECT_EQ(texts.at(2, 2), "$04");
  EXPECT_EQ(texts.at(3, 2), "1,2");
  EXPECT_EQ(texts.at(4, 2), "1,2");
  EXPECT_EQ(texts.at(3, 1), "3,4");
}

TYPED_TEST(Alternatives, AFullBoardEndsWithAMarkInEveryCellAndAnEmptyOneOfSixteenListsAllValues) {
  TCellTexts texts = TextsFromRows({"1 2 3 4", "3 4 1 2", "2 1 4 3", "4 3 2 1"});
  EXPECT_TRUE(this->Pass(texts));
  EXPECT_EQ(texts, TextsFromRows({"$01 $02 $03 $04", "$03 $04 $01 $02", "$02 $01 $04 $03", "$04 $03 $02 $01"}));

  this->engine.SetBoxShape(4, 4);
  texts = TCellTexts();
  this->board = TBoard();
  EXPECT_TRUE(this->engine.ComputeAlternatives(this->board, texts));
  EXPECT_EQ(texts.at(16, 16), "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16");
  EXPECT_EQ(texts.at(1, 1), texts.at(16, 16));
}

}  // namespace
}  // namespace novlet
