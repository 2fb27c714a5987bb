// The game grid control.
#include "game/novlet_grid.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "game/grid_announcer.h"
#include "render/grid_painter.h"

namespace novlet {

TNovletGrid::TNovletGrid(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  announcer_ = new TGridAnnouncer(this);
}

void TNovletGrid::SetGridSize(int gridSize) {
  gridSize_ = std::clamp(gridSize, 1, kMaxGridSize);
  col_ = std::min(col_, gridSize_ - 1);
  row_ = std::min(row_, gridSize_ - 1);
  update();
}

void TNovletGrid::SelectCell(int column, int row) {
  col_ = std::clamp(column, 0, gridSize_ - 1);
  row_ = std::clamp(row, 0, gridSize_ - 1);
  update();
  announcer_->SelectionMoved();
}

void TNovletGrid::Repaint() { repaint(); }

void TNovletGrid::RepaintCell(int column, int row) { repaint(CellRect(column, row)); }

QRect TNovletGrid::CellRect(int column, int row) const { return GridCellRect(column, row, gridSize_, size()); }

void TNovletGrid::MoveSelection(int column, int row) {
  column = std::clamp(column, 0, gridSize_ - 1);
  row = std::clamp(row, 0, gridSize_ - 1);
  emit selecting(column, row);
  // The ruler follows the selection across its row, column and box.
  col_ = column;
  row_ = row;
  update();
  announcer_->SelectionMoved();
}

void TNovletGrid::ClickCell(int column, int row) {
  if (!isEnabled()) return;
  setFocus(Qt::MouseFocusReason);
  MoveSelection(column, row);
  emit mouseReleased();
}

void TNovletGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  std::optional<TGridScene> scene = Scene();
  const bool drawable = scene && !size().isEmpty();
  // Beyond the N x N cells (the rest of an uneven division) lies the page.
  const QRect cells(0, 0, width() / gridSize_ * gridSize_, height() / gridSize_ * gridSize_);
  const QRegion outside = QRegion(event->rect()) - QRegion(drawable ? cells : QRect());
  for (const QRect& part : outside) painter.fillRect(part, palette().window());
  if (!drawable) return;
  scene->State.CurrentColumn = col_;
  scene->State.CurrentRow = row_;
  if (buffer_.size() != size()) buffer_ = QImage(size(), QImage::Format_RGB32);
  TGridPainter(*scene).PaintGrid(painter, &buffer_, event->rect());
  announcer_->Painted();
}

void TNovletGrid::keyPressEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) pressedShift_[VirtualKeyOf(*event)] = ShiftStateOf(event->modifiers());
  switch (event->key()) {
    case Qt::Key_Left: MoveSelection(col_ - 1, row_); break;
    case Qt::Key_Right: MoveSelection(col_ + 1, row_); break;
    case Qt::Key_Up: MoveSelection(col_, row_ - 1); break;
    case Qt::Key_Down: MoveSelection(col_, row_ + 1); break;
    case Qt::Key_Home: MoveSelection(0, row_); break;
    case Qt::Key_End: MoveSelection(gridSize_ - 1, row_); break;
    case Qt::Key_PageUp: MoveSelection(col_, 0); break;
    case Qt::Key_PageDown: MoveSelection(col_, gridSize_ - 1); break;
    default: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

void TNovletGrid::keyReleaseEvent(QKeyEvent* event) {
  // A held key repeats its presses but is released once, as the game expects.
  if (event->isAutoRepeat()) return;
  // Only a key pressed here counts: the press of a shortcut's key (the V of
  // Ctrl+V, a letter that types 15 on wide boards) went to the shortcut, and
  // a key pressed before the grid had the focus was meant for something else.
  // It counts with the shift state it was pressed with, so that Ctrl let go a
  // moment before the digit still makes a note.
  const int key = VirtualKeyOf(*event);
  const auto pressed = pressedShift_.find(key);
  if (pressed == pressedShift_.end()) {
    // Taken all the same: passed up, it would reach the window's own keys.
    event->accept();
    return;
  }
  const TShiftState shift = ShiftStateOf(event->modifiers()) | pressed->second;
  pressedShift_.erase(pressed);
  emit keyReleased(key, shift);
  event->accept();
}

void TNovletGrid::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  announcer_->SelectionMoved();
}

void TNovletGrid::focusOutEvent(QFocusEvent* event) {
  // Keys released elsewhere never come back to this grid.
  pressedShift_.clear();
  QWidget::focusOutEvent(event);
}

void TNovletGrid::mousePressEvent(QMouseEvent* event) {
  const QPoint cell = GridCellAt(event->position().toPoint(), gridSize_, size());
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  if (cell.x() >= 0) MoveSelection(cell.x(), cell.y());
  // The menu acts on the selected cell, so it only opens over the cell the
  // click has just selected.
  if (event->button() == Qt::RightButton && popupMenu_ && popupAllowed_ && cell.x() == col_ &&
      cell.y() == row_) {
    popupMenu_->popup(event->globalPosition().toPoint());
  }
}

void TNovletGrid::mouseReleaseEvent(QMouseEvent*) { emit mouseReleased(); }

void TNovletGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

}  // namespace novlet
