// The cell-text vocabulary, the board's text forms and the small whole-board operations.
#include "engine/board_text.h"

#include "engine/cell_text.h"

namespace novlet {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
// Texts that read as more than this are not whole integers as far as a board is concerned.
constexpr int kLargestValue = 1 << 24;

int HexDigitValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return -1;
}

void AppendHexPair(std::string& text, int value) {
  text += kHexDigits[(value >> 4) & 15];
  text += kHexDigits[value & 15];
}

// A byte cell keeps whatever a text reads as, as the board arrays always did;
// readers of files check values against N before they reach a board.
std::uint8_t ToCell(int value) { return static_cast<std::uint8_t>(value); }

}  // namespace

int TextToValue(std::string_view text) {
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  }
  if (text.empty()) return 0;
  int value = 0;
  for (char ch : text) {
    const int digit = base == 16 ? HexDigitValue(ch) : (ch >= '0' && ch <= '9' ? ch - '0' : -1);
    if (digit < 0 || value > kLargestValue / base) return 0;
    value = value * base + digit;
  }
  return value;
}

std::string DecimalText(int value) { return value == 0 ? std::string() : std::to_string(value); }

std::string DeducedMark(int value) {
  std::string mark = "$";
  AppendHexPair(mark, value);
  return mark;
}

void ClearBoard(TBoard& board) { board.cells.fill(0); }

void ClearCellTexts(TCellTexts& texts) {
  for (auto& text : texts.cells) text.clear();
}

void ClearBox(const TGeometry& g, TBoard& board, int bx, int by) {
  for (int k = 1; k <= g.GridSize; ++k) board.at(g.BoxCellColumn(bx, k), g.BoxCellRow(by, k)) = 0;
}

void CopyBoard(const TGeometry& g, const TBoard& source, TBoard& target) {
  for (int r = 1; r <= g.GridSize; ++r)
    for (int c = 1; c <= g.GridSize; ++c) target.at(c, r) = source.at(c, r);
}

void CopyCellTexts(const TGeometry& g, const TCellTexts& source, TCellTexts& target) {
  for (int r = 1; r <= g.GridSize; ++r)
    for (int c = 1; c <= g.GridSize; ++c) target.at(c, r) = source.at(c, r);
}

void BoardToTexts(const TGeometry& g, const TBoard& board, TCellTexts& texts) {
  for (int r = 1; r <= g.GridSize; ++r)
    for (int c = 1; c <= g.GridSize; ++c) texts.at(c, r) = DecimalText(board.at(c, r));
}

void TextsToBoard(const TGeometry& g, const TCellTexts& texts, TBoard& board) {
  for (int r = 1; r <= g.GridSize; ++r)
    for (int c = 1; c <= g.GridSize; ++c) board.at(c, r) = ToCell(TextToValue(texts.at(c, r)));
}

std::string BoardToHex(const TGeometry& g, const TBoard& board) {
  std::string hex;
  hex.reserve(2 * g.GridSize * g.GridSize);
  for (int r = 1; r <= g.GridSize; ++r)
    for (int c = 1; c <= g.GridSize; ++c) AppendHexPair(hex, board.at(c, r));
  return hex;
}

void HexToBoard(const TGeometry& g, std::string_view hex, TBoard& board) {
  for (int r = 1; r <= g.GridSize; ++r) {
    for (int c = 1; c <= g.GridSize; ++c) {
      const std::size_t at = 2 * static_cast<std::size_t>((r - 1) * g.GridSize + (c - 1));
      int value = 0;
      if (at + 1 < hex.size()) {
        const int high = HexDigitValue(hex[at]);
        const int low = HexDigitValue(hex[at + 1]);
        if (high >= 0 && low >= 0) value = high * 16 + low;
      }
      board.at(c, r) = ToCell(value);
    }
  }
}

std::string TextsToHex(const TGeometry& g, const TCellTexts& texts) {
  std::string hex;
  hex.reserve(2 * g.GridSize * g.GridSize);
  for (int r = 1; r <= g.GridSize; ++r)
    for (int c = 1; c <= g.GridSize; ++c) AppendHexPair(hex, ToCell(TextToValue(texts.at(c, r))));
  return hex;
}

void HexToTexts(const TGeometry& g, std::string_view hex, TCellTexts& texts) {
  TBoard board;
  HexToBoard(g, hex, board);
  BoardToTexts(g, board, texts);
}

std::string GridNotesToText(const TGeometry& g, const TCellTexts& grid) {
  std::string record;
  for (int r = 1; r <= g.GridSize; ++r) {
    for (int c = 1; c <= g.GridSize; ++c) {
      const std::string& text = grid.at(c, r);
      if (HoldsValueList(text)) record += text;
      record += '|';
    }
  }
  return record;
}

