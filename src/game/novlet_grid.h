// The game grid control: selection, keys and mouse, and painting what its
// page's session holds.
#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "engine/board.h"
#include "engine/geometry.h"
#include "game/grid_key_codes.h"
#include "render/display_set.h"
#include "render/grid_look.h"
#include "render/grid_painter.h"

class QAction;
class QMenu;

namespace novlet {

class TGridAnnouncer;

// A string grid of up to 16 x 16 cells whose column and row counts are N. One
// cell is selected at a time, by the arrow keys or the mouse; there is no
// in-place editing and no scrolling. It keeps no cells of its own: it paints
// its page's session and reports every released key as a platform-neutral
// key code with its shift state.
class TNovletGrid : public QWidget {
  Q_OBJECT

 public:
  explicit TNovletGrid(QWidget* parent = nullptr);

  // N columns and N rows (1..16); the selection is kept inside them.
  int ColCount() const { return gridSize_; }
  int RowCount() const { return gridSize_; }
  void SetGridSize(int gridSize);

  // The selected cell, 0-based. Selecting from program code asks no handler.
  int Col() const { return col_; }
  int Row() const { return row_; }
  void SelectCell(int column, int row);

  // The selected cell, 1-based as the boards count.
  int SelectedColumn() const { return col_ + 1; }
  int SelectedRow() const { return row_ + 1; }

  // Invalidates and paints the whole grid before returning.
  void Repaint();
  // Repaints one cell (0-based) at once.
  void RepaintCell(int column, int row);

  // What to draw, asked before every paint.
  void SetScene(std::function<TGridScene()> scene) { scene_ = std::move(scene); }
  // What the grid paints now.
  std::optional<TGridScene> Scene() const { return scene_ ? std::optional(scene_()) : std::nullopt; }

  // Selects the cell (0-based) with the keyboard focus, as a left click on it
  // does; nothing while the grid is disabled. For the accessibility interface.
  void ClickCell(int column, int row);

  // The right-click menu, and whether a right click opens it (decided anew at
  // every selection).
  void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }
  QMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupAllowed(bool allowed) { popupAllowed_ = allowed; }
  bool PopupAllowed() const { return popupAllowed_; }
  // Actions a cell also offers assistive technology by name (the actions'
  // object names), as the right-click menu offers them to the mouse.
  void SetCellActions(QList<QAction*> actions) { cellActions_ = std::move(actions); }
  const QList<QAction*>& CellActions() const { return cellActions_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 signals:
  // A released key with its code (0 for keys without one) and shift state.
  void keyReleased(int key, novlet::TShiftState shift);
  // The selection is about to move to (column, row), 0-based.
  void selecting(int column, int row);
  void mouseReleased();
  void doubleClicked();

 private:
  // Moves the selection as the user asked, when the handler allows it.
  void MoveSelection(int column, int row);
  QRect CellRect(int column, int row) const;

  std::function<TGridScene()> scene_;
  TGridAnnouncer* announcer_ = nullptr;
  // Each cell is composed here before it reaches the screen.
  QImage buffer_;
  int gridSize_ = kMaxGridSize;
  int col_ = 0;
  int row_ = 0;
  // The shift state each held key was pressed with.
  std::map<int, TShiftState> pressedShift_;
  QMenu* popupMenu_ = nullptr;
  bool popupAllowed_ = false;
  QList<QAction*> cellActions_;
};

}  // namespace novlet
