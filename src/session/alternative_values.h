// Reads the values of a cell's alternatives text.
#pragma once

#include <string_view>
#include <vector>

// How a cell's alternatives text reads for the alternatives display.
namespace novlet {

// The values of an alternatives text in their order: a list joined by ",", a
// deduced mark "$" + two hexadecimal digits, or a single value. Each piece
// reads as decimal, or hexadecimal after "$"; values outside 1..N are left
// out.
std::vector<int> AlternativeValues(std::string_view text, int gridSize);

}  // namespace novlet
