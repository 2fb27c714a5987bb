// What a player needs to hear of a grid cell: its place and what it shows.
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace novlet {

struct TGridScene;

// The words of the cell names, in the chosen language.
struct TCellWords {
  QString CellName;  // "row %1, column %2: %3"
  QString Given;
  QString Notes;
  QString Empty;
  QString Hidden;
};

// The words in the language of the window the widget lives in.
TCellWords CellWordsFor(const QWidget* widget);

// What cell (column, row), 1-based, shows, as it is painted: "7", "7, given",
// "notes 2, 8", "empty", or "hidden" while a pause covers the grid. Values
// are named by their symbols in the display set.
QString CellContent(const std::optional<TGridScene>& scene, int column, int row, const TCellWords& words);

// "row 3, column 5: 7".
QString CellName(const std::optional<TGridScene>& scene, int column, int row, const TCellWords& words);

}  // namespace novlet
