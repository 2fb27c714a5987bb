// Reading the row-by-row board and text literals of the tests.
#include "board_literals.h"

#include <sstream>
#include <string>
#include <vector>

namespace novlet {
namespace {

std::vector<std::vector<std::string>> Cells(std::initializer_list<std::string_view> rows) {
  std::vector<std::vector<std::string>> cells;
  for (std::string_view row : rows) {
    std::istringstream words{std::string(row)};
    std::vector<std::string> line;
    for (std::string word; words >> word;) line.push_back(word == "." ? "" : word);
    cells.push_back(line);
  }
  return cells;
}

}  // namespace

TBoard BoardFromRows(std::initializer_list<std::string_view> rows) {
  TBoard board;
  const auto cells = Cells(rows);
  for (std::size_t r = 0; r < cells.size(); ++r) {
    for (std::size_t c = 0; c < cells[r].size(); ++c) {
      const std::string& cell = cells[r][c];
      board.at(static_cast<int>(c) + 1, static_cast<int>(r) + 1) =
          static_cast<std::uint8_t>(cell.empty() ? 0 : std::stoi(cell));
    }
  }
  return board;
}

TCellTexts TextsFromRows(std::initializer_list<std::string_view> rows) {
  TCellTexts texts;
  const auto cells = Cells(rows);
  for (std::size_t r = 0; r < cells.size(); ++r) {
    for (std::size_t c = 0; c < cells[r].size(); ++c) {
      texts.at(static_cast<int>(c) + 1, static_cast<int>(r) + 1) = cells[r][c];
    }
  }
  return texts;
}

bool IsCompleteNovlet(int boxWidth, int boxHeight, const TBoard& board) {
  const int n = boxWidth * boxHeight;
  // One bit per value seen in each row, column and box.
  std::vector<unsigned> rows(n), columns(n), boxes(n);
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      const int v = board.at(c, r);
      if (v < 1 || v > n) return false;
      const unsigned bit = 1u << v;
      const int box = ((r - 1) / boxHeight) * boxHeight + (c - 1) / boxWidth;
      if ((rows[r - 1] & bit) || (columns[c - 1] & bit) || (boxes[box] & bit)) return false;
      rows[r - 1] |= bit;
      columns[c - 1] |= bit;
      boxes[box] |= bit;
    }
  }
  return true;
}

}  // namespace novlet
