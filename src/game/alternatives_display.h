// The alternatives display of a game page: the candidates of the selected
// cell on the page's label, or as small icons on its image.
#pragma once

#include <QString>

#include <string>

class QLabel;

namespace novlet {

class TDisplaySet;

// Shows a cell's alternatives text (a list, a deduced mark or one value)
// under the caption: as the digits it holds, as the display set's symbols,
// or, with an icon set on a board of side 9 or less, as icons beside the
// label, nine pixels apart.
void NovletGridShowAlternatives(QLabel& label, QLabel& image, const QString& caption, const std::string& alternatives,
                                const TDisplaySet& displaySet, int gridSize);

}  // namespace novlet
