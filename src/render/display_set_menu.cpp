// The grid menu's captions and items as the display set has them.
#include "render/display_set_menu.h"

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
  return symbol + QStringLiteral("  (Ctrl + ") + symbol + ')';
}

}  // namespace novlet
