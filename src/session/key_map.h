// Which key types which value, by board side and display set.
#pragma once

#include <optional>

// Which key enters which value: one of three maps, chosen by the board side
// and the display set, turns a released key into a symbol.
namespace novlet {

enum class TKeyMap {
  Digits,     // "1".."9", keypad 1..9, "Q".."W" for 10..16
  Letters,    // "1".."9", "A".."I", keypad 1..9
  Singapore,  // "1".."9", the letters of SINGAPORE
};

TKeyMap KeyMapFor(int gridSize, int displaySetIndex);

// The symbol a key gives: a value 1..N, kClearSymbol for the clearing keys
// (Backspace, Clear, Space, Delete), or nothing. A value key whose value is
// above N gives nothing.
inline constexpr int kClearSymbol = 0;
std::optional<int> KeySymbol(TKeyMap map, int key, int gridSize);

// The key that types value k (1..16) in every map: "1".."9", then "Q".."W".
// The grid menu and the symbol strip pass their choices on as these keys.
int ValueKeyCode(int k);

}  // namespace novlet
