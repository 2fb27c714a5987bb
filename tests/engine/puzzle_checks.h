// Checks on finished puzzles: givens, propagation alone, and whether another given could go.
#pragma once

#include "engine/board_text.h"

// Checks on finished puzzles, for the engine and the literal model alike.
namespace novlet {

inline int CountGivens(const TGeometry& g, const TCellTexts& puzzle) {
  return g.GridSize * g.GridSize - CountEmptyTexts(g, puzzle);
}

// Repeated propagation passes alone, without a search, fill the board with
// exactly the solution.
template <typename Engine>
bool SolvedByPropagationAlone(Engine& engine, const TGeometry& g, const TCellTexts& puzzle, const TBoard& solution) {
  TCellTexts texts = puzzle;
  TBoard board;
  for (int pass = 0; pass < g.GridSize * g.GridSize && !BoardFull(g, board); ++pass) {
    engine.ComputeAlternatives(board, texts);
  }
  return BoardFull(g, board) && BoardsEqual(g, board, solution);
}

// Whether some given could still go with the puzzle keeping exactly one
// solution that the search finds, with or without guessing.
template <typename Engine>
bool SomeGivenCouldGo(Engine& engine, const TGeometry& g, const TCellTexts& puzzle, bool guess) {
  const int cap = engine.SolutionCap();
  engine.SetSolutionCap(1);
  bool found = false;
  for (int r = 1; r <= g.GridSize && !found; ++r) {
    for (int c = 1; c <= g.GridSize && !found; ++c) {
      if (puzzle.at(c, r).empty()) continue;
      TCellTexts texts = puzzle;
      texts.at(c, r).clear();
      TBoard board;
      TextsToBoard(g, texts, board);
      found = engine.SolveAndCount(board, texts, false, guess);
    }
  }
  engine.SetSolutionCap(cap);
  return found;
}

}  // namespace novlet
