// Boards and cell texts written row by row in tests, and the check of a complete board.
#pragma once

#include <initializer_list>
#include <string_view>

#include "engine/board.h"

namespace novlet {

// Boards and texts written in tests row by row: each row is a line of
// space-separated cells, "." standing for an empty cell or text.
TBoard BoardFromRows(std::initializer_list<std::string_view> rows);
TCellTexts TextsFromRows(std::initializer_list<std::string_view> rows);

// Whether every row, column and box of the N x N board holds 1..N once.
bool IsCompleteNovlet(int boxWidth, int boxHeight, const TBoard& board);

}  // namespace novlet
