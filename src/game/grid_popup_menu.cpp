// The grid's right-click menu of values and pencil notes.
#include "game/grid_popup_menu.h"

#include <QAction>

#include "session/key_codes.h"
#include "session/key_map.h"

namespace novlet {
namespace {

// The middle character of an item name: "0" for the clear item, then the
// values 1..16 as "1".."9", "A".."G".
QChar ValueDigit(int k) { return k <= 9 ? QChar('0' + k) : QChar('A' + k - 10); }

}  // namespace

QString GridMenuItemName(bool pencilNote, int k) {
  return QString(pencilNote ? 'P' : 'N') + ValueDigit(k) + (pencilNote ? '2' : '1');
}

int GridMenuItemKey(const QString& itemName) {
  if (itemName.size() != 3) return 0;
  const QChar digit = itemName[1];
  if (digit == '0') return VkClear;
  if (digit >= '1' && digit <= '9') return ValueKeyCode(digit.unicode() - '0');
  if (digit >= 'A' && digit <= 'G') return ValueKeyCode(digit.unicode() - 'A' + 10);
  return 0;
}

TGridPopupMenu::TGridPopupMenu(QWidget* parent) : QMenu(parent) {
  for (int k = 0; k < kMenuValueItems; ++k) {
    valueItems_[k] = addAction(QStringLiteral("[ ]"));
    valueItems_[k]->setObjectName(GridMenuItemName(false, k));
  }
  pencilNote_ = addMenu(QStringLiteral("Pencil Note"));
  pencilNote_->setObjectName(QStringLiteral("PencilNote"));
  for (int k = 0; k < kMenuValueItems; ++k) {
    pencilNoteItems_[k] = pencilNote_->addAction(QStringLiteral("[ ]"));
    pencilNoteItems_[k]->setObjectName(GridMenuItemName(true, k));
  }
  // A note cannot be cleared on its own; the clear item stays out of sight.
  pencilNoteItems_[0]->setEnabled(false);
  pencilNoteItems_[0]->setVisible(false);
  for (QAction* item : valueItems_) Connect(item);
  for (QAction* item : pencilNoteItems_) Connect(item);
}

// Each item reports itself, whether clicked in the menu or triggered by code.
void TGridPopupMenu::Connect(QAction* item) {
  connect(item, &QAction::triggered, this, [this, item] { emit itemClicked(item); });
}

void TGridPopupMenu::ApplyDisplaySet(const TDisplaySet& displaySet) {
  for (int k = 0; k < kMenuValueItems; ++k) {
    valueItems_[k]->setText(ValueMenuCaption(displaySet, k));
    pencilNoteItems_[k]->setText(PencilNoteMenuCaption(displaySet, k));
    const QImage* icon = displaySet.UsesIcons() && k >= 1 && k <= 9 ? displaySet.SmallIcon(k) : nullptr;
    valueItems_[k]->setIcon(icon ? QIcon(QPixmap::fromImage(*icon)) : QIcon());
    if (k == 0) continue;
    valueItems_[k]->setVisible(MenuValueItemVisible(k, displaySet.GridSize()));
    pencilNoteItems_[k]->setVisible(MenuValueItemVisible(k, displaySet.GridSize()));
  }
}

void TGridPopupMenu::SetPencilNoteVisible(bool visible) {
  pencilNote_->menuAction()->setVisible(visible);
  pencilNote_->setEnabled(visible);
}

void TGridPopupMenu::SetPencilNoteCaption(const QString& caption) { pencilNote_->setTitle(caption); }

}  // namespace novlet
