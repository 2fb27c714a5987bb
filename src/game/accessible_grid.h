// What screen readers and desktop automation see of a game grid.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>

#include <map>

#include "game/accessible_leaf.h"

namespace novlet {

class TNovletGrid;

// A table of N x N cells named by what they show, the selected cell its
// selected and focused child.
class TAccessibleGrid : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TAccessibleGrid(TNovletGrid* grid);
  ~TAccessibleGrid() override;

  QAccessible::Role role() const override { return QAccessible::Table; }
  QString text(QAccessible::Text t) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // The table, row by row; cells are 0-based here as the table counts.
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override { return 1; }
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override;
  int rowCount() const override;
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  // One cell at a time is selected; whole rows and columns never are.
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  // The cells are kept by their place, which every size of board shares.
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  TNovletGrid* Grid() const;

  // The cells' interfaces by 0-based place (column * 16 + row), made when
  // first asked for and registered so that each keeps one identity.
  mutable std::map<int, QAccessible::Id> cells_;
};

// One cell: its name is "row 3, column 5: 7"; pressing it selects it as a
// click does.
class TAccessibleGridCell : public TAccessibleLeaf,
                            public QAccessibleTableCellInterface,
                            public QAccessibleActionInterface {
 public:
  // column and row are 0-based.
  TAccessibleGridCell(TNovletGrid* grid, int column, int row);

  bool isValid() const override;
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  bool isSelected() const override;
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<TNovletGrid> grid_;
  int column_;
  int row_;
};

}  // namespace novlet
