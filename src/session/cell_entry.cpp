// What a value, a note or the clear key does to an open cell's text.
#include "session/cell_entry.h"

#include "engine/cell_text.h"
#include "session/key_map.h"

namespace novlet {
namespace {

// Removes the item from a note list, or appends it when absent. Items are
// compared whole, so removing "1," from "11,1," leaves "11,".
std::string ToggleNoteItem(std::string_view notes, std::string_view item) {
  std::size_t start = 0;
  while (start < notes.size()) {
    const std::size_t comma = notes.find(',', start);
    const std::size_t end = comma == std::string_view::npos ? notes.size() : comma + 1;
    if (notes.substr(start, end - start) == item) {
      std::string result(notes.substr(0, start));
      result += notes.substr(end);
      return result;
    }
    start = end;
  }
  std::string result(notes);
  result += item;
  return result;
}

}  // namespace

std::optional<std::string> EnteredCellText(std::string_view oldText, int symbol, bool note) {
  if (symbol == kClearSymbol) {
    if (oldText.empty()) return std::nullopt;
    return std::string();
  }
  const std::string value = DecimalText(symbol);
  if (!note) {
    if (oldText == value) return std::nullopt;
    return value;
  }
  // An entry gives way to the first note, as notes and an entry never share a cell.
  const std::string_view notes = HoldsValueList(oldText) ? oldText : std::string_view();
  return ToggleNoteItem(notes, value + ",");
}

}  // namespace novlet
