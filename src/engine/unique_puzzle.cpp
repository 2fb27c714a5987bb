// Generation followed by an exact count of the solutions.
#include "engine/unique_puzzle.h"

#include "engine/board_text.h"
#include "engine/solution_count.h"

namespace novlet {

bool GenerateUniquePuzzle(TNovletEngine& engine, TBoard& solution, TCellTexts& givens, int level) {
  if (!engine.GeneratePuzzle(solution, givens, true, level)) return false;
  TBoard givenBoard;
  TextsToBoard(engine.Geometry(), givens, givenBoard);
  const TSolutionCount count = CountSolutionsUpTo(engine.Geometry(), givenBoard, 2);
  return count.Decided && count.Solutions == 1;
}

}  // namespace novlet
