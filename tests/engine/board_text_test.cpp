#include <gtest/gtest.h>

#include <string>

#include "board_literals.h"
#include "engine/board_text.h"

namespace novlet {
namespace {

TGeometry Shape(int boxWidth, int boxHeight) {
  TGeometry g;
  g.SetBoxShape(boxWidth, boxHeight);
  return g;
}

TEST(TextValue, ReadsDecimalValuesAndHexMarksOnly) {
  EXPECT_EQ(TextToValue("7"), 7);
  EXPECT_EQ(TextToValue("12"), 12);
  EXPECT_EQ(TextToValue("$07"), 7);
  EXPECT_EQ(TextToValue("$0C"), 12);
  EXPECT_EQ(TextToValue("$10"), 16);
  // Notes, lists, empty and broken texts are no value.
  EXPECT_EQ(TextToValue(""), 0);
  EXPECT_EQ(TextToValue("7,"), 0);
  EXPECT_EQ(TextToValue("1,3"), 0);
  EXPECT_EQ(TextToValue("3,1,"), 0);
  EXPECT_EQ(TextToValue("$"), 0);
  EXPECT_EQ(TextToValue("$1G"), 0);
  EXPECT_EQ(TextToValue("x"), 0);
  EXPECT_EQ(TextToValue("99999999999999999999"), 0);
}

TEST(TextValue, WritesDecimalTextsAndDeducedMarks) {
  EXPECT_EQ(DecimalText(7), "7");
  EXPECT_EQ(DecimalText(16), "16");
  EXPECT_EQ(DeducedMark(7), "$07");
  EXPECT_EQ(DeducedMark(12), "$0C");
  EXPECT_EQ(DeducedMark(16), "$10");
}

TEST(HexBoardText, HasTwoUpperCaseDigitsPerCellRowByRow) {
  const TGeometry nine = Shape(3, 3);
  TBoard board;
  EXPECT_EQ(BoardToHex(nine, board), std::string(162, '0'));
  EXPECT_EQ(BoardToHex(Shape(4, 4), board), std::string(512, '0'));

  const TGeometry sixteen = Shape(4, 4);
  board.at(2, 1) = 12;
  board.at(1, 2) = 16;
  board.at(16, 16) = 9;
  const std::string hex = BoardToHex(sixteen, board);
  // Cell (c, r) starts at ((r - 1) * N + c) * 2 - 1, counting from 1.
  EXPECT_EQ(hex.substr(2, 2), "0C");
  EXPECT_EQ(hex.substr(32, 2), "10");
  EXPECT_EQ(hex.substr(510, 2), "09");

  TBoard back;
  HexToBoard(sixteen, hex, back);
  EXPECT_EQ(back, board);
}

TEST(HexBoardText, DamagedTextsReadAsEmptyCellsWithoutHarm) {
  const TGeometry nine = Shape(3, 3);
  std::string hex(162, '0');
  hex.replace(0, 6, "0cZ105");
  TBoard board;
  HexToBoard(nine, hex, board);
  EXPECT_EQ(board.at(1, 1), 12);  // read as "$0c"
  EXPECT_EQ(board.at(2, 1), 0);   // "Z1" is no number
  EXPECT_EQ(board.at(3, 1), 5);

  // A text cut short leaves the cells it does not reach empty.
  board.at(9, 9) = 4;
  HexToBoard(nine, "0102", board);
  EXPECT_EQ(board.at(1, 1), 1);
  EXPECT_EQ(board.at(2, 1), 2);
  EXPECT_EQ(board.at(3, 1), 0);
  EXPECT_EQ(board.at(9, 9), 0);
  HexToBoard(nine, "", board);
  EXPECT_EQ(board, TBoard());
}

TEST(HexBoardText, CellTextsAreReadAsValuesFirst) {
  const TGeometry four = Shape(2, 2);
  const TCellTexts texts = TextsFromRows({"1 $02 3,1, 1,4", ". 12 x ."});
  EXPECT_EQ(TextsToHex(four, texts).substr(0, 16), "01020000" "000C0000");

  TCellTexts back;
  back.at(1, 1) = "stale";
  HexToTexts(four, TextsToHex(four, texts), back);
  EXPECT_EQ(back, TextsFromRows({"1 2 . .", ". 12 . .", ". . . .", ". . . ."}));
}

TEST(BoardTexts, ConvertBetweenValuesAndTexts) {
  const TGeometry four = Shape(2, 2);
  const TBoard board = BoardFromRows({"1 . 3 .", ". . . 4"});
  TCellTexts texts;
  BoardToTexts(four, board, texts);
  EXPECT_EQ(texts, TextsFromRows({"1 . 3 .", ". . . 4"}));

  TBoard read;
  TextsToBoard(four, TextsFromRows({"$01 2,3 3, .", ". . x 4"}), read);
  EXPECT_EQ(read, BoardFromRows({"1 . . .", ". . . 4"}));
}

TEST(BoardTexts, OnlyTheClearOperationsReachBeyondTheBoard) {
  const TGeometry four = Shape(2, 2);
  TBoard board;
  board.at(5, 5) = 9;
  board.at(2, 2) = 3;
  ClearBox(four, board, 1, 1);
  EXPECT_EQ(board.at(2, 2), 0);
  EXPECT_EQ(board.at(5, 5), 9);
  EXPECT_TRUE(BoardFull(four, BoardFromRows({"1 2 3 4", "3 4 1 2", "2 1 4 3", "4 3 2 1"})));
  ClearBoard(board);
  EXPECT_EQ(board, TBoard());

  TCellTexts texts;
  texts.at(16, 16) = "7";
  EXPECT_EQ(CountEmptyTexts(four, texts), 16);
  ClearCellTexts(texts);
  EXPECT_EQ(texts, TCellTexts());
}

TEST(PencilNoteRecord, HoldsOneFieldPerCellAndOnlyNotes) {
  const TGeometry nine = Shape(3, 3);
  TCellTexts grid;
  EXPECT_EQ(GridNotesToText(nine, grid), std::string(81, '|'));
  grid.at(2, 1) = "5,";
  grid.at(1, 1) = "7";      // an entry, not a note
  grid.at(9, 9) = "3,1,";
  const std::string record = GridNotesToText(nine, grid);
  EXPECT_EQ(record, "|5,|" + std::string(78, '|') + "3,1,|");
}

TEST(PencilNoteRecord, RestoresNotesOnlyIntoEmptyCells) {
  const TGeometry four = Shape(2, 2);
  TCellTexts grid = TextsFromRows({"1 . . .", ". . . ."});
  TextToGridNotes(four, "2,|3,|4,1,||", grid);
  EXPECT_EQ(grid, TextsFromRows({"1 3, 4,1, .", ". . . ."}));

  TCellTexts untouched = grid;
  TextToGridNotes(four, "", grid);
  TextToGridNotes(four, "no fields", grid);
  EXPECT_EQ(grid, untouched);

  // A record longer than the board fills the board and stops.
  TCellTexts empty;
  TextToGridNotes(four, std::string(40, '|') + "9,|", empty);
  EXPECT_EQ(empty, TCellTexts());
}

TEST(BoardChecks, ValidityWantsEveryValueOnceInEachRowColumnAndBox) {
  const TGeometry four = Shape(2, 2);
  EXPECT_TRUE(BoardLinesValid(four, BoardFromRows({"1 2 3 4", "3 4 1 2", "2 1 4 3", "4 3 2 1"})));
  // Rows and columns hold 1..4 but the 2 x 2 boxes repeat values.
  EXPECT_FALSE(BoardLinesValid(four, BoardFromRows({"1 2 3 4", "2 3 4 1", "3 4 1 2", "4 1 2 3"})));
  // Every row and column sums to 10 while repeating values.
  EXPECT_FALSE(BoardLinesValid(four, BoardFromRows({"1 4 1 4", "4 1 4 1", "1 4 1 4", "4 1 4 1"})));
  EXPECT_FALSE(BoardLinesValid(four, BoardFromRows({"1 2 3 4", "3 4 1 2", "2 1 4 3", "4 3 2 ."})));
  // The documented sum tests themselves still only add up.
  const TBoard repeating = BoardFromRows({"1 4 1 4", "4 1 4 1", "1 4 1 4", "4 1 4 1"});
  EXPECT_TRUE(RowSumValid(four, repeating, 1));
  EXPECT_TRUE(ColumnSumValid(four, repeating, 2));
}

TEST(BoardChecks, CountValuesAndMarksInLines) {
  const TGeometry four = Shape(2, 2);
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
