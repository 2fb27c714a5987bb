// The words that assistive technology reads where a control has no caption.
#pragma once

#include <QString>

class QWidget;

namespace novlet {

// The text of the id in the language of the program's window the widget
// lives in; the built-in English text for a widget outside it.
QString AccessibleText(const QWidget* widget, int textId);

}  // namespace novlet
