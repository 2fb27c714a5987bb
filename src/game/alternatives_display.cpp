// The alternatives display of a game page.
#include "game/alternatives_display.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <vector>

#include "engine/board_text.h"
#include "render/display_set.h"
#include "engine/cell_text.h"

namespace novlet {

void NovletGridShowAlternatives(QLabel& label, QLabel& image, const QString& caption, const std::string& alternatives,
                                const TDisplaySet& displaySet, int gridSize) {
  const std::vector<int> values = ListedValues(alternatives, gridSize);
  label.show();
  if (gridSize <= 9 && displaySet.UsesIcons()) {
    // The icons stand on the page itself, which the skin paints.
    QPixmap picture(image.size());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    int shown = 0;
    for (int value : values) {
      if (const QImage* icon = displaySet.SmallIcon(value)) painter.drawImage(9 * shown++, 2, *icon);
    }
    painter.end();
    image.setPixmap(picture);
    image.show();
    return;
  }
  image.hide();
  const QString heading = caption + '\n';
  if (gridSize <= 9 && displaySet.SelectedIndex() == 0) {
    const bool deduced = alternatives.find('$') != std::string::npos;
    label.setText(heading + QString::fromStdString(deduced ? DecimalText(TextToValue(alternatives)) : alternatives));
    return;
  }
  QStringList symbols;
  for (int value : values) symbols << displaySet.DisplaySetSymbol(value);
  label.setText(heading + symbols.join(','));
}

}  // namespace novlet
