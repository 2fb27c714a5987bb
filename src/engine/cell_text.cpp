// What a cell's text holds beyond one value: a list of notes or alternatives, or a given.
#include "engine/cell_text.h"

#include <string>

namespace novlet {

std::vector<int> ListedValues(std::string_view text, int gridSize) {
  std::vector<int> values;
  ForEachListedValue(text, [&](int value) {
    if (value >= 1 && value <= gridSize) values.push_back(value);
  });
  return values;
}

bool IsGivenText(std::string_view puzzleText, int solutionValue) {
  return puzzleText == std::to_string(solutionValue);
}

}  // namespace novlet
