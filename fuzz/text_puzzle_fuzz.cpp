// Feeds arbitrary bytes to the reader of puzzles in text, with the box shape the first byte picks or none, and
// checks a few of the puzzles it reads. A puzzle read must hold only values of its shape and write a one-line form
// that reads back as the same puzzle; a puzzle found solvable must have a valid solution that keeps its givens.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "engine/board_text.h"
#include "store/text_puzzle_check.h"
#include "store/text_puzzles.h"

namespace novlet {
namespace {

// Each count may take thousands of search nodes; checking every puzzle
// of a long input would slow the fuzzer down more than it teaches it, and a
// hopeless board may take the full node cap, seconds under the sanitizers.
constexpr int kMostChecksPerInput = 4;
constexpr std::int64_t kFuzzNodeCap = 20'000;

void Require(bool condition) {
  if (!condition) std::abort();
}

// Values 1..N on the N x N part of the board and nothing beyond it.
void RequireGivensInRange(const TTextPuzzle& puzzle) {
  const int n = puzzle.Geometry().GridSize;
  for (int row = 1; row <= kMaxGridSize; ++row) {
    for (int column = 1; column <= kMaxGridSize; ++column) {
      Require(puzzle.Givens.at(column, row) <= (row <= n && column <= n ? n : 0));
    }
  }
}

void RequireSolutionKeepsGivens(const TTextPuzzle& puzzle) {
  const TGeometry g = puzzle.Geometry();
  Require(BoardFull(g, puzzle.Solution) && BoardLinesValid(g, puzzle.Solution));
  for (int row = 1; row <= g.GridSize; ++row) {
    for (int column = 1; column <= g.GridSize; ++column) {
      const int given = puzzle.Givens.at(column, row);
      Require(given == 0 || given == puzzle.Solution.at(column, row));
    }
  }
}

void ReadAndCheck(std::string_view text, const std::optional<TGeometry>& shape) {
  int checks = 0;
  for (TTextPuzzle& puzzle : ReadTextPuzzles(text, shape)) {
    Require(puzzle.Line >= 1);
    if (puzzle.State == TTextPuzzleState::Unreadable) {
      Require(puzzle.Reason.starts_with("line "));
      continue;
    }
    Require(puzzle.State == TTextPuzzleState::Read && puzzle.Reason.empty());
    Require(!shape || (shape->BoxWidth == puzzle.BoxWidth && shape->BoxHeight == puzzle.BoxHeight));
    RequireGivensInRange(puzzle);
    const TGeometry g = puzzle.Geometry();
    const auto again = ReadTextPuzzles(BoardToPuzzleLine(g, puzzle.Givens), g);
    Require(again.size() == 1 && again[0].State == TTextPuzzleState::Read && again[0].Givens == puzzle.Givens);

    if (checks++ < kMostChecksPerInput && CheckTextPuzzle(puzzle, kFuzzNodeCap)) RequireSolutionKeepsGivens(puzzle);
  }
}

}  // namespace
}  // namespace novlet

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::optional<novlet::TGeometry> shape;
  const auto& shapes = novlet::kBoxShapes;
  if (const std::size_t choice = data[0] % (shapes.size() + 1); choice < shapes.size()) {
    shape.emplace();
    shape->SetBoxShape(shapes[choice].BoxWidth, shapes[choice].BoxHeight);
  }
  novlet::ReadAndCheck(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), shape);
  return 0;
}
