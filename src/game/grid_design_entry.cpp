#include "game/grid_design_entry.h"

#include "engine/board_text.h"
#include "game/grid_key_codes.h"

namespace novlet {

bool ToggleGivenMark(TDesignBoards boards, int column, int row) {
  const int value = boards.Solution.at(column, row);
  if (value == 0) return false;
  std::string& mark = boards.PuzzleTexts.at(column, row);
  mark = mark.empty() ? DecimalText(value) : std::string();
  return true;
}

bool DesignGridKeyUp(TDesignBoards boards, int column, int row, int key, TKeyMap map, int gridSize,
                     TDesignEntryMode mode) {
  if (key == VkReturn) {
    ToggleGivenMark(boards, column, row);
    return false;
  }
  const std::optional<int> symbol = KeySymbol(map, key, gridSize);
  if (!symbol) return false;
  const std::string text = DecimalText(*symbol);  // "" for the clear symbol
  std::string& cell = boards.Grid.at(column, row);
  if (cell == text) return false;

  boards.Solution.at(column, row) = static_cast<std::uint8_t>(*symbol);
  std::string& mark = boards.PuzzleTexts.at(column, row);
  switch (mode) {
    case TDesignEntryMode::Puzzle:
      mark = text;
      cell = text;
      break;
    case TDesignEntryMode::Design:
      if (!mark.empty()) mark = text;
      cell = text;
      break;
    case TDesignEntryMode::None: break;
  }
  return true;
}

}  // namespace novlet
