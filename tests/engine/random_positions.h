// Random full boards and positions for comparing the engine with the literal model.
#pragma once

#include <string>

#include "engine/board.h"
#include "engine/random_source.h"

namespace novlet {

// Random material for comparing engines: full boards and the positions made
// from them, including the odd texts and contradictions real grids produce.
struct TShapeSize {
  int BoxWidth;
  int BoxHeight;
  int GridSize() const { return BoxWidth * BoxHeight; }
};

// A full valid board with its values relabelled and its rows and columns
// shuffled within bands and stacks, and the bands and stacks themselves
// shuffled: as valid as the board, and as hard or easy to reduce.
TBoard ShuffledBoard(TShapeSize shape, const TBoard& board, TRandomSource& random);

// A shuffled pattern board. Quick to make, but regular: it holds many sets of
// cells whose values can be swapped, so its puzzles keep more givens than
// those of generated boards.
TBoard RandomFullBoard(TShapeSize shape, TRandomSource& random);

// The texts of a position taken from a full board: a random share of the
// cells emptied (from few to far more than a search accepts), then some
// values written as deduced marks, some empty cells given alternatives lists
// or pencil notes, now and then a wrong value that contradicts the rest or a
// value shut out of a box, and rarely a text that is no value at all or one
// out of range.
TCellTexts RandomPosition(TShapeSize shape, const TBoard& solution, TRandomSource& random);

// The N x N texts row by row, "." for an empty text, for failure messages.
std::string DescribeTexts(int gridSize, const TCellTexts& texts);
std::string DescribeBoard(int gridSize, const TBoard& board);

}  // namespace novlet
