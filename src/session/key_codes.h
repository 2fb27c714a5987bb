// The key codes the game's key maps are written in: the Windows virtual-key
// numbering, which the grids translate every key event into.
#pragma once

namespace novlet {

inline constexpr int VkBack = 8;
inline constexpr int VkClear = 12;
inline constexpr int VkReturn = 13;
inline constexpr int VkPause = 19;
inline constexpr int VkSpace = 32;
inline constexpr int VkLeft = 37;
inline constexpr int VkUp = 38;
inline constexpr int VkRight = 39;
inline constexpr int VkDown = 40;
inline constexpr int VkInsert = 45;
inline constexpr int VkDelete = 46;
inline constexpr int Vk0 = 48;
inline constexpr int Vk1 = 49;        // "1" .. "9" are 49 .. 57
inline constexpr int VkA = 65;        // "A" .. "Z" are 65 .. 90, one code for both cases
inline constexpr int VkNumpad0 = 96;
inline constexpr int VkNumpad1 = 97;  // keypad 1 .. 9 are 97 .. 105
inline constexpr int VkF4 = 115;

// The code of a letter key, 'A' .. 'Z'.
constexpr int LetterKey(char upperCaseLetter) { return VkA + (upperCaseLetter - 'A'); }

}  // namespace novlet
