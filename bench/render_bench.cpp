// Repaint costs of the grid: a whole 16 x 16 grid (a page shown or the
// options changed) and a single cell (what a key release repaints).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <string>

#include "engine/board.h"
#include "engine/geometry.h"
#include "render/display_set.h"
#include "render/grid_painter.h"

namespace {

using namespace novlet;

// A 16 x 16 game in progress: givens, entries and a few cells of notes.
struct TBusyGrid {
  TBusyGrid(int side) : Buffer(side, side, QImage::Format_RGB32), Target(side, side, QImage::Format_RGB32) {
    Geometry.SetBoxShape(4, 4);
    for (int r = 1; r <= 16; ++r) {
      for (int c = 1; c <= 16; ++c) {
        Solution.at(c, r) = static_cast<std::uint8_t>(((r - 1) % 4 * 4 + (r - 1) / 4 + c - 1) % 16 + 1);
        const std::string value = std::to_string(Solution.at(c, r));
        if ((c + r) % 3 == 0) {
          PuzzleTexts.at(c, r) = value;
          GridTexts.at(c, r) = value;
        } else if ((c * r) % 4 == 1) {
          GridTexts.at(c, r) = "12,3,7,16,";
        } else if ((c * r) % 4 == 2) {
          GridTexts.at(c, r) = value;
        }
      }
    }
    DisplaySet.Apply(0, kSymbolAlphabets[0], 16, {});
    State.CurrentColumn = 6;
    State.CurrentRow = 9;
  }

  void Paint(const QRect& exposed) {
    const TGridScene scene{Geometry, Solution, PuzzleTexts, GridTexts, DisplaySet, Look, State};
    QPainter painter(&Target);
    TGridPainter(scene).PaintGrid(painter, &Buffer, exposed);
  }

  TGeometry Geometry;
  TBoard Solution;
  TCellTexts PuzzleTexts;
  TCellTexts GridTexts;
  TDisplaySet DisplaySet;
  TGridLook Look;
  TGridPaintState State;
  QImage Buffer;
  QImage Target;
};

// Arguments: the grid control's side in pixels (base size and x1.6).
void FullRepaint16x16(benchmark::State& state) {
  TBusyGrid grid(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    grid.Paint(grid.Target.rect());
    benchmark::DoNotOptimize(grid.Target.constBits());
  }
}
BENCHMARK(FullRepaint16x16)->Arg(245)->Arg(392)->Unit(benchmark::kMillisecond);

void SingleCellRepaint16x16(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  TBusyGrid grid(side);
  const QRect cell = GridCellRect(grid.State.CurrentColumn, grid.State.CurrentRow, 16, QSize(side, side));
  for (auto _ : state) {
    grid.Paint(cell);
    benchmark::DoNotOptimize(grid.Target.constBits());
  }
}
BENCHMARK(SingleCellRepaint16x16)->Arg(245)->Arg(392)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
