// The grid menu's captions and items as the display set has them.
#include "render/display_set_menu.h"

#include <QKeySequence>

namespace novlet {
namespace {

// Icon sets and wide boards name the values by the keys that type them.
QString MenuSymbol(const TDisplaySet& displaySet, int k) {
  if (k >= 10 || displaySet.GridSize() >= 10 || displaySet.SelectedIndex() >= kFirstIconSetIndex) {
    return kWideAlphabet.mid(k - 1, 1);
  }
  return displaySet.DisplaySet().mid(k - 1, 1);
}

}  // namespace

QString ValueMenuCaption(const TDisplaySet& displaySet, int k) {
  if (k < 1 || k >= kMenuValueItems) return QStringLiteral("[ ]");
  return MenuSymbol(displaySet, k);
}

QString PencilNoteMenuCaption(const TDisplaySet& displaySet, int k) {
  if (k < 1 || k >= kMenuValueItems) return QStringLiteral("[ ]");
  const QString symbol = MenuSymbol(displaySet, k);
  // The desktop's own key names: Qt words them in the language the window
  // shows ("Strg+1" in German).
  const QKeyCombination key(Qt::ControlModifier, static_cast<Qt::Key>(symbol.at(0).toUpper().unicode()));
  return symbol + QStringLiteral("  (") + QKeySequence(key).toString(QKeySequence::NativeText) + ')';
}

}  // namespace novlet
