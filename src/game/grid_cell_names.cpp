// What a player needs to hear of a grid cell: its place and what it shows.
#include "game/grid_cell_names.h"

#include <QStringList>

#include <set>
#include <string>

#include "engine/board_text.h"
#include "game/accessible_texts.h"
#include "game/novlet_grid.h"
#include "store/language/text_ids.h"

namespace novlet {

namespace {

// The noted values of a pencil-note text ("8,2," or "2,8"), each once and
// ascending, as the painter places them in their slots.
std::set<int> NotedValues(const std::string& text, int gridSize) {
  std::set<int> values;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    const int value = TextToValue(std::string_view(text).substr(start, comma - start));
    if (value >= 1 && value <= gridSize) values.insert(value);
    start = comma + 1;
  }
  return values;
}

}  // namespace

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

  if (shown.find(',') != std::string::npos && shown.find('$') == std::string::npos) {
    QStringList symbols;
    for (int value : NotedValues(shown, gridSize)) symbols << inputs.DisplaySet->DisplaySetSymbol(value);
    return symbols.isEmpty() ? words.Empty : words.Notes + ' ' + symbols.join(QStringLiteral(", "));
  }
  const int value = TextToValue(shown);
  if (value < 1 || value > gridSize) return words.Empty;
  const QString symbol = inputs.DisplaySet->DisplaySetSymbol(value);
  // The painter's test for a given: an empty given text never equals a number.
  const bool given = inputs.PuzzleTexts->at(column, row) == std::to_string(solutionValue);
  return given ? symbol + QStringLiteral(", ") + words.Given : symbol;
}

QString CellName(const TGridDrawInputs& inputs, int column, int row, const TCellWords& words) {
  return words.CellName.arg(QString::number(row), QString::number(column),
                            CellContent(inputs, column, row, words));
}

}  // namespace novlet
