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

QString CellContent(const std::optional<TGridScene>& scene, int column, int row, const TCellWords& words) {
  if (!scene) return words.Empty;
  if (scene->State.Paused && !scene->State.OutputCapture) return words.Hidden;
  const int gridSize = scene->Geometry.GridSize;
  const int solutionValue = scene->Solution.at(column, row);
  std::string shown = scene->GridTexts.at(column, row);
  // A shown solution stands where the player's entry was wrong or missing.
  if (scene->State.SolutionShown && solutionValue != 0 && TextToValue(shown) != solutionValue)
    shown = DecimalText(solutionValue);

  if (HoldsValueList(shown)) {
    // Said each once and ascending, as the painter places them in their slots.
    std::vector<int> noted = ListedValues(shown, gridSize);
    std::sort(noted.begin(), noted.end());
    noted.erase(std::unique(noted.begin(), noted.end()), noted.end());
    QStringList symbols;
    for (int value : noted) symbols << scene->DisplaySet.DisplaySetSymbol(value);
    return symbols.isEmpty() ? words.Empty : words.Notes + ' ' + symbols.join(QStringLiteral(", "));
  }
  const int value = TextToValue(shown);
  if (value < 1 || value > gridSize) return words.Empty;
  const QString symbol = scene->DisplaySet.DisplaySetSymbol(value);
  const bool given = IsGivenText(scene->PuzzleTexts.at(column, row), solutionValue);
  return given ? symbol + QStringLiteral(", ") + words.Given : symbol;
}

QString CellName(const std::optional<TGridScene>& scene, int column, int row, const TCellWords& words) {
  return words.CellName.arg(QString::number(row), QString::number(column), CellContent(scene, column, row, words));
}

}  // namespace novlet