void TextToGridNotes(const TGeometry& g, std::string_view record, TCellTexts& grid) {
  for (int r = 1; r <= g.GridSize; ++r) {
    for (int c = 1; c <= g.GridSize; ++c) {
      const std::size_t bar = record.find('|');
      if (bar == std::string_view::npos) return;
      const std::string_view field = record.substr(0, bar);
      record.remove_prefix(bar + 1);
      if (!field.empty() && grid.at(c, r).empty()) grid.at(c, r) = std::string(field);
    }
  }
}

bool GridMatchesBoard(const TGeometry& g, const TBoard& board, const TCellTexts& grid) {
  for (int r = 1; r <= g.GridSize; ++r)
    for (int c = 1; c <= g.GridSize; ++c)
      if (grid.at(c, r) != std::to_string(board.at(c, r))) return false;
  return true;
}

int CountGridMismatches(const TGeometry& g, const TBoard& board, const TCellTexts& grid) {
  int mismatches = 0;
  for (int r = 1; r <= g.GridSize; ++r)
    for (int c = 1; c <= g.GridSize; ++c)
      if (grid.at(c, r) != std::to_string(board.at(c, r))) ++mismatches;
  return mismatches;
}

int CountInRow(const TGeometry& g, const TBoard& board, int value, int row) {
  int count = 0;
  for (int c = 1; c <= g.GridSize; ++c) count += board.at(c, row) == value;
  return count;
}

int CountInColumn(const TGeometry& g, const TBoard& board, int value, int column) {
  int count = 0;
  for (int r = 1; r <= g.GridSize; ++r) count += board.at(column, r) == value;
  return count;
}

int CountMarkInRow(const TGeometry& g, const TCellTexts& texts, int value, int row) {
  const std::string mark = DeducedMark(value);
  int count = 0;
  for (int c = 1; c <= g.GridSize; ++c) count += texts.at(c, row) == mark;
  return count;
}

int CountMarkInColumn(const TGeometry& g, const TCellTexts& texts, int value, int column) {
  const std::string mark = DeducedMark(value);
  int count = 0;
  for (int r = 1; r <= g.GridSize; ++r) count += texts.at(column, r) == mark;
  return count;
}

bool RowSumValid(const TGeometry& g, const TBoard& board, int row) {
  int sum = 0;
  for (int c = 1; c <= g.GridSize; ++c) sum += board.at(c, row);
  return sum == g.LineSum;
}

bool ColumnSumValid(const TGeometry& g, const TBoard& board, int column) {
  int sum = 0;
  for (int r = 1; r <= g.GridSize; ++r) sum += board.at(column, r);
  return sum == g.LineSum;
}

bool BoardLinesValid(const TGeometry& g, const TBoard& board) {
  const auto holdsEachValueOnce = [&](auto cellAt) {
    unsigned seen = 0;
    for (int k = 1; k <= g.GridSize; ++k) {
      const int value = cellAt(k);
      if (value < 1 || value > g.GridSize || (seen & (1u << value))) return false;
      seen |= 1u << value;
    }
    return true;
  };
  for (int r = 1; r <= g.GridSize; ++r)
    if (!holdsEachValueOnce([&](int c) { return board.at(c, r); })) return false;
  for (int c = 1; c <= g.GridSize; ++c)
    if (!holdsEachValueOnce([&](int r) { return board.at(c, r); })) return false;
  for (int by = 1; by <= g.BoxesDown; ++by)
    for (int bx = 1; bx <= g.BoxesAcross; ++bx)
      if (!holdsEachValueOnce([&](int k) { return board.at(g.BoxCellColumn(bx, k), g.BoxCellRow(by, k)); }))
        return false;
  return true;
}

bool BoardFull(const TGeometry& g, const TBoard& board) {
  for (int r = 1; r <= g.GridSize; ++r)
    for (int c = 1; c <= g.GridSize; ++c)
      if (board.at(c, r) == 0) return false;
  return true;
}

bool TextsFull(const TGeometry& g, const TCellTexts& texts) { return CountEmptyTexts(g, texts) == 0; }

int CountEmptyTexts(const TGeometry& g, const TCellTexts& texts) {
  int count = 0;
  for (int r = 1; r <= g.GridSize; ++r)
    for (int c = 1; c <= g.GridSize; ++c) count += texts.at(c, r).empty();
  return count;
}

bool BoardsEqual(const TGeometry& g, const TBoard& a, const TBoard& b) {
  for (int r = 1; r <= g.GridSize; ++r)
    for (int c = 1; c <= g.GridSize; ++c)
      if (a.at(c, r) != b.at(c, r)) return false;
  return true;
}

bool TextsEqual(const TGeometry& g, const TCellTexts& a, const TCellTexts& b) {
  for (int r = 1; r <= g.GridSize; ++r)
    for (int c = 1; c <= g.GridSize; ++c)
      if (a.at(c, r) != b.at(c, r)) return false;
  return true;
}

}  // namespace novlet
