// Key events of the grids as the key codes and shift states the game reads.
#pragma once

#include <QFlags>
#include <Qt>

#include "session/key_codes.h"

class QKeyEvent;

namespace novlet {

enum class TShift { Shift = 1, Ctrl = 2, Alt = 4 };
using TShiftState = QFlags<TShift>;

// The code of the key an event reports, or 0 for a key the game has no code
// for. The number row gives "0".."9" by its place on the keyboard, whatever
// the layout prints on it and whatever the shift state; the keypad gives its
// own codes; letters follow the character on the key.
int VirtualKeyOf(const QKeyEvent& event);

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace novlet

Q_DECLARE_OPERATORS_FOR_FLAGS(novlet::TShiftState)
