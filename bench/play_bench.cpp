// What the player waits for on the Play & Solve page, through the real page
// and window: from a key released in a 16 x 16 grid to the grid repainted
// (the entry, its history record, the candidates recomputed, the status
// update and the repaint), and a switch to another page and back.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <chrono>
#include <memory>
#include <optional>

#include "engine/board_text.h"
#include "game/grid_shape_menu.h"
#include "game/book_page.h"
#include "bench_window.h"
#include "game/main_form.h"
#include "game/novlet_grid.h"
#include "game/play_n_solve_page.h"
#include "ui/base_btn.h"

namespace {

using namespace novlet;

// Notes when a widget is first painted after it is made.
class TFirstPaint : public QObject {
 public:
  explicit TFirstPaint(QWidget* widget) : widget_(widget) { widget->installEventFilter(this); }
  ~TFirstPaint() override { widget_->removeEventFilter(this); }
  std::optional<std::chrono::steady_clock::time_point> PaintedAt() const { return paintedAt_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !paintedAt_) paintedAt_ = std::chrono::steady_clock::now();
    return false;
  }

 private:
  QWidget* widget_;
  std::optional<std::chrono::steady_clock::time_point> paintedAt_;
};

struct TPlayedGame {
  TPlayedGame() {
    Form = OpenBenchWindow(std::filesystem::path(Folder.path().toStdString()));
    Form->Engine().Random().Seed(5);
    Page = static_cast<TPlayNSolvePage*>(Form->Page(TPageKind::PlayNSolve));
    Page->NovletGridsPopupMenuClick(4, 4);
    Grid = Page->Grid();
    // The first open cell takes the keys.
    for (int i = 0; i < 256; ++i) {
      const int c = i % 16 + 1;
      const int r = i / 16 + 1;
      if (!Page->Session().IsGiven(c, r)) {
        Grid->SelectCell(c - 1, r - 1);
        break;
      }
    }
  }

  void Release(Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(Grid, &press);
    QApplication::sendEvent(Grid, &release);
  }

  // Clicks a page button; the seconds from the click to the page painted.
  double SecondsToShow(std::size_t pageIndex) {
    TBookPage* page = Form->BookPages()[pageIndex];
    TFirstPaint watch(page);
    const auto start = std::chrono::steady_clock::now();
    Form->PageButtons()[pageIndex]->Click();
    Form->repaint();
    QCoreApplication::processEvents();
    return std::chrono::duration<double>(watch.PaintedAt().value_or(std::chrono::steady_clock::now()) - start).count();
  }

  QTemporaryDir Folder;
  std::unique_ptr<TMainForm> Form;
  TPlayNSolvePage* Page = nullptr;
  TNovletGrid* Grid = nullptr;
};

void KeyReleaseToRepaint16x16(benchmark::State& state) {
  TPlayedGame game;
  // A hidden grid would not paint, and the figure would mean nothing.
  if (!game.Grid->isVisible() || game.Grid->width() < 200) state.SkipWithError("the grid is not on screen");
  bool one = true;
  std::int64_t releases = 0;
  for (auto _ : state) {
    game.Release(one ? Qt::Key_1 : Qt::Key_W);
    one = !one;
    // The history grows by one record a key; keep it at a game's length.
    if (++releases % 500 == 0) {
      state.PauseTiming();
      emit game.Page->PlayNSolveRestartBtn()->clicked();
      state.ResumeTiming();
    }
  }
}
BENCHMARK(KeyReleaseToRepaint16x16)->Unit(benchmark::kMillisecond);

// Leaving the page stores the game into its last-game section; coming back
// loads it again. Each way counts from the click to the new page painted.
void LeavingAGame16x16(benchmark::State& state) {
  TPlayedGame game;
  for (auto _ : state) {
    game.Release(Qt::Key_1);
    state.SetIterationTime(game.SecondsToShow(3));
    game.SecondsToShow(0);
  }
  if (!game.Page->Session().State().Has(TGameFlag::Playing)) state.SkipWithError("the game did not come back");
}
BENCHMARK(LeavingAGame16x16)->UseManualTime()->Unit(benchmark::kMillisecond);

void ComingBackToAGame16x16(benchmark::State& state) {
  TPlayedGame game;
  for (auto _ : state) {
    game.Release(Qt::Key_1);
    game.SecondsToShow(3);
    state.SetIterationTime(game.SecondsToShow(0));
  }
  if (!game.Page->Session().State().Has(TGameFlag::Playing)) state.SkipWithError("the game did not come back");
}
BENCHMARK(ComingBackToAGame16x16)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
