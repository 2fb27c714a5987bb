// The aids of a Play & Solve game: Undo, Hint, Errors, Solution and the
// choice among several solutions.
#include "game/play_n_solve_page.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "engine/board_text.h"
#include "game/grid_history.h"
#include "game/main_form.h"
#include "game/novlet_grid.h"
#include "ui/base_btn.h"

namespace novlet {
namespace {

constexpr int kFlashRounds = 4;
constexpr int kFlashShownMilliseconds = 100;
constexpr int kFlashFinalMilliseconds = 200;

bool HoldsNotes(const std::string& text) { return text.find(',') != std::string::npos; }

}  // namespace

bool TPlayNSolvePage::FlashCell(int column, int row, const std::string& shown, const std::string& final) {
  const int serial = gameSerial_;
  // While the window lives on, New, a load or the game's end may come in
  // between; the flash then leaves the new state alone.
  const auto gameGoesOn = [&] { return gameSerial_ == serial && Run().GameState.Has(TGameFlag::Playing); };
  for (int round = 0; round < kFlashRounds; ++round) {
    grid_->SetCell(column - 1, row - 1, shown);
    QCoreApplication::processEvents();
    flashWait_(kFlashShownMilliseconds);
    if (!gameGoesOn()) return false;
    grid_->SetCell(column - 1, row - 1, final);
    QCoreApplication::processEvents();
    flashWait_(kFlashFinalMilliseconds);
    if (!gameGoesOn()) return false;
  }
  return true;
}

void TPlayNSolvePage::PlayNSolveUndoBtnClick() {
  TRunState& run = Run();
  if (flashRunning_) return;
  if (const std::optional<THistoryRecord> record = PopHistoryRecord(run.CurrentGame.History)) {
    if (record->Column >= 1 && record->Row >= 1 && InsideBoard(record->Column, record->Row)) {
      flashRunning_ = true;
      MainForm().UpdateStatus();
      const std::string current = grid_->Cells().at(record->Column, record->Row);
      if (FlashCell(record->Column, record->Row, current, record->PreviousText)) RecomputeAlternatives();
      flashRunning_ = false;
    }
  }
  MainForm().UpdateStatus();
}

void TPlayNSolvePage::PlayNSolveHintBtnClick() {
  TRunState& run = Run();
  if (run.GameState.Has(TGameFlag::HintRunning) || flashRunning_) return;
  run.GameState.Set(TGameFlag::HintRunning);
  const int n = run.Engine.Geometry().GridSize;
  const auto toFill = [&](int c, int r) {
    const std::string& text = grid_->Cells().at(c, r);
    return run.Solution.at(c, r) != 0 && (text.empty() || HoldsNotes(text));
  };
  int count = 0;
  for (int r = 1; r <= n; ++r)
    for (int c = 1; c <= n; ++c) count += toFill(c, r);

  if (count >= 1) {
    int chosen = run.Engine.Random().Between(1, count);
    for (int r = 1; r <= n && chosen > 0; ++r) {
      for (int c = 1; c <= n && chosen > 0; ++c) {
        if (!toFill(c, r) || --chosen > 0) continue;
        PushHistoryRecord(run.CurrentGame.History, c, r, grid_->Cells().at(c, r));
        flashRunning_ = true;
        MainForm().UpdateStatus();
        const std::string value = DecimalText(run.Solution.at(c, r));
        if (FlashCell(c, r, value, std::string())) {
          grid_->SetCell(c - 1, r - 1, value);
          ++run.CurrentGame.HintCount;
          RecomputeAlternatives();
        }
        flashRunning_ = false;
      }
    }
  }
  run.GameState.Clear(TGameFlag::HintRunning);
  MainForm().UpdateStatus();
}

void TPlayNSolvePage::PlayNSolveErrorsBtnClick() {
  TRunState& run = Run();
  if (run.GameState.Has(TGameFlag::ShowErrors)) return;
  run.GameState.Set(TGameFlag::ShowErrors);
  grid_->Repaint();
  run.GameState.Clear(TGameFlag::ShowErrors);
  ++run.CurrentGame.ErrorCount;
  MainForm().UpdateStatus();
}

void TPlayNSolvePage::PlayNSolveSolutionBtnClick() {
  TRunState& run = Run();
  if (run.GameState.Has(TGameFlag::SolutionShown)) return;
  run.GameState = TGameFlag::SolutionShown;
  ++gameSerial_;
  run.CurrentGame.History.clear();
  run.CurrentGame.Status = StatusFinished;
  const int n = run.Engine.Geometry().GridSize;
  for (int r = 1; r <= n; ++r)
    for (int c = 1; c <= n; ++c)
      if (HoldsNotes(grid_->Cells().at(c, r))) grid_->Cells().at(c, r).clear();
  grid_->Repaint();
  MainForm().UpdateStatus();
}

void TPlayNSolvePage::SolutionsPopupClick(QObject* sender) {
  if (solutionsMenu_->isEmpty()) {
    if (sender == solutionBtn_) PlayNSolveSolutionBtnClick();
    return;
  }
  if (auto* button = dynamic_cast<TBaseBtn*>(sender))
    solutionsMenu_->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void TPlayNSolvePage::SolutionsPopupMenuClick(QAction* item) {
  TRunState& run = Run();
  if (!item) return;
  const QString name = item->objectName();
  const int underscore = name.indexOf('_');
  bool isNumber = false;
  const int n = underscore < 0 ? -1 : name.mid(underscore + 1).toInt(&isNumber);
  const std::vector<std::string>& lines = run.Engine.SolutionList();
  if (!isNumber || n <= 0 || static_cast<int>(lines.size()) <= n) return;
  // The page's own menu only ever offers the solutions of its game.
  if (!run.GameState.Has(TGameFlag::Playing) && MainForm().ActivePageIndex() != TMainForm::PlayNSolvePageIndex) return;
  HexToBoard(run.Engine.Geometry(), lines[static_cast<std::size_t>(n)], run.Solution);
  run.GameState = TGameState();
  PlayNSolveSolutionBtnClick();
}

}  // namespace novlet
