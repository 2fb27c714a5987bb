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
// blanks (spaces, tabs) at the end of lines are dropped. Lines that are empty
// or start with "#" are comments. A cell is "1".."9" or "A".."G" (either case,
// 10..16), or an empty cell: ".", "0", "-" or "_". A 16 x 16 puzzle that has
// "." for empty cells and holds a "0" is written "0".."F" for 1..16.
//
// A frame line holds only "|", "-", "+", "=" and blanks, but one whose every
// "-" stands alone, with no "+" or "=", is a row of empty cells ("- - - | - -").
//
// How the text is split. It is a file of one-line puzzles when one of its
// lines, frame lines aside, holds more than 16 characters other than blanks
// and "|", "+", "=" (no grid row is that long); or when every such line holds
// exactly 16 and they are 4 x 4 puzzles: the given shape is 2 x 2 or, with
// none given, they are not 16 lines (16 lines of 16 are a 16 x 16 grid) or
// each follows a comment line naming a shape. Then every non-comment line is
// one puzzle: its first word holds the N x N cells in row order, and what
// follows a blank, tab, ",", ";" or "#" (a rating, a source, the solution) is
// ignored; without a given shape the word's length decides N.
// Otherwise the text is one grid-form puzzle starting at its first
// non-comment line: every line but comments and frame lines is a row of
// cells, one character each, with blanks and "|", "+", "=" between cells
// ignored; without a given shape N is the cell count most rows have.
//
// Every puzzle found is returned in text order, read or refused with its
// reason; a text without rows gives none.
std::vector<TTextPuzzle> ReadTextPuzzles(std::string_view text, const std::optional<TGeometry>& shape = std::nullopt);
// The same, one puzzle at a time, in text order: a file of a hundred thousand
// puzzles need not be held whole.
void ForEachTextPuzzle(std::string_view text, const std::optional<TGeometry>& shape,
                       const std::function<void(TTextPuzzle&)>& take);

// The one-line form of a board: N x N characters in row order, "1".."9",
// "A".."G" for 10..16, "." for an empty cell.
std::string BoardToPuzzleLine(const TGeometry& g, const TBoard& board);

}  // namespace novlet
