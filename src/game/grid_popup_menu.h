// The grid's right-click menu of values and pencil notes.
#pragma once

#include <QMenu>

#include <array>

#include "render/display_set.h"
#include "render/display_set_menu.h"

class QAction;

namespace novlet {

// The grid's right-click menu: the clear item N01 "[ ]" and the value items
// N11 .. NG1, and the "Pencil Note" submenu with P02 .. PG2. Item names are
// the actions' object names; captions and visibility follow the display set.
class TGridPopupMenu : public QMenu {
  Q_OBJECT

 public:
  explicit TGridPopupMenu(QWidget* parent = nullptr);

  // Captions of every item for the display set, and items 1..16 shown up to N.
  void ApplyDisplaySet(const TDisplaySet& displaySet);
  // Pencil notes belong to Play & Solve only.
  void SetPencilNoteVisible(bool visible);
  void SetPencilNoteCaption(const QString& caption);

  QAction* ValueItem(int k) const { return valueItems_[k]; }
  QAction* PencilNoteItem(int k) const { return pencilNoteItems_[k]; }
  QMenu* PencilNote() const { return pencilNote_; }

  // Every item's click, with the item, whether clicked or triggered by code.
 signals:
  void itemClicked(QAction* item);

 private:
  void Connect(QAction* item);

  std::array<QAction*, kMenuValueItems> valueItems_{};
  std::array<QAction*, kMenuValueItems> pencilNoteItems_{};
  QMenu* pencilNote_ = nullptr;
};

// The item names scripts and tests find them by: "N01", "N11" .. "N91", "NA1" .. "NG1"; "P02",
// "P12" .. "PG2".
QString GridMenuItemName(bool pencilNote, int k);

// The key code an item stands for: Clear for "[ ]", else the key that types
// its value; 0 for a name that is no item.
int GridMenuItemKey(const QString& itemName);

}  // namespace novlet
