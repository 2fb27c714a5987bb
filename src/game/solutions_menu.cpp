// The menu of the last search's solutions.
#include "game/solutions_menu.h"

namespace novlet {

TSolutionsMenu::TSolutionsMenu(QWidget* parent) : QMenu(parent) {
  setObjectName(QStringLiteral("SolutionsPopupMenu"));
}

void TSolutionsMenu::Rebuild(int items, const QString& word) {
  const QList<QAction*> shown = actions();
  if (shown.size() == items && (items == 0 || shown.front()->text() == word + QStringLiteral(" 1"))) return;
  clear();
  for (int number = 1; number <= items; ++number) {
    QAction* item = addAction(word + ' ' + QString::number(number));
    item->setObjectName(QStringLiteral("Solution_") + QString::number(number));
    connect(item, &QAction::triggered, this, [this, number] { emit solutionChosen(number); });
  }
}

}  // namespace novlet
