// One propagation pass: the candidates of every cell and the values they force.
#include <bit>

#include "engine/working_texts.h"

// One propagation pass over the working form. The order of work is part of
// the result: boxes row by row from the top, values ascending, cells in box
// order, and a mark blocks its value in its row and column for every box
// processed after its own.
namespace novlet::detail {
namespace {

struct TPassState {
  const TLayout& Layout;
  TWorkBoard& Board;
  TWorkTexts& Texts;
  std::array<TValueMask, kMaxGridSize> PlacedInRow{};
  std::array<TValueMask, kMaxGridSize> PlacedInColumn{};
  std::array<TValueMask, kMaxGridSize> PlacedInBox{};
  std::array<TValueMask, kMaxGridSize> MarkedInRow{};
  std::array<TValueMask, kMaxGridSize> MarkedInColumn{};
  // For the box being handled: bit k of OpenPlaces[v] is box position k + 1.
  std::array<std::uint16_t, kMaxGridSize + 1> OpenPlaces{};
};

void FindOpenPlaces(TPassState& s, int box) {
  s.OpenPlaces.fill(0);
  const auto& cells = s.Layout.BoxCells[box];
  for (int k = 0; k < s.Layout.N; ++k) {
    const int i = cells[k];
    if (s.Board.Values[i] != 0) continue;
    const int r = s.Layout.RowOf[i];
    const int c = s.Layout.ColumnOf[i];
    const TValueMask blocked = s.PlacedInRow[r] | s.PlacedInColumn[c] | s.MarkedInRow[r] | s.MarkedInColumn[c];
    for (TValueMask open = s.Layout.Full & ~blocked; open != 0; open &= open - 1) {
      s.OpenPlaces[std::countr_zero(open) + 1] |= static_cast<std::uint16_t>(1u << k);
    }
  }
}

// Marks made while a box is handled concern only their own value, which that
// box is already done with, so the open places of a box can be found once.
bool FindPlacesInBox(TPassState& s, int value, int box) {
  if (s.PlacedInBox[box] & ValueBit(value)) return true;
  const std::uint16_t places = s.OpenPlaces[value];
  if (places == 0) return false;
  const auto& cells = s.Layout.BoxCells[box];
  if (std::has_single_bit(places)) {
    s.Texts.Cells[cells[std::countr_zero(places)]] = {TTextKind::Mark, static_cast<std::uint8_t>(value), 0};
    return true;
  }
  for (std::uint16_t rest = places; rest != 0; rest &= rest - 1) {
    TWorkText& text = s.Texts.Cells[cells[std::countr_zero(rest)]];
    if (text.Kind == TTextKind::Mark) continue;
    text.Kind = TTextKind::List;
    text.Mask |= ValueBit(value);
  }
  return true;
}

void PromoteSingles(TPassState& s, int box) {
  const auto& cells = s.Layout.BoxCells[box];
  for (int k = 0; k < s.Layout.N; ++k) {
    TWorkText& text = s.Texts.Cells[cells[k]];
    const bool single = text.Kind == TTextKind::Decimal ||
                        (text.Kind == TTextKind::List && std::has_single_bit(text.Mask));
    if (single) text = {TTextKind::Mark, static_cast<std::uint8_t>(text.AsValue()), 0};
  }
}

void BlockMarksOfBox(TPassState& s, int box) {
  const auto& cells = s.Layout.BoxCells[box];
  for (int k = 0; k < s.Layout.N; ++k) {
    const int i = cells[k];
    const TWorkText& text = s.Texts.Cells[i];
    if (text.Kind != TTextKind::Mark || text.Value > s.Layout.N) continue;
    s.MarkedInRow[s.Layout.RowOf[i]] |= ValueBit(text.Value);
    s.MarkedInColumn[s.Layout.ColumnOf[i]] |= ValueBit(text.Value);
  }
}

}  // namespace

bool ComputeAlternatives(const TLayout& layout, TWorkBoard& board, TWorkTexts& texts) {
  TPassState s{layout, board, texts};
  for (int i = 0; i < layout.Cells; ++i) {
    const int value = texts.Cells[i].AsValue();
    board.Values[i] = static_cast<std::uint8_t>(value);
    texts.Cells[i] = value == 0 ? TWorkText{} : TWorkText{TTextKind::Decimal, static_cast<std::uint8_t>(value), 0};
    if (value == 0 || value > layout.N) continue;
    s.PlacedInRow[layout.RowOf[i]] |= ValueBit(value);
    s.PlacedInColumn[layout.ColumnOf[i]] |= ValueBit(value);
    s.PlacedInBox[layout.BoxOf[i]] |= ValueBit(value);
  }

  bool anyPlace = false;
  for (int box = 0; box < layout.N; ++box) {
    FindOpenPlaces(s, box);
    for (int value = 1; value <= layout.N; ++value) anyPlace |= FindPlacesInBox(s, value, box);
    PromoteSingles(s, box);
    BlockMarksOfBox(s, box);
  }
  return anyPlace;
}

}  // namespace novlet::detail
