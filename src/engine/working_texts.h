// The engine's compact working form of boards and cell texts.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "engine/board.h"
#include "engine/geometry.h"

// The engine's compact working form of a board and its cell texts. Every text
// the algorithms produce (empty, a placed value, a deduced mark, an ascending
// alternatives list) has one state here, so comparing states compares texts;
// any other text the caller hands in (pencil notes, odd spellings) is kept as
// "Other" and its string stays untouched in the caller's texts.
namespace novlet::detail {

using TValueMask = std::uint16_t;  // bit v - 1 stands for value v
constexpr TValueMask ValueBit(int value) { return static_cast<TValueMask>(1u << (value - 1)); }
constexpr TValueMask FullMask(int gridSize) { return static_cast<TValueMask>((1u << gridSize) - 1); }

enum class TTextKind : std::uint8_t { Empty, Decimal, Mark, List, Other };

struct TWorkText {
  TTextKind Kind = TTextKind::Empty;
  std::uint8_t Value = 0;  // Decimal and Mark: the value; Other: what the text reads as
  TValueMask Mask = 0;     // List: the values in it

  friend bool operator==(const TWorkText&, const TWorkText&) = default;

  // What TextToValue gives for the text. A one-value list is the same text as
  // a placed value ("7"); it exists only inside a pass.
  int AsValue() const {
    if (Kind == TTextKind::List) return std::popcount(Mask) == 1 ? std::countr_zero(Mask) + 1 : 0;
    return Value;
  }
  bool HasComma() const { return Kind == TTextKind::List && std::popcount(Mask) > 1; }
};

inline constexpr int kMaxCells = kMaxGridSize * kMaxGridSize;

// Cells in row order: index (r - 1) * N + (c - 1).
struct TWorkBoard {
  std::array<std::uint8_t, kMaxCells> Values;
};
struct TWorkTexts {
  std::array<TWorkText, kMaxCells> Cells;
};

// Where every cell of the current shape lies, computed once per shape.
struct TLayout {
  int N = 0;
  int Cells = 0;
  TValueMask Full = 0;
  std::array<std::array<std::uint8_t, kMaxGridSize>, kMaxGridSize> BoxCells{};  // per box, in box order
  std::array<std::uint8_t, kMaxCells> RowOf{};
  std::array<std::uint8_t, kMaxCells> ColumnOf{};
  std::array<std::uint8_t, kMaxCells> BoxOf{};

  explicit TLayout(const TGeometry& g);
};

TWorkText ClassifyText(const std::string& text);
std::string WorkTextToString(const TWorkText& text);

void LoadBoard(const TLayout& layout, const TBoard& board, TWorkBoard& work);
void StoreBoard(const TLayout& layout, const TWorkBoard& work, TBoard& board);
void LoadTexts(const TLayout& layout, const TCellTexts& texts, TWorkTexts& work);
// Writes back every text but those still "Other", whose strings are already there.
void StoreTexts(const TLayout& layout, const TWorkTexts& work, TCellTexts& texts);

bool BoardsEqual(const TLayout& layout, const TWorkBoard& a, const TWorkBoard& b);
bool TextsEqual(const TLayout& layout, const TWorkTexts& a, const TWorkTexts& b);
bool BoardFull(const TLayout& layout, const TWorkBoard& board);
bool TextsFull(const TLayout& layout, const TWorkTexts& texts);
int CountEmptyTexts(const TLayout& layout, const TWorkTexts& texts);
bool BoardLinesValid(const TLayout& layout, const TWorkBoard& board);

// One propagation pass (ComputeAlternatives) on the working form.
bool ComputeAlternatives(const TLayout& layout, TWorkBoard& board, TWorkTexts& texts);

}  // namespace novlet::detail
