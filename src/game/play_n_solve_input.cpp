// Input on the Play & Solve grid: keys, the grid menu, the symbol strip,
// selection, and the alternatives of the selected cell.
#include "game/play_n_solve_page.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>

#include "engine/board_text.h"
#include "game/grid_alternatives.h"
#include "game/grid_cell_entry.h"
#include "game/grid_history.h"
#include "game/grid_key_map.h"
#include "game/grid_popup_menu.h"
#include "game/grid_symbol_strip.h"
#include "game/main_form.h"
#include "game/novlet_grid.h"
#include "render/display_set_strip.h"

namespace novlet {

void TPlayNSolvePage::NovletGridKeyUp(QObject* sender, int key, TShiftState shift) {
  const TGameState state = Run().GameState;
  if (sender == grid_ && state.Has(TGameFlag::Playing) && !state.Has(TGameFlag::Paused)) PlayKeyUp(key, shift);
  grid_->Repaint();
  MainForm().UpdateStatus();
}

void TPlayNSolvePage::PlayKeyUp(int key, TShiftState shift) {
  TRunState& run = Run();
  const int c = grid_->Col() + 1;
  const int r = grid_->Row() + 1;
  if (!InsideBoard(c, r) || IsGiven(c, r)) return;
  const int n = run.Engine.Geometry().GridSize;
  const std::optional<int> symbol = KeySymbol(KeyMapFor(n, run.DisplaySet.SelectedIndex()), key, n);
  const bool note = shift.testFlag(TShift::Ctrl);
  if (!symbol) {
    // With Ctrl held, a key without a symbol (Ctrl itself, an arrow) leaves
    // the cell alone rather than wiping its notes.
    if (key == VkPause && !note) PlayNSolvePauseBtnClick();
    return;
  }
  const std::string old = grid_->Cells().at(c, r);
  const std::optional<std::string> entered = EnteredCellText(old, *symbol, note);
  if (!entered) return;
  grid_->Cells().at(c, r) = *entered;
  PushHistoryRecord(run.CurrentGame.History, c, r, old);
  ++run.CurrentGame.EntryCount;
  RecomputeAlternatives();
}

void TPlayNSolvePage::NovletGridPopupMenuClick(QAction* item) {
  TRunState& run = Run();
  if (!item || !run.GameState.Has(TGameFlag::Playing) || run.GameState.Has(TGameFlag::Paused)) return;
  const int c = grid_->Col() + 1;
  const int r = grid_->Row() + 1;
  if (!InsideBoard(c, r) || run.Solution.at(c, r) == 0) return;
  const QString name = item->objectName();
  const TShiftState shift = name.contains('P') ? TShiftState(TShift::Ctrl) : TShiftState();
  NovletGridKeyUp(grid_, GridMenuItemKey(name), shift);
}

void TPlayNSolvePage::DisplaySetImgMouseUp(QObject*, Qt::MouseButton button, TShiftState shift, int x, int) {
  TRunState& run = Run();
  if (run.GameState.Has(TGameFlag::Thinking) || button != Qt::LeftButton) return;
  const int k = StripValueAt(x, strip_->width(), run.Engine.Geometry().GridSize, strip_->ScreenMode());
  if (k < 1) return;
  if (shift.testFlag(TShift::Shift)) {
    run.HighlightValue = k;
    grid_->Repaint();
    QCoreApplication::processEvents();
    return;
  }
  NovletGridKeyUp(grid_, ValueKeyCode(k), shift);
}

void TPlayNSolvePage::NovletGridSelectCell(QObject*, int column, int row, bool& canSelect) {
  canSelect = true;
  grid_->SetPopupAllowed(false);
  const TRunState& run = Run();
  const int c = column + 1;
  const int r = row + 1;
  if (run.GameState.Has(TGameFlag::Playing) && !run.GameState.Has(TGameFlag::Paused) && InsideBoard(c, r) &&
      run.Solution.at(c, r) != 0) {
    grid_->SetPopupAllowed(!IsGiven(c, r));
  }
  MainForm().UpdateStatus();
}

void TPlayNSolvePage::NovletGridMouseUp(QObject*, QMouseEvent*) {
  grid_->Repaint();
  MainForm().UpdateStatus();
}

void TPlayNSolvePage::NovletGridShowAlternatives(QLabel* label, QLabel* image, const std::string& alternatives) {
  const TRunState& run = Run();
  const TDisplaySet& displaySet = run.DisplaySet;
  const int n = run.Engine.Geometry().GridSize;
  const std::vector<int> values = AlternativeValues(alternatives, n);
  const QString caption = MainForm().TranslateText(565, QStringLiteral("Alternatives")) + '\n';

  if (n <= 9 && displaySet.UsesIcons()) {
    // The icons stand on the page itself, which the skin paints.
    QPixmap picture(image->size());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    int shown = 0;
    for (int value : values) {
      if (const QImage* icon = displaySet.SmallIcon(value)) painter.drawImage(9 * shown++, 2, *icon);
    }
    painter.end();
    image->setPixmap(picture);
    label->show();
    image->show();
    return;
  }
  label->show();
  image->hide();
  if (n <= 9 && displaySet.SelectedIndex() == 0) {
    const bool deduced = alternatives.find('$') != std::string::npos;
    label->setText(caption + QString::fromStdString(deduced ? DecimalText(TextToValue(alternatives)) : alternatives));
    return;
  }
  QStringList symbols;
  for (int value : values) symbols << displaySet.DisplaySetSymbol(value);
  label->setText(caption + symbols.join(','));
}

}  // namespace novlet
