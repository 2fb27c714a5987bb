// Reads the values of a cell's alternatives text.
#include "session/alternative_values.h"

#include "engine/board_text.h"

namespace novlet {

std::vector<int> AlternativeValues(std::string_view text, int gridSize) {
  std::vector<int> values;
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    const int value = TextToValue(text.substr(0, comma));
    if (value >= 1 && value <= gridSize) values.push_back(value);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return values;
}

}  // namespace novlet
