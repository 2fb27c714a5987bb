// What Explain says: the step's sentence in the chosen language, a wrong value first, and the end.
#include "session/explain_step.h"

#include <gtest/gtest.h>

#include <map>

#include "engine/board_text.h"
#include "session/step_text.h"
#include "store/language/text_ids.h"

namespace novlet {
namespace {

const std::string kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

TCellTexts LineTexts(const std::string& line) {
  TCellTexts texts;
  for (int i = 0; i < 81; ++i) {
    if (line[i] != '.') texts.at(i % 9 + 1, i / 9 + 1) = std::string(1, line[i]);
  }
  return texts;
}

TBoard LineBoard(const std::string& line) {
  TBoard board;
  TextsToBoard(TGeometry{}, LineTexts(line), board);
  return board;
}

TEST(StepText, FillsTheTemplateWithUnitsCellsAndValuesInTheChosenLanguage) {
  TLogicStep single;
  single.Technique = TTechnique::HiddenSingle;
  single.Units = {{TUnitKind::Box, 5}};
  single.Cells = {{4, 6}};
  single.Values = {7};
  single.Placed = {{4, 6, 7}};
  EXPECT_EQ(StepText(single, BuiltInTextLookup()), "Hidden single: in box 5, only row 4, column 6 can hold 7.");

  TLogicStep pair;
  pair.Technique = TTechnique::NakedPair;
  pair.Units = {{TUnitKind::Row, 1}};
  pair.Cells = {{1, 1}, {1, 2}};
  pair.Values = {1, 2};
  pair.Removed = {{1, 3, 1}, {1, 3, 2}, {1, 9, 2}};
  EXPECT_EQ(StepText(pair, BuiltInTextLookup()),
            "Naked pair: in row 1, the cells row 1, column 1 and row 1, column 2 can hold only 1 and 2, so row 1, "
            "column 3 and "
            "row 1, column 9 cannot hold them.");

  // Another language's rows, placeholders in another order.
  const std::map<int, std::string> german{{TextId::ExplainTechniqueNames + 1, "Versteckter Single"},
                                          {TextId::ExplainTemplates + 1, "%1: %4 in %2 nur in %3."},
                                          {TextId::ExplainBox, "Block %1"},
                                          {TextId::ExplainCell, "Zeile %1, Spalte %2"}};
  const TTextLookup lookup = [&](int id) {
    return german.count(id) ? german.at(id) : std::string(BuiltInText(id).Caption);
  };
  EXPECT_EQ(StepText(single, lookup), "Versteckter Single: 7 in Block 5 nur in Zeile 4, Spalte 6.");
}

TEST(ExplainNextStep, NamesAWrongValueFirstThenStepsThenTheEnd) {
  const TGeometry g;
  const TBoard solution = LineBoard(kSolution);
  TCellTexts grid = LineTexts(kPuzzle);

  TExplanation explanation = ExplainNextStep(g, grid, solution, true);
  ASSERT_EQ(explanation.Kind, TExplanation::TKind::Step);
  EXPECT_EQ(explanation.Step.Placed.size(), 1u);
  EXPECT_EQ(ExplanationText(explanation, BuiltInTextLookup()), StepText(explanation.Step, BuiltInTextLookup()));

  // Pencil notes neither count as values nor limit the candidates.
  grid.at(3, 1) = "1,2,";
  EXPECT_EQ(ExplainNextStep(g, grid, solution, true).Step.Placed, explanation.Step.Placed);

  grid.at(9, 9) = "8";  // the solution has 9 there
  grid.at(3, 1) = "4";  // right
  explanation = ExplainNextStep(g, grid, solution, true);
  EXPECT_EQ(explanation.Kind, TExplanation::TKind::WrongValue);
  EXPECT_EQ(explanation.Cell, (TCellRef{9, 9}));
  EXPECT_EQ(ExplanationText(explanation, BuiltInTextLookup()), "row 9, column 9 holds a wrong value.");

  explanation = ExplainNextStep(g, LineTexts(kSolution), solution, true);
  EXPECT_EQ(explanation.Kind, TExplanation::TKind::Solved);
  EXPECT_EQ(ExplanationText(explanation, BuiltInTextLookup()), "The puzzle is solved.");
}

}  // namespace
}  // namespace novlet
