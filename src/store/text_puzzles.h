// Reading puzzles from the plain-text forms people pass them around in, and writing a puzzle's one-line form.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/board.h"
#include "engine/geometry.h"

namespace novlet {

enum class TTextPuzzleState : std::uint8_t {
  Unreadable,        // the text is not a puzzle of an offered shape; Reason says why
  Read,              // read, not checked yet
  Solvable,          // checked: exactly one solution, in Solution
  NoSolution,        // checked: none
  SeveralSolutions,  // checked: two or more (the count stops at 2)
  TooFewGivens,      // checked: too few givens for the count to decide
};

struct TTextPuzzle {
  int Line = 0;  // 1-based line of the text where the puzzle starts
  // The title line the puzzle follows ("Grid 01", "Puzzle 3: hard"), as
  // written; empty when it has none.
  std::string Title;
  // The shape the puzzle was read in; left 3 x 3 when it was refused before one was settled.
  int BoxWidth = 3;
  int BoxHeight = 3;
  TBoard Givens;
  TBoard Solution;
  int SolutionCount = 0;  // as far as the check counted: 0, 1 or 2
  TTextPuzzleState State = TTextPuzzleState::Read;
  // Why the puzzle is neither Read nor Solvable, led by the line it concerns:
  // "line 4: 80 cells, expected 81".
  std::string Reason;

  TGeometry Geometry() const;
};

// The box shape assumed for an N x N board when the user names none: boxes as
// square as possible and wider than high (6 x 6 is "3 x 2", 12 x 12 "4 x 3").
// Nothing for a size no box shape has.
std::optional<TGeometry> UsualShape(int gridSize);

// Reads every puzzle in the text; a given shape overrides the usual one, and
// so does, for the puzzle right after it, a comment line ending in a shape
// ("# week 2 (2x3)", as the one-line export writes) of the puzzle's size.
//
// Line ends may be "\n", "\r\n" or "\r"; byte-order marks at the start and
// blanks (spaces, tabs) at the end of lines are dropped, Unicode blanks (no-
// break, U+2000..U+200A, U+202F, U+3000) read as spaces and box drawing
// (U+2500..U+257F) as "|". Lines that are empty or start with "#" are
// comments. A cell is "1".."9" or "A".."G" (either case, 10..16), or an empty
// cell: ".", "0", "-" or "_". A 16 x 16 puzzle that has "." for empty cells
// and holds a "0" is written "0".."F" for 1..16.
//
// A frame line holds only "|", "-", "+", "=" and blanks, but one whose every
// "-" stands alone, with no "+" or "=", is a row of empty cells ("- - - | - -").
// A title line holds a character that is no cell and none of "|", "+", "=",
// before its first blank holds fewer than 16 characters, and names the puzzle
// after it ("Grid 01", "Puzzle 3: hard"); where it ends in a shape, as
// "Week 2 (2x3)", it names the shape too.
//
// How the text is split. It is a file of one-line puzzles when one of its
// lines, frame and title lines aside, holds more than 16 characters other
// than blanks and "|", "+", "=" (no grid row is that long); or when every
// such line holds exactly 16 and they are 4 x 4 puzzles: the given shape is
// 2 x 2 or, with none given, they are not 16 lines (16 lines of 16 are a
// 16 x 16 grid) or each follows a comment line naming a shape. Then every
// non-comment line but title lines is one puzzle: its first word holds the
// N x N cells in row order, and what follows a blank, tab, ",", ";" or "#"
// (a rating, a source, the solution) is ignored; without a given shape the
// word's length decides N.
// Otherwise the text is grids, set apart by empty lines, comments and title
// lines: every line but those and frame lines is a row of cells, one
// character each, with blanks and "|", "+", "=" between cells ignored;
// without a given shape N is the cell count most rows have. Inside a grid
// that misses rows a title-like line as long as its rows is a row (with a
// typo); a block of rows set apart as bands joins the next ones when together
// they make one grid, and a block of k x N rows is k grids. Rows labelled in
// order ("A |", "B |" or "1 |", "2 |") lose their labels, and a line of
// column numbers or letters above them is a frame, as is one above N rows
// without labels. A line of N dashes ("---|---|---") is a row of empty cells
// where the grid misses that many rows. A line of at most half as many cells
// as the row after it, on top of a grid, is its title ("12"); four or more
// title-like lines alone, all as long, are a grid with a character no cell is.
//
// Every puzzle found is returned in text order, read or refused with its
// reason; a text without rows gives none.
std::vector<TTextPuzzle> ReadTextPuzzles(std::string_view text, const std::optional<TGeometry>& shape = std::nullopt);
// The same, one puzzle at a time, in text order: a file of a hundred thousand
// puzzles need not be held whole.
void ForEachTextPuzzle(std::string_view text, const std::optional<TGeometry>& shape,
                       const std::function<void(TTextPuzzle&)>& take);

// The sizes N (ascending) of the puzzles in the text whose box shape no
// comment or title line names: where one has several box shapes, the reader
// can only assume the usual one.
std::vector<int> UnshapedPuzzleSizes(std::string_view text);

// The box shapes of an N x N board, widest boxes first.
std::vector<TGeometry> BoxShapesOfSize(int gridSize);

// The one-line form of a board: N x N characters in row order, "1".."9",
// "A".."G" for 10..16, "." for an empty cell.
std::string BoardToPuzzleLine(const TGeometry& g, const TBoard& board);
// The board of a line BoardToPuzzleLine wrote; a character it does not
// write stands for an empty cell.
TBoard PuzzleLineToBoard(const TGeometry& g, std::string_view line);

}  // namespace novlet
