// Engine speed: puzzle generation per shape and level (time per puzzle, as
// the player waits for it, retries included), one propagation pass, and
// searches on fixed positions.
//
//   build/release/bench/novlet_engine_bench                 five common shapes
//   build/release/bench/novlet_engine_bench --all-shapes    all nineteen
//   build/release/bench/novlet_engine_bench --with-model    also the literal
//       string model of the tests, to show what the compact form gains
//
// Generation reports the median and the 99th percentile of the single
// puzzle times as counters (median_ms, p99_ms).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "engine/board_text.h"
#include "engine/geometry.h"
#include "engine/level_table.h"
#include "engine/literal_model.h"
#include "engine/novlet_engine.h"

namespace {

using novlet::TBoard;
using novlet::TCellTexts;
using novlet::TLiteralModel;
using novlet::TNovletEngine;

template <typename TEngine>
void GeneratePuzzles(benchmark::State& state, int boxWidth, int boxHeight, int level) {
  TEngine engine;
  engine.SetBoxShape(boxWidth, boxHeight);
  engine.Random().Seed(20261206);
  std::vector<double> milliseconds;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    TBoard solution;
    TCellTexts puzzle;
    while (!engine.GeneratePuzzle(solution, puzzle, true, level)) engine.Random().Seed(engine.Random().Below(1u << 31));
    milliseconds.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    benchmark::DoNotOptimize(puzzle);
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
  state.counters["p99_ms"] = milliseconds[std::min(milliseconds.size() - 1, milliseconds.size() * 99 / 100)];
}

// A 9 x 9 Normal puzzle and a 16 x 16 Expert puzzle, made once from fixed seeds.
struct TFixedPosition {
  TBoard Solution;
  TCellTexts Puzzle;
};

TFixedPosition MakePosition(TNovletEngine& engine, int boxWidth, int boxHeight, int level) {
  engine.SetBoxShape(boxWidth, boxHeight);
  engine.Random().Seed(7);
  TFixedPosition position;
  while (!engine.GeneratePuzzle(position.Solution, position.Puzzle, true, level)) engine.Random().Seed(engine.Random().Below(1000));
  return position;
}

template <typename TEngine>
void OnePropagationPass(benchmark::State& state, int boxWidth, int boxHeight) {
  TNovletEngine maker;
  const TFixedPosition position = MakePosition(maker, boxWidth, boxHeight, novlet::kLevelExpert);
  TEngine engine;
  engine.SetBoxShape(boxWidth, boxHeight);
  for (auto _ : state) {
    TBoard board;
    TCellTexts texts = position.Puzzle;
    benchmark::DoNotOptimize(engine.ComputeAlternatives(board, texts));
  }
}

void SearchFixedPosition(benchmark::State& state, int boxWidth, int boxHeight, int blanks, bool guess) {
  TNovletEngine engine;
  TFixedPosition position = MakePosition(engine, boxWidth, boxHeight, novlet::kLevelExpert);
  // Blank a few more givens so that the search has to branch and count.
  const auto& g = engine.Geometry();
  for (int r = 1, left = blanks; r <= g.GridSize && left > 0; ++r)
    for (int c = 1; c <= g.GridSize && left > 0; ++c)
      if (!position.Puzzle.at(c, r).empty()) {
        position.Puzzle.at(c, r).clear();
        --left;
      }
  for (auto _ : state) {
    TBoard board;
    TCellTexts texts = position.Puzzle;
    benchmark::DoNotOptimize(engine.SolveAndCount(board, texts, false, guess));
  }
  state.counters["solutions"] = engine.SolutionCount();
}

}  // namespace

int main(int argc, char** argv) {
  bool allShapes = false;
  bool withModel = false;
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--all-shapes") == 0) {
      allShapes = true;
    } else if (std::strcmp(argv[i], "--with-model") == 0) {
      withModel = true;
    } else {
      args.push_back(argv[i]);
    }
  }
  const std::vector<std::pair<int, int>> commonShapes{{2, 2}, {2, 3}, {3, 3}, {4, 3}, {4, 4}};
  std::vector<std::pair<int, int>> shapes;
  if (allShapes) {
    for (const auto& shape : novlet::kBoxShapes) shapes.emplace_back(shape.BoxWidth, shape.BoxHeight);
  } else {
    shapes = commonShapes;
  }
  const char* levelNames[] = {"Rookie", "Normal", "Skilled", "Expert"};
  for (const auto& [w, h] : shapes) {
    for (int level = 0; level <= 3; ++level) {
      const std::string name = "GeneratePuzzle/" + std::to_string(w) + "x" + std::to_string(h) + "/" + levelNames[level];
      benchmark::RegisterBenchmark(name.c_str(), GeneratePuzzles<TNovletEngine>, w, h, level)
          ->Unit(benchmark::kMillisecond)
          ->MinTime(allShapes ? 0.5 : 1.0);
      if (withModel) {
        benchmark::RegisterBenchmark(("Model/" + name).c_str(), GeneratePuzzles<TLiteralModel>, w, h, level)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(1.0);
      }
    }
  }
  benchmark::RegisterBenchmark("ComputeAlternatives/3x3", OnePropagationPass<TNovletEngine>, 3, 3)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("ComputeAlternatives/4x4", OnePropagationPass<TNovletEngine>, 4, 4)
      ->Unit(benchmark::kMicrosecond);
  if (withModel) {
    benchmark::RegisterBenchmark("Model/ComputeAlternatives/3x3", OnePropagationPass<TLiteralModel>, 3, 3)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Model/ComputeAlternatives/4x4", OnePropagationPass<TLiteralModel>, 4, 4)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("SolveAndCount/3x3/expert", SearchFixedPosition, 3, 3, 0, true)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("SolveAndCount/3x3/branching", SearchFixedPosition, 3, 3, 6, true)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("SolveAndCount/4x4/branching", SearchFixedPosition, 4, 4, 12, true)->Unit(benchmark::kMicrosecond);

  int benchArgc = static_cast<int>(args.size());
  benchmark::Initialize(&benchArgc, args.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
