#pragma once

#include <QFlags>
#include <Qt>

class QKeyEvent;

// The grids hand their handlers the platform-neutral key codes the game's key
// maps are written in (the Windows virtual-key numbering), with the shift
// state of the release.
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
inline constexpr int Vk1 = 49;          // "1" .. "9" are 49 .. 57
inline constexpr int VkA = 65;          // "A" .. "Z" are 65 .. 90, one code for both cases
inline constexpr int VkNumpad1 = 97;    // keypad 1 .. 9 are 97 .. 105
inline constexpr int VkF4 = 115;

// The code of a letter key, 'A' .. 'Z'.
constexpr int LetterKey(char upperCaseLetter) { return VkA + (upperCaseLetter - 'A'); }

enum class TShift { Shift = 1, Ctrl = 2, Alt = 4 };
using TShiftState = QFlags<TShift>;

// The code of the key an event reports, or 0 for a key the game has no code
// for. Letters and digits keep their code whatever the shift state; keypad
// digits get their own codes.
int VirtualKeyOf(const QKeyEvent& event);

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace novlet

Q_DECLARE_OPERATORS_FOR_FLAGS(novlet::TShiftState)
