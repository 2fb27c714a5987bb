// The words that assistive technology reads where a control has no caption.
#include "game/accessible_texts.h"

#include <QWidget>

#include "game/page_host.h"
#include "store/language/text_ids.h"

namespace novlet {

QString AccessibleText(const QWidget* widget, int textId) {
  // The program's window is the pages' host and holds the chosen language.
  if (const auto* host = dynamic_cast<const TPageHost*>(widget->window())) return host->Text(textId);
  const std::string_view builtIn = BuiltInText(textId).Caption;
  return QString::fromUtf8(builtIn.data(), static_cast<qsizetype>(builtIn.size()));
}

}  // namespace novlet
