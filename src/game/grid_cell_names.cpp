// What a player needs to hear of a grid cell: its place and what it shows.
#include "game/grid_cell_names.h"

#include <QStringList>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/cell_text.h"
#include "game/accessible_texts.h"
#include "game/novlet_grid.h"
#include "store/language/text_ids.h"

namespace novlet {

TCellWords CellWordsFor(const QWidget* widget) {
  return {AccessibleText(widget, TextId::AccessibleCellName), AccessibleText(widget, TextId::AccessibleGiven),
          AccessibleText(widget, TextId::AccessibleNotes), AccessibleText(widget, TextId::AccessibleEmpty),
          AccessibleText(widget, TextId::AccessibleHidden)};
}

QString CellContent(const TGridDrawInputs& inputs, int column, int row, const TCellWords& words) {
  if (!inputs.Geometry || !inputs.Solution || !inputs.PuzzleTexts || !inputs.GridTexts || !inputs.DisplaySet)
    return words.Empty;
  if (inputs.State.Paused && !inputs.State.OutputCapture) return words.Hidden;
  const int gridSize = inputs.Geometry->GridSize;
  const int solutionValue = inputs.Solution->at(column, row);
  std::string shown = inputs.GridTexts->at(column, row);
  // A shown solution stands where the player's entry was wrong or missing.
  if (inputs.State.SolutionShown && solutionValue != 0 && TextToValue(shown) != solutionValue)
    shown = DecimalText(solutionValue);

  if (HoldsValueList(shown)) {
    // Said each once and ascending, as the painter places them in their slots.
    std::vector<int> noted = ListedValues(shown, gridSize);
    std::sort(noted.begin(), noted.end());
    noted.erase(std::unique(noted.begin(), noted.end()), noted.end());
    QStringList symbols;
    for (int value : noted) symbols << inputs.DisplaySet->DisplaySetSymbol(value);
    return symbols.isEmpty() ? words.Empty : words.Notes + ' ' + symbols.join(QStringLiteral(", "));
  }
  const int value = TextToValue(shown);
  if (value < 1 || value > gridSize) return words.Empty;
  const QString symbol = inputs.DisplaySet->DisplaySetSymbol(value);
  return IsGivenText(inputs.PuzzleTexts->at(column, row), solutionValue) ? symbol + QStringLiteral(", ") + words.Given : symbol;
}

QString CellName(const TGridDrawInputs& inputs, int column, int row, const TCellWords& words) {
  return words.CellName.arg(QString::number(row), QString::number(column),
                            CellContent(inputs, column, row, words));
}

}  // namespace novlet
