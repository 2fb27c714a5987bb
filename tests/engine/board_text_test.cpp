// The geometry, the cell-text vocabulary, the board's text forms and the small board operations.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "board_literals.h"
#include "engine/board_text.h"
#include "engine/cell_text.h"

namespace novlet {
namespace {

TGeometry Shape(int boxWidth, int boxHeight) {
  TGeometry g;
  g.SetBoxShape(boxWidth, boxHeight);
  return g;
}

TEST(Geometry, DerivedFieldsAndBoxCellsFollowTheShape) {
  const TGeometry g = Shape(3, 2);  // 6 x 6, boxes three wide and two high
  EXPECT_EQ(std::tuple(g.GridSize, g.BoxesAcross, g.BoxesDown, g.LineSum), std::tuple(6, 2, 3, 21));
  // Box (2, 3): columns 4..6, rows 5..6; position 4 starts its second row.
  EXPECT_EQ(std::pair(g.BoxCellColumn(2, 4), g.BoxCellRow(3, 4)), std::pair(4, 6));
  EXPECT_EQ(std::pair(g.BoxCellColumn(2, 3), g.BoxCellRow(3, 3)), std::pair(6, 5));
  EXPECT_EQ(Shape(4, 4).LineSum, 136);
  const TGeometry unknown = Shape(5, 5);
  EXPECT_EQ(std::tuple(unknown.BoxWidth, unknown.BoxHeight, unknown.GridSize), std::tuple(3, 3, 9));
}

// Reading values, the hex board text and the validity test are compared with
// the literal model on many random and damaged texts and boards; here, the
// forms the model cannot vouch for.
TEST(TextValue, WritesDecimalTextsAndDeducedMarks) {
  for (const auto& [value, decimal, mark] : {std::tuple(7, "7", "$07"), {12, "12", "$0C"}, {16, "16", "$10"}}) {
    EXPECT_EQ(DecimalText(value), decimal);
    EXPECT_EQ(DeducedMark(value), mark);
    EXPECT_EQ(TextToValue(mark), value);
  }
  EXPECT_EQ(DecimalText(0), "");
}

TEST(CellText, ListsAreReadWithinTheBoardAndMarksAndValuesAreNoLists) {
  EXPECT_EQ(ListedValues("1,4,7", 9), (std::vector<int>{1, 4, 7}));
  EXPECT_EQ(ListedValues("11,1,", 16), (std::vector<int>{11, 1}));
  EXPECT_EQ(ListedValues("$0C", 16), (std::vector<int>{12}));
  EXPECT_EQ(ListedValues("$0C", 9), (std::vector<int>{}));
  EXPECT_EQ(ListedValues("3,x,12,", 9), (std::vector<int>{3}));
  EXPECT_TRUE(HoldsValueList("8,2,"));
  EXPECT_TRUE(HoldsValueList("2,8"));
  EXPECT_FALSE(HoldsValueList("$0C,")) << "a deduced mark is one value, whatever follows it";
  EXPECT_FALSE(HoldsValueList("12"));
  EXPECT_TRUE(IsGivenText("12", 12));
  EXPECT_FALSE(IsGivenText("", 0));
  EXPECT_FALSE(IsGivenText("$0C", 12));
}

TEST(HexBoardText, CellTextsAreReadAsValuesFirstAndReadBackIntoEveryCell) {
  const TGeometry four = Shape(2, 2);
  const TCellTexts texts = TextsFromRows({"1 $02 3,1, 1,4", ". 12 x ."});
  TCellTexts back;
  back.at(1, 1) = "stale";
  HexToTexts(four, TextsToHex(four, texts), back);
  EXPECT_EQ(back, TextsFromRows({"1 2 . .", ". 12 . .", ". . . .", ". . . ."}));
}

TEST(BoardTexts, ConvertBetweenValuesAndTextsAndOnlyTheClearOperationsReachBeyondTheBoard) {
  const TGeometry four = Shape(2, 2);
  TCellTexts texts;
  BoardToTexts(four, BoardFromRows({"1 . 3 .", ". . . 4"}), texts);
  EXPECT_EQ(texts, TextsFromRows({"1 . 3 .", ". . . 4"}));
  TBoard board;
  TextsToBoard(four, TextsFromRows({"$01 2,3 3, .", ". . x 4"}), board);
  EXPECT_EQ(board, BoardFromRows({"1 . . .", ". . . 4"}));

  board.at(5, 5) = 9;
  ClearBox(four, board, 1, 1);
  EXPECT_EQ(board, BoardFromRows({". . . .", ". . . 4", ". . . .", ". . . .", ". . . . 9"}));
  ClearBoard(board);
  EXPECT_EQ(board, TBoard());
  texts.at(16, 16) = "7";
  EXPECT_EQ(CountEmptyTexts(four, texts), 13);
  ClearCellTexts(texts);
  EXPECT_EQ(texts, TCellTexts());
}

TEST(PencilNoteRecord, HoldsOneFieldPerCellOfNotesOnlyAndRestoresThemIntoEmptyCells) {
  TCellTexts grid;
  EXPECT_EQ(GridNotesToText(Shape(3, 3), grid), std::string(81, '|'));
  grid.at(2, 1) = "5,";
  grid.at(1, 1) = "7";  // an entry, not a note
  grid.at(9, 9) = "3,1,";
  EXPECT_EQ(GridNotesToText(Shape(3, 3), grid), "|5,|" + std::string(78, '|') + "3,1,|");

  const TGeometry four = Shape(2, 2);
  grid = TextsFromRows({"1 . . .", ". . . ."});
  TextToGridNotes(four, "2,|3,|4,1,||", grid);
  EXPECT_EQ(grid, TextsFromRows({"1 3, 4,1, .", ". . . ."}));
  const TCellTexts untouched = grid;
  TextToGridNotes(four, "", grid);
  TextToGridNotes(four, "no fields", grid);
  EXPECT_EQ(grid, untouched);
  // A record longer than the board fills the board and stops.
  TCellTexts empty;
  TextToGridNotes(four, std::string(40, '|') + "9,|", empty);
  EXPECT_EQ(empty, TCellTexts());
}

TEST(BoardChecks, CountValuesAndMarksInLinesWhereTheSumTestsOnlyAddUp) {
  const TGeometry four = Shape(2, 2);
  EXPECT_TRUE(BoardFull(four, BoardFromRows({"1 2 3 4", "3 4 1 2", "2 1 4 3", "4 3 2 1"})));
  const TBoard repeating = BoardFromRows({"1 4 1 4", "4 1 4 1", "1 4 1 4", "4 1 4 1"});
  EXPECT_FALSE(BoardLinesValid(four, repeating));
  EXPECT_TRUE(RowSumValid(four, repeating, 1));
  EXPECT_TRUE(ColumnSumValid(four, repeating, 2));

  const TBoard board = BoardFromRows({"1 . 1 .", "2 . . .", "1 . . ."});
  EXPECT_EQ(CountInRow(four, board, 1, 1), 2);
  EXPECT_EQ(CountInColumn(four, board, 1, 1), 2);
  EXPECT_EQ(CountInColumn(four, board, 2, 1), 1);
  EXPECT_EQ(CountInRow(four, board, 3, 1), 0);
  const TCellTexts texts = TextsFromRows({"$03 3 $03 3,4", "$0C . . ."});
  EXPECT_EQ(CountMarkInRow(four, texts, 3, 1), 2);
  EXPECT_EQ(CountMarkInColumn(four, texts, 3, 1), 1);
  EXPECT_EQ(CountMarkInColumn(four, texts, 12, 1), 1);
}

TEST(BoardChecks, GridComparisonsAgainstTheSolution) {
  const TGeometry four = Shape(2, 2);
  const TBoard solution = BoardFromRows({"1 2 3 4", "3 4 1 2", "2 1 4 3", "4 3 2 1"});
  TCellTexts grid;
  BoardToTexts(four, solution, grid);
  EXPECT_TRUE(GridMatchesBoard(four, solution, grid));
  EXPECT_EQ(CountGridMismatches(four, solution, grid), 0);
  grid.at(1, 1) = "";
  grid.at(2, 1) = "2,";
  grid.at(3, 1) = "4";
  EXPECT_FALSE(GridMatchesBoard(four, solution, grid));
  EXPECT_EQ(CountGridMismatches(four, solution, grid), 3);
  // An empty board cell reads "0", which no visible text equals.
  EXPECT_FALSE(GridMatchesBoard(four, TBoard(), TCellTexts()));
  EXPECT_TRUE(TextsEqual(four, grid, grid));
  EXPECT_FALSE(TextsFull(four, grid));
}

}  // namespace
}  // namespace novlet
