#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <map>
#include <string>

#include "engine/board.h"
#include "engine/geometry.h"
#include "game/grid_key_codes.h"
#include "render/display_set.h"
#include "render/grid_look.h"

class QMenu;
class QMouseEvent;

namespace novlet {

// What the grid's owner lends it for one repaint; the grid adds its own cell
// texts and selected cell. Null pointers leave the grid blank.
struct TGridDrawInputs {
  const TGeometry* Geometry = nullptr;
  const TBoard* Solution = nullptr;
  const TCellTexts* PuzzleTexts = nullptr;
  const TDisplaySet* DisplaySet = nullptr;
  QImage* GridBuffer = nullptr;  // the owner's off-screen image, of the grid's size
  TGridLook Look;
  TGridPaintState State;
};

// The game grid: a string grid of up to 16 x 16 cells whose column and row
// counts are N. One cell is selected at a time, by the arrow keys or the
// mouse; there is no in-place editing and no scrolling. Its cells change only
// through the game's handlers, which receive every released key as a
// platform-neutral key code with its shift state.
class TNovletGrid : public QWidget {
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

  // The cell texts, indexed 1-based like every board (grid cell (c - 1, r - 1)
  // is Cells().at(c, r)). Changes through Cells() need a Repaint().
  const TCellTexts& Cells() const { return cells_; }
  TCellTexts& Cells() { return cells_; }
  // Sets one cell (0-based, as the grid counts) and repaints it at once.
  void SetCell(int column, int row, const std::string& text);
  const std::string& Cell(int column, int row) const { return cells_.at(column + 1, row + 1); }

  // Invalidates and paints the whole grid before returning.
  void Repaint();

  // The owner's inputs for drawing, asked before every paint.
  std::function<TGridDrawInputs()> OnDrawInputs;

  // A released key with its code (0 for keys without one) and shift state.
  std::function<void(QObject* sender, int key, TShiftState shift)> OnKeyUp;
  // Asked before the selection moves to (column, row) by key or mouse.
  std::function<void(QObject* sender, int column, int row, bool& canSelect)> OnSelectCell;
  std::function<void(QObject* sender, QMouseEvent* event)> OnMouseUp;
  std::function<void(QObject* sender)> OnDblClick;

  // The right-click menu, and whether a right click opens it (decided anew at
  // every selection).
  void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }
  QMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupAllowed(bool allowed) { popupAllowed_ = allowed; }
  bool PopupAllowed() const { return popupAllowed_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // Moves the selection as the user asked, when the handler allows it.
  void MoveSelection(int column, int row);
  QRect CellRect(int column, int row) const;

  int gridSize_ = kMaxGridSize;
  int col_ = 0;
  int row_ = 0;
  TCellTexts cells_;
  // The shift state each held key was pressed with.
  std::map<int, TShiftState> pressedShift_;
  QMenu* popupMenu_ = nullptr;
  bool popupAllowed_ = false;
};

}  // namespace novlet
