// Checking the player's values against the solution, then asking the solver for the next step.
#include "session/explain_step.h"

#include "engine/board_text.h"
#include "logic/logic_solver.h"
#include "session/step_text.h"
#include "store/language/text_ids.h"
#include "store/transfer_notice.h"

namespace novlet {

TExplanation ExplainNextStep(const TGeometry& g, const TCellTexts& grid, const TBoard& solution, bool knownUnique) {
  TExplanation explanation;
  TBoard position;
  for (int row = 1; row <= g.GridSize; ++row) {
    for (int column = 1; column <= g.GridSize; ++column) {
      const int value = TextToValue(grid.at(column, row));
      if (value < 1 || value > g.GridSize) continue;
      position.at(column, row) = static_cast<std::uint8_t>(value);
      if (solution.at(column, row) != 0 && solution.at(column, row) != value &&
          explanation.Kind != TExplanation::TKind::WrongValue) {
        explanation.Kind = TExplanation::TKind::WrongValue;
        explanation.Cell = {row, column};
      }
    }
  }
  if (explanation.Kind == TExplanation::TKind::WrongValue) return explanation;
  if (BoardFull(g, position)) {
    explanation.Kind = TExplanation::TKind::Solved;
    return explanation;
  }
  explanation.Step = NextStep(g, position, knownUnique);
  explanation.Kind = explanation.Step.Found() ? TExplanation::TKind::Step : TExplanation::TKind::NoStep;
  return explanation;
}

std::string ExplanationText(const TExplanation& explanation, const TTextLookup& text) {
  switch (explanation.Kind) {
    case TExplanation::TKind::WrongValue:
      return WithArgument(text(TextId::ExplainWrongValue), CellName(explanation.Cell, text));
    case TExplanation::TKind::Solved:
      return text(TextId::ExplainSolved);
    case TExplanation::TKind::NoStep:
      return text(TextId::ExplainNoStep);
    case TExplanation::TKind::Step:
      break;
  }
  std::string sentences;
  for (const TLogicStep& step : explanation.Step.Preparation) sentences += StepText(step, text) + " ";
  return sentences + StepText(explanation.Step, text);
}

}  // namespace novlet
