// Which key types which value, by board side and display set.
#include "session/key_map.h"

#include <string_view>

#include "session/key_codes.h"

namespace novlet {
namespace {

constexpr std::string_view kSingaporeLetters = "SINGAPORE";

// The value of a key in the map, before the board side is considered.
std::optional<int> MappedValue(TKeyMap map, int key) {
  if (key >= Vk1 && key < Vk1 + 9) return key - Vk1 + 1;
  switch (map) {
    case TKeyMap::Digits:
      if (key >= VkNumpad1 && key < VkNumpad1 + 9) return key - VkNumpad1 + 1;
      if (key >= LetterKey('Q') && key <= LetterKey('W')) return key - LetterKey('Q') + 10;
      break;
    case TKeyMap::Letters:
      if (key >= VkNumpad1 && key < VkNumpad1 + 9) return key - VkNumpad1 + 1;
      if (key >= LetterKey('A') && key <= LetterKey('I')) return key - LetterKey('A') + 1;
      break;
    case TKeyMap::Singapore:
      for (std::size_t i = 0; i < kSingaporeLetters.size(); ++i) {
        if (key == LetterKey(kSingaporeLetters[i])) return static_cast<int>(i) + 1;
      }
      break;
  }
  return std::nullopt;
}

}  // namespace

TKeyMap KeyMapFor(int gridSize, int displaySetIndex) {
  if (gridSize >= 10) return TKeyMap::Digits;
  if (displaySetIndex == 1) return TKeyMap::Letters;
  if (displaySetIndex == 2) return TKeyMap::Singapore;
  return TKeyMap::Digits;
}

std::optional<int> KeySymbol(TKeyMap map, int key, int gridSize) {
  if (key == VkBack || key == VkClear || key == VkSpace || key == VkDelete) return kClearSymbol;
  const std::optional<int> value = MappedValue(map, key);
  if (!value || *value > gridSize) return std::nullopt;
  return value;
}

int ValueKeyCode(int k) { return k <= 9 ? Vk1 + k - 1 : LetterKey('Q') + k - 10; }

}  // namespace novlet
