// The cell-text vocabulary, the board's text forms and the small whole-board operations.
#pragma once

#include <string>
#include <string_view>

#include "engine/board.h"
#include "engine/geometry.h"

// The cell-text vocabulary, the hex board text, the pencil-note record and the
// small whole-board operations. Every operation covers columns and rows 1..N
// of the geometry it is given, except the two Clear operations.
namespace novlet {

// Reads a text as a value: a whole decimal integer, or hexadecimal after "$".
// Anything else (empty, a list, notes) is 0.
int TextToValue(std::string_view text);
std::string DecimalText(int value);  // "" for 0
std::string DeducedMark(int value);  // "$07", "$0C"

void ClearBoard(TBoard& board);
void ClearCellTexts(TCellTexts& texts);
void ClearBox(const TGeometry& g, TBoard& board, int bx, int by);
void CopyBoard(const TGeometry& g, const TBoard& source, TBoard& target);
void CopyCellTexts(const TGeometry& g, const TCellTexts& source, TCellTexts& target);

void BoardToTexts(const TGeometry& g, const TBoard& board, TCellTexts& texts);
void TextsToBoard(const TGeometry& g, const TCellTexts& texts, TBoard& board);
std::string BoardToHex(const TGeometry& g, const TBoard& board);
void HexToBoard(const TGeometry& g, std::string_view hex, TBoard& board);
std::string TextsToHex(const TGeometry& g, const TCellTexts& texts);
void HexToTexts(const TGeometry& g, std::string_view hex, TCellTexts& texts);

// The visible grids keep their cells as TCellTexts, so the texts operations
// serve them too (BoardToTexts fills a grid, TextsFull tells a full grid);
// these four are the ones whose rules differ for a grid.
std::string GridNotesToText(const TGeometry& g, const TCellTexts& grid);
void TextToGridNotes(const TGeometry& g, std::string_view record, TCellTexts& grid);
bool GridMatchesBoard(const TGeometry& g, const TBoard& board, const TCellTexts& grid);
int CountGridMismatches(const TGeometry& g, const TBoard& board, const TCellTexts& grid);

int CountInRow(const TGeometry& g, const TBoard& board, int value, int row);
int CountInColumn(const TGeometry& g, const TBoard& board, int value, int column);
int CountMarkInRow(const TGeometry& g, const TCellTexts& texts, int value, int row);
int CountMarkInColumn(const TGeometry& g, const TCellTexts& texts, int value, int column);
bool RowSumValid(const TGeometry& g, const TBoard& board, int row);
bool ColumnSumValid(const TGeometry& g, const TBoard& board, int column);
// True when every row, column and box holds each value 1..N exactly once.
// (The row and column sums alone would also pass boards with repeated values.)
bool BoardLinesValid(const TGeometry& g, const TBoard& board);
bool BoardFull(const TGeometry& g, const TBoard& board);
bool TextsFull(const TGeometry& g, const TCellTexts& texts);
int CountEmptyTexts(const TGeometry& g, const TCellTexts& texts);
bool BoardsEqual(const TGeometry& g, const TBoard& a, const TBoard& b);
bool TextsEqual(const TGeometry& g, const TCellTexts& a, const TCellTexts& b);

}  // namespace novlet
