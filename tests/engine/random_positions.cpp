// Making random full boards and the positions, odd texts and contradictions taken from them.
#include "random_positions.h"

#include <algorithm>
#include <array>
#include <vector>

namespace novlet {
namespace {

std::vector<int> Shuffled(int count, TRandomSource& random) {
  std::vector<int> order(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) order[static_cast<std::size_t>(i)] = i;
  for (int i = count - 1; i > 0; --i) std::swap(order[static_cast<std::size_t>(i)], order[random.Below(i + 1)]);
  return order;
}

// A permutation of 0..groups*groupSize-1 that keeps each group together.
std::vector<int> ShuffledWithinGroups(int groups, int groupSize, TRandomSource& random) {
  std::vector<int> result;
  for (int group : Shuffled(groups, random)) {
    for (int member : Shuffled(groupSize, random)) result.push_back(group * groupSize + member);
  }
  return result;
}

std::string ValueList(const std::vector<int>& values, bool trailingComma) {
  std::string text;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text += ",";
    text += std::to_string(values[i]);
  }
  return trailingComma ? text + "," : text;
}

std::string Mark(int value) {
  static const char* const kDigits = "0123456789ABCDEF";
  return std::string("$") + kDigits[value / 16] + kDigits[value % 16];
}

// Writes a value into every row of a box, outside the box, so that the value
// has no place left in it (unless the box holds it already).
void ShutValueOutOfBox(TShapeSize shape, TCellTexts& texts, TRandomSource& random) {
  const int n = shape.GridSize();
  const int firstColumn = static_cast<int>(random.Below(n / shape.BoxWidth)) * shape.BoxWidth + 1;
  const int firstRow = static_cast<int>(random.Below(n / shape.BoxHeight)) * shape.BoxHeight + 1;
  const std::string value = std::to_string(random.Between(1, n));
  for (int r = firstRow; r < firstRow + shape.BoxHeight; ++r) {
    const int offset = static_cast<int>(random.Below(n - shape.BoxWidth));
    const int c = (firstColumn - 1 + shape.BoxWidth + offset) % n + 1;
    texts.at(c, r) = value;
  }
}

// The N x N cells row by row, each as the text function writes it.
template <typename Cells, typename Text>
std::string Describe(int gridSize, const Cells& cells, Text text) {
  std::string description;
  for (int r = 1; r <= gridSize; ++r) {
    description += "\n ";
    for (int c = 1; c <= gridSize; ++c) description += " " + text(cells.at(c, r));
  }
  return description;
}

}  // namespace

TBoard ShuffledBoard(TShapeSize shape, const TBoard& board, TRandomSource& random) {
  const int n = shape.GridSize();
  const std::vector<int> labels = Shuffled(n, random);
  // Rows are grouped in bands of BoxHeight rows, columns in stacks of BoxWidth.
  const std::vector<int> rows = ShuffledWithinGroups(n / shape.BoxHeight, shape.BoxHeight, random);
  const std::vector<int> columns = ShuffledWithinGroups(n / shape.BoxWidth, shape.BoxWidth, random);
  TBoard shuffled;
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      const int value = board.at(columns[static_cast<std::size_t>(c)] + 1, rows[static_cast<std::size_t>(r)] + 1);
      shuffled.at(c + 1, r + 1) = static_cast<std::uint8_t>(labels[static_cast<std::size_t>(value - 1)] + 1);
    }
  }
  return shuffled;
}

TBoard RandomFullBoard(TShapeSize shape, TRandomSource& random) {
  const int n = shape.GridSize();
  TBoard pattern;
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      pattern.at(c + 1, r + 1) =
          static_cast<std::uint8_t>((shape.BoxWidth * (r % shape.BoxHeight) + r / shape.BoxHeight + c) % n + 1);
    }
  }
  return ShuffledBoard(shape, pattern, random);
}

TCellTexts RandomPosition(TShapeSize shape, const TBoard& solution, TRandomSource& random) {
  const int n = shape.GridSize();
  // Up to 95 % empty: the search refuses anything above about 81 %.
  const int emptyPercent = random.Between(5, 95);
  const int markPercent = random.Below(3) == 0 ? random.Between(1, 40) : 0;
  const int listPercent = random.Below(3) == 0 ? random.Between(1, 40) : 0;
  const int notePercent = random.Below(4) == 0 ? random.Between(1, 30) : 0;
  const int wrongValues = random.Below(4) == 0 ? random.Between(1, 3) : 0;

  TCellTexts texts;
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      const int value = solution.at(c, r);
      std::string& text = texts.at(c, r);
      if (static_cast<int>(random.Below(100)) >= emptyPercent) {
        text = static_cast<int>(random.Below(100)) < markPercent ? Mark(value) : std::to_string(value);
        continue;
      }
      if (static_cast<int>(random.Below(100)) < listPercent) {
        std::vector<int> values;
        for (int v = 1; v <= n; ++v) {
          if (v == value || random.Below(3) == 0) values.push_back(v);
        }
        if (values.size() < 2) values.push_back(value == n ? 1 : n);
        std::sort(values.begin(), values.end());
        text = ValueList(values, false);
      } else if (static_cast<int>(random.Below(100)) < notePercent) {
        std::vector<int> values;
        const int count = random.Between(1, 3);
        for (int i = 0; i < count; ++i) values.push_back(random.Between(1, n));
        text = ValueList(values, true);
      }
    }
  }
  // Texts no grid should hold, as a damaged file might still deliver them.
  static const std::array<const char*, 9> kOddTexts{"0", "$00", "$FF", "17", "300", "x", "1,,2", ",", "$1G"};
  const int oddTexts = random.Below(8) == 0 ? random.Between(1, 2) : 0;
  for (int i = 0; i < oddTexts; ++i) {
    texts.at(random.Between(1, n), random.Between(1, n)) = kOddTexts[random.Below(kOddTexts.size())];
  }
  for (int i = 0; i < wrongValues; ++i) {
    const int c = random.Between(1, n);
    const int r = random.Between(1, n);
    texts.at(c, r) = std::to_string(random.Between(1, n));
  }
  if (random.Below(8) == 0) ShutValueOutOfBox(shape, texts, random);
  return texts;
}

std::string DescribeTexts(int gridSize, const TCellTexts& texts) {
  return Describe(gridSize, texts, [](const std::string& text) { return text.empty() ? std::string(".") : text; });
}

std::string DescribeBoard(int gridSize, const TBoard& board) {
  return Describe(gridSize, board, [](int value) { return std::to_string(value); });
}

}  // namespace novlet
