// What the player waits for on the Play & Solve page, through the real page
// and window: from a key released in a 16 x 16 grid to the grid repainted
// (the entry, its history record, the candidates recomputed, the status
// update and the repaint), and a switch to another page and back.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

#include "engine/board_text.h"
#include "game/grid_shape_menu.h"
#include "game/main_form.h"
#include "game/novlet_grid.h"
#include "game/play_n_solve_page.h"
#include "ui/base_btn.h"

namespace {

using namespace novlet;

struct TPlayedGame {
  TPlayedGame() {
    TMainFormSetup setup;
    const std::filesystem::path folder = Folder.path().toStdString();
    setup.Folders.ProgramFolder = folder;
    setup.Folders.ResourceFolder = folder;
    setup.Folders.Data = ResolveDataPaths(CurrentDataPathInputs(folder));
    setup.StartupFlags = 0;
    setup.AccountName = [] { return std::string("bench"); };
    Form = std::make_unique<TMainForm>(std::move(setup));
    Form->show();
    Form->MainTimer()->stop();
    Form->Engine().Random().Seed(5);
    Page = static_cast<TPlayNSolvePage*>(Form->Page(TPageKind::PlayNSolve));
    Page->NovletGridsPopupMenuClick(4, 4);
    Grid = Page->PlayNSolveNovletGrid();
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

  // A page button clicked, and the window painted until the page shows.
  void SwitchTo(std::size_t pageIndex) {
    Form->PageButtons()[pageIndex]->Click();
    Form->repaint();
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
      game.Page->PlayNSolveRestartBtnClick();
      state.ResumeTiming();
    }
  }
}
BENCHMARK(KeyReleaseToRepaint16x16)->Unit(benchmark::kMillisecond);

// Leaving the page stores the game into its last-game section; coming back
// loads it again. Both ways count, each to the new page painted.
void PageSwitchAndBack16x16(benchmark::State& state) {
  TPlayedGame game;
  game.Release(Qt::Key_1);
  for (auto _ : state) {
    game.SwitchTo(3);
    game.SwitchTo(0);
  }
  if (!game.Form->GameState().Has(TGameFlag::Playing)) state.SkipWithError("the game did not come back");
}
BENCHMARK(PageSwitchAndBack16x16)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
