// Speed of the solver that works as a person does, and the share of generated puzzles it solves.
//
//   build/release/bench/novlet_logic_bench              next step (9 x 9 Expert,
//       16 x 16 Expert positions) and whole 9 x 9 Expert paths; median_ms and
//       p99_ms are the single-call times
//   build/release/bench/novlet_logic_bench --share [N]  no benchmark: the share
//       of N (default 1000) generated puzzles a level and shape solved without
//       guessing, and how often each technique was the hardest one needed
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "engine/board_text.h"
#include "engine/level_table.h"
#include "engine/novlet_engine.h"
#include "logic/logic_solver.h"

namespace {

using novlet::TBoard;
using novlet::TGeometry;

struct TPuzzle {
  TBoard Givens;
  TBoard Solution;
};

std::vector<TPuzzle> MakePuzzles(int boxWidth, int boxHeight, int level, int count, std::uint64_t seed) {
  novlet::TNovletEngine engine;
  engine.SetBoxShape(boxWidth, boxHeight);
  engine.Random().Seed(seed);
  std::vector<TPuzzle> puzzles;
  while (static_cast<int>(puzzles.size()) < count) {
    TPuzzle puzzle;
    novlet::TCellTexts texts;
    if (!engine.GeneratePuzzle(puzzle.Solution, texts, true, level)) {
      engine.Random().Seed(engine.Random().Below(1u << 30));
      continue;
    }
    novlet::TextsToBoard(engine.Geometry(), texts, puzzle.Givens);
    puzzles.push_back(puzzle);
  }
  return puzzles;
}

TGeometry Shape(int boxWidth, int boxHeight) {
  TGeometry g;
  g.SetBoxShape(boxWidth, boxHeight);
  return g;
}

// Positions a player meets: each puzzle's start and the board after every
// fourth placement along its path.
std::vector<TBoard> PlayerPositions(const TGeometry& g, const std::vector<TPuzzle>& puzzles) {
  std::vector<TBoard> positions;
  for (const TPuzzle& puzzle : puzzles) {
    TBoard board = puzzle.Givens;
    positions.push_back(board);
    const novlet::TLogicPath path = novlet::SolvePath(g, board, true);
    int placed = 0;
    for (const novlet::TLogicStep& step : path.Steps) {
      for (const novlet::TCellValue& value : step.Placed) {
        board.at(value.Column, value.Row) = static_cast<std::uint8_t>(value.Value);
        if (++placed % 4 == 0) positions.push_back(board);
      }
    }
  }
  return positions;
}

template <typename TCall>
void TimeEach(benchmark::State& state, std::size_t count, TCall call) {
  std::vector<double> milliseconds;
  std::size_t next = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    call(next);
    milliseconds.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    next = (next + 1) % count;
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
  state.counters["p99_ms"] = milliseconds[std::min(milliseconds.size() - 1, milliseconds.size() * 99 / 100)];
}

void NextStepFromPositions(benchmark::State& state, int boxWidth, int boxHeight, int puzzleCount) {
  const TGeometry g = Shape(boxWidth, boxHeight);
  const std::vector<TBoard> positions =
      PlayerPositions(g, MakePuzzles(boxWidth, boxHeight, novlet::kLevelExpert, puzzleCount, 11));
  TimeEach(state, positions.size(),
           [&](std::size_t i) { benchmark::DoNotOptimize(novlet::NextStep(g, positions[i], true)); });
}

void WholePath(benchmark::State& state, int boxWidth, int boxHeight) {
  const TGeometry g = Shape(boxWidth, boxHeight);
  const std::vector<TPuzzle> puzzles = MakePuzzles(boxWidth, boxHeight, novlet::kLevelExpert, 40, 12);
  TimeEach(state, puzzles.size(),
           [&](std::size_t i) { benchmark::DoNotOptimize(novlet::SolvePath(g, puzzles[i].Givens, true)); });
}

// The share of generated puzzles solved without guessing, and the hardest techniques.
void ReportShare(const char* name, int boxWidth, int boxHeight, int level, int count) {
  const TGeometry g = Shape(boxWidth, boxHeight);
  std::map<std::string, int> hardest;
  int solved = 0;
  for (const TPuzzle& puzzle : MakePuzzles(boxWidth, boxHeight, level, count, 2026)) {
    const novlet::TLogicPath path = novlet::SolvePath(g, puzzle.Givens, true);
    solved += path.Solved;
    ++hardest[path.Solved ? std::string(novlet::TechniqueIdentifier(path.Hardest)) : "(stuck)"];
  }
  std::printf("%-16s solved %d of %d (%.1f%%); hardest:", name, solved, count, 100.0 * solved / count);
  for (const auto& [technique, times] : hardest) std::printf(" %s %d", technique.c_str(), times);
  std::printf("\n");
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--share") == 0) {
    const int count = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 1000;
    ReportShare("9x9 Rookie", 3, 3, novlet::kLevelRookie, count);
    ReportShare("9x9 Normal", 3, 3, novlet::kLevelNormal, count);
    ReportShare("9x9 Skilled", 3, 3, novlet::kLevelSkilled, count);
    ReportShare("9x9 Expert", 3, 3, novlet::kLevelExpert, count);
    ReportShare("16x16 Expert", 4, 4, novlet::kLevelExpert, count);
    return 0;
  }
  benchmark::RegisterBenchmark("NextStep/9x9/Expert", NextStepFromPositions, 3, 3, 40)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("NextStep/16x16/Expert", NextStepFromPositions, 4, 4, 4)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("SolvePath/9x9/Expert", WholePath, 3, 3)->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
