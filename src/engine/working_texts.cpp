// The engine's compact working form of boards and cell texts.
#include "engine/working_texts.h"

#include <cstring>
#include <string_view>

#include "engine/board_text.h"

namespace novlet::detail {
namespace {

// A decimal value as the algorithms write it: digits, no leading zero.
int CanonicalDecimal(std::string_view text) {
  if (text.empty() || text.size() > 3 || text.front() == '0') return 0;
  int value = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return 0;
    value = value * 10 + (ch - '0');
  }
  return value;
}

int UpperHexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

TValueMask CanonicalList(std::string_view text) {
  TValueMask mask = 0;
  int previous = 0;
  int count = 0;
  while (true) {
    const std::size_t comma = text.find(',');
    const int value = CanonicalDecimal(text.substr(0, comma));
    if (value == 0 || value > kMaxGridSize || value <= previous) return 0;
    mask |= ValueBit(value);
    previous = value;
    ++count;
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return count >= 2 ? mask : 0;
}

}  // namespace

TLayout::TLayout(const TGeometry& g) : N(g.GridSize), Cells(g.GridSize * g.GridSize), Full(FullMask(g.GridSize)) {
  for (int by = 1; by <= g.BoxesDown; ++by) {
    for (int bx = 1; bx <= g.BoxesAcross; ++bx) {
      const int box = (by - 1) * g.BoxesAcross + (bx - 1);
      for (int k = 1; k <= N; ++k) {
        const int c = g.BoxCellColumn(bx, k);
        const int r = g.BoxCellRow(by, k);
        const int index = (r - 1) * N + (c - 1);
        BoxCells[box][k - 1] = static_cast<std::uint8_t>(index);
        RowOf[index] = static_cast<std::uint8_t>(r - 1);
        ColumnOf[index] = static_cast<std::uint8_t>(c - 1);
        BoxOf[index] = static_cast<std::uint8_t>(box);
      }
    }
  }
}

TWorkText ClassifyText(const std::string& text) {
  if (text.empty()) return {};
  if (const int value = CanonicalDecimal(text); value >= 1 && value <= 255) {
    return {TTextKind::Decimal, static_cast<std::uint8_t>(value), 0};
  }
  if (text.size() == 3 && text[0] == '$') {
    const int high = UpperHexDigit(text[1]);
    const int low = UpperHexDigit(text[2]);
    if (high >= 0 && low >= 0 && high * 16 + low > 0) {
      return {TTextKind::Mark, static_cast<std::uint8_t>(high * 16 + low), 0};
    }
  }
  if (const TValueMask mask = CanonicalList(text); mask != 0) return {TTextKind::List, 0, mask};
  return {TTextKind::Other, static_cast<std::uint8_t>(TextToValue(text)), 0};
}

std::string WorkTextToString(const TWorkText& text) {
  switch (text.Kind) {
    case TTextKind::Decimal:
      return std::to_string(text.Value);
    case TTextKind::Mark:
      return DeducedMark(text.Value);
    case TTextKind::List: {
      std::string list;
      for (TValueMask rest = text.Mask; rest != 0; rest &= rest - 1) {
        if (!list.empty()) list += ',';
        list += std::to_string(std::countr_zero(rest) + 1);
      }
      return list;
    }
    case TTextKind::Empty:
    case TTextKind::Other:
      break;
  }
  return {};
}

void LoadBoard(const TLayout& layout, const TBoard& board, TWorkBoard& work) {
  for (int i = 0; i < layout.Cells; ++i) work.Values[i] = board.at(layout.ColumnOf[i] + 1, layout.RowOf[i] + 1);
}

void StoreBoard(const TLayout& layout, const TWorkBoard& work, TBoard& board) {
  for (int i = 0; i < layout.Cells; ++i) board.at(layout.ColumnOf[i] + 1, layout.RowOf[i] + 1) = work.Values[i];
}

void LoadTexts(const TLayout& layout, const TCellTexts& texts, TWorkTexts& work) {
  for (int i = 0; i < layout.Cells; ++i) work.Cells[i] = ClassifyText(texts.at(layout.ColumnOf[i] + 1, layout.RowOf[i] + 1));
}

void StoreTexts(const TLayout& layout, const TWorkTexts& work, TCellTexts& texts) {
  for (int i = 0; i < layout.Cells; ++i) {
    if (work.Cells[i].Kind != TTextKind::Other) {
      texts.at(layout.ColumnOf[i] + 1, layout.RowOf[i] + 1) = WorkTextToString(work.Cells[i]);
    }
  }
}

bool BoardsEqual(const TLayout& layout, const TWorkBoard& a, const TWorkBoard& b) {
  return std::memcmp(a.Values.data(), b.Values.data(), layout.Cells) == 0;
}

bool TextsEqual(const TLayout& layout, const TWorkTexts& a, const TWorkTexts& b) {
  for (int i = 0; i < layout.Cells; ++i)
    if (!(a.Cells[i] == b.Cells[i])) return false;
  return true;
}

bool BoardFull(const TLayout& layout, const TWorkBoard& board) {
  for (int i = 0; i < layout.Cells; ++i)
    if (board.Values[i] == 0) return false;
  return true;
}

bool TextsFull(const TLayout& layout, const TWorkTexts& texts) { return CountEmptyTexts(layout, texts) == 0; }

int CountEmptyTexts(const TLayout& layout, const TWorkTexts& texts) {
  int count = 0;
  for (int i = 0; i < layout.Cells; ++i) count += texts.Cells[i].Kind == TTextKind::Empty;
  return count;
}

bool BoardLinesValid(const TLayout& layout, const TWorkBoard& board) {
  std::array<TValueMask, kMaxGridSize> rows{};
  std::array<TValueMask, kMaxGridSize> columns{};
  std::array<TValueMask, kMaxGridSize> boxes{};
  for (int i = 0; i < layout.Cells; ++i) {
    const int value = board.Values[i];
    if (value < 1 || value > layout.N) return false;
    rows[layout.RowOf[i]] |= ValueBit(value);
    columns[layout.ColumnOf[i]] |= ValueBit(value);
    boxes[layout.BoxOf[i]] |= ValueBit(value);
  }
  // N values in each unit cover all N bits only when none repeats.
  for (int unit = 0; unit < layout.N; ++unit)
    if (rows[unit] != layout.Full || columns[unit] != layout.Full || boxes[unit] != layout.Full) return false;
  return true;
}

}  // namespace novlet::detail
