// What a cell's text holds beyond one value: a list of notes or alternatives, or a given.
#pragma once

#include <string_view>
#include <vector>

#include "engine/board_text.h"

// A cell text is empty, one value ("7"), a deduced mark ("$07") or a list of
// values ended by commas ("2,8," for notes, "2,8" for alternatives). Every
// reader of cell texts (the sessions, the painter, the screen reader's cell
// names) asks these, so the forms have one meaning everywhere.
namespace novlet {

// A list of notes or alternatives: a comma, and not a deduced mark.
inline bool HoldsValueList(std::string_view text) {
  return text.find(',') != std::string_view::npos && text.find('$') == std::string_view::npos;
}

// Each item of a list (or the one value of a value or mark) in its order,
// as TextToValue reads it: 0 for an item that is no number.
template <typename Visit>
void ForEachListedValue(std::string_view text, Visit visit) {
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    visit(TextToValue(text.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
}

// The listed values that lie on a board of that size, in their order.
std::vector<int> ListedValues(std::string_view text, int gridSize);

// A given's puzzle text is its solution value; an empty text never is one.
bool IsGivenText(std::string_view puzzleText, int solutionValue);

}  // namespace novlet
