// What screen readers and desktop automation see of a game grid.
#include "game/accessible_grid.h"

#include <QAction>

#include "game/accessible_texts.h"
#include "game/grid_cell_names.h"
#include "game/novlet_grid.h"
#include "render/grid_painter.h"
#include "store/language/text_ids.h"

namespace novlet {

TAccessibleGrid::TAccessibleGrid(TNovletGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

TAccessibleGrid::~TAccessibleGrid() {
  for (const auto& [place, id] : cells_) QAccessible::deleteAccessibleInterface(id);
}

TNovletGrid* TAccessibleGrid::Grid() const { return static_cast<TNovletGrid*>(widget()); }

QString TAccessibleGrid::text(QAccessible::Text t) const {
  if (t == QAccessible::Name && Grid()->accessibleName().isEmpty())
    return AccessibleText(Grid(), TextId::AccessibleGrid);
  return QAccessibleWidget::text(t);
}

int TAccessibleGrid::childCount() const { return rowCount() * columnCount(); }

int TAccessibleGrid::columnCount() const { return Grid()->ColCount(); }

int TAccessibleGrid::rowCount() const { return Grid()->RowCount(); }

QAccessibleInterface* TAccessibleGrid::cellAt(int row, int column) const {
  if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
  const int place = column * kMaxGridSize + row;
  if (const auto known = cells_.find(place); known != cells_.end())
    return QAccessible::accessibleInterface(known->second);
  auto* cell = new TAccessibleGridCell(Grid(), column, row);
  cells_[place] = QAccessible::registerAccessibleInterface(cell);
  return cell;
}

QAccessibleInterface* TAccessibleGrid::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  return cellAt(index / columnCount(), index % columnCount());
}

int TAccessibleGrid::indexOfChild(const QAccessibleInterface* child) const {
  const auto* cell = dynamic_cast<const TAccessibleGridCell*>(child);
  if (!cell || cell->parent() != this || !cell->isValid()) return -1;
  return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* TAccessibleGrid::childAt(int x, int y) const {
  const QPoint place = GridCellAt(Grid()->mapFromGlobal(QPoint(x, y)), Grid()->ColCount(), Grid()->size());
  return place.x() < 0 ? nullptr : cellAt(place.y(), place.x());
}

QAccessibleInterface* TAccessibleGrid::focusChild() const {
  return Grid()->hasFocus() ? cellAt(Grid()->Row(), Grid()->Col()) : nullptr;
}

QList<QAccessibleInterface*> TAccessibleGrid::selectedCells() const { return {cellAt(Grid()->Row(), Grid()->Col())}; }

QString TAccessibleGrid::columnDescription(int column) const {
  return AccessibleText(Grid(), TextId::AccessibleColumn).arg(column + 1);
}

QString TAccessibleGrid::rowDescription(int row) const {
  return AccessibleText(Grid(), TextId::AccessibleRow).arg(row + 1);
}

void* TAccessibleGrid::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

TAccessibleGridCell::TAccessibleGridCell(TNovletGrid* grid, int column, int row)
    : grid_(grid), column_(column), row_(row) {}

bool TAccessibleGridCell::isValid() const {
  return grid_ && column_ < grid_->ColCount() && row_ < grid_->RowCount();
}

QWindow* TAccessibleGridCell::window() const { return parent() ? parent()->window() : nullptr; }

QAccessibleInterface* TAccessibleGridCell::parent() const {
  return grid_ ? QAccessible::queryAccessibleInterface(grid_) : nullptr;
}

QString TAccessibleGridCell::text(QAccessible::Text t) const {
  if (t != QAccessible::Name || !isValid()) return {};
  return CellName(grid_->Scene(), column_ + 1, row_ + 1, CellWordsFor(grid_));
}

QRect TAccessibleGridCell::rect() const {
  if (!isValid()) return {};
  const QRect local = GridCellRect(column_, row_, grid_->ColCount(), grid_->size());
  return QRect(grid_->mapToGlobal(local.topLeft()), local.size());
}

bool TAccessibleGridCell::isSelected() const {
  return isValid() && grid_->Col() == column_ && grid_->Row() == row_;
}

QAccessible::State TAccessibleGridCell::state() const {
  QAccessible::State state;
  if (!isValid()) {
    state.invalid = true;
    return state;
  }
  state.disabled = !grid_->isEnabled();
  state.invisible = !grid_->isVisible();
  state.focusable = true;
  state.selectable = true;
  state.selected = isSelected();
  state.focused = state.selected && grid_->hasFocus();
  return state;
}

void* TAccessibleGridCell::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
  if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
  return nullptr;
}

QStringList TAccessibleGridCell::actionNames() const {
  QStringList names{pressAction(), setFocusAction()};
  if (isValid())
    for (const QAction* action : grid_->CellActions())
      if (action->isEnabled() && action->isVisible()) names << action->objectName();
  return names;
}

void TAccessibleGridCell::doAction(const QString& actionName) {
  if (!isValid() || !actionNames().contains(actionName)) return;
  // Returns at once, as a button's press does; a named action runs on this
  // cell, as the right-click menu's would.
  QMetaObject::invokeMethod(
      grid_,
      [grid = grid_, column = column_, row = row_, actionName] {
        grid->ClickCell(column, row);
        for (QAction* action : grid->CellActions())
          if (action->objectName() == actionName) action->trigger();
      },
      Qt::QueuedConnection);
}

}  // namespace novlet
