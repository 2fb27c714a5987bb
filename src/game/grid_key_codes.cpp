// Translates the grids' key events into the game's key codes.
#include "game/grid_key_codes.h"

#include <QKeyEvent>

#include <optional>

namespace novlet {
namespace {

// X11 and Wayland number the keys of the number row 10 ("1") to 18 ("9") and
// 19 ("0") on every layout.
constexpr quint32 kFirstDigitRowScanCode = 10;
constexpr quint32 kZeroScanCode = 19;

std::optional<int> NumberRowDigit(const QKeyEvent& event) {
  const quint32 scanCode = event.nativeScanCode();
  if (scanCode >= kFirstDigitRowScanCode && scanCode < kZeroScanCode)
    return static_cast<int>(scanCode - kFirstDigitRowScanCode) + 1;
  if (scanCode == kZeroScanCode) return 0;
  // Platforms without scan codes (offscreen) report the digit itself.
  if (scanCode == 0 && event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9) return event.key() - Qt::Key_0;
  return std::nullopt;
}

}  // namespace

int VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  if (event.modifiers().testFlag(Qt::KeypadModifier)) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return VkNumpad0 + (key - Qt::Key_0);
  } else if (const std::optional<int> digit = NumberRowDigit(event)) {
    return Vk0 + *digit;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return VkA + (key - Qt::Key_A);
  switch (key) {
    case Qt::Key_Backspace: return VkBack;
    case Qt::Key_Clear: return VkClear;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VkReturn;
    case Qt::Key_Pause: return VkPause;
    case Qt::Key_Space: return VkSpace;
    case Qt::Key_Left: return VkLeft;
    case Qt::Key_Up: return VkUp;
    case Qt::Key_Right: return VkRight;
    case Qt::Key_Down: return VkDown;
    case Qt::Key_Insert: return VkInsert;
    case Qt::Key_Delete: return VkDelete;
    case Qt::Key_F4: return VkF4;
    default: return 0;
  }
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers) {
  TShiftState state;
  if (modifiers.testFlag(Qt::ShiftModifier)) state |= TShift::Shift;
  if (modifiers.testFlag(Qt::ControlModifier)) state |= TShift::Ctrl;
  if (modifiers.testFlag(Qt::AltModifier)) state |= TShift::Alt;
  return state;
}

}  // namespace novlet
