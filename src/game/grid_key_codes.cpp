#include "game/grid_key_codes.h"

#include <QKeyEvent>

namespace novlet {

int VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  if (key >= Qt::Key_1 && key <= Qt::Key_9) return (keypad ? VkNumpad1 : Vk1) + (key - Qt::Key_1);
  if (key == Qt::Key_0) return keypad ? VkNumpad1 - 1 : Vk1 - 1;
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
