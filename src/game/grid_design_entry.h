#pragma once

#include "engine/board.h"
#include "game/grid_key_map.h"

// What a key does on the Enter & Design grid: a value or a clearing key
// changes the design's value of the selected cell, and Enter toggles whether
// the cell is a given of the puzzle.
namespace novlet {

enum class TDesignEntryMode {
  None,    // only the design board changes
  Puzzle,  // every value typed is a given
  Design,  // values change; a given stays a given with its new value
};

struct TDesignBoards {
  TBoard& Solution;        // the design's values
  TCellTexts& PuzzleTexts;  // which of them are givens
  TCellTexts& Grid;         // the visible grid's texts
};

// Applies a released key (Ctrl is ignored on this grid) to cell (column,
// row), 1-based. True when the design's values changed, after which the
// caller recomputes the alternatives from the design board.
bool DesignGridKeyUp(TDesignBoards boards, int column, int row, int key, TKeyMap map, int gridSize,
                     TDesignEntryMode mode);

// Enter and the double click: a cell with a value becomes a given, or stops
// being one. False, changing nothing, for an empty cell.
bool ToggleGivenMark(TDesignBoards boards, int column, int row);

}  // namespace novlet
