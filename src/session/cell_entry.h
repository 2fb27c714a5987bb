// What a value, a note or the clear key does to an open cell's text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// What a symbol does to an open cell of a Play & Solve grid: a value replaces
// the cell, a note (with Ctrl) toggles one item of the cell's note list, the
// clear symbol empties it.
namespace novlet {

// The cell's new text, or nothing when the key leaves the cell unchanged.
// symbol is a value 1..N or kClearSymbol; note is true with Ctrl held.
std::optional<std::string> EnteredCellText(std::string_view oldText, int symbol, bool note);

}  // namespace novlet
