// The menu of the last search's solutions, under Solution and Complete.
#pragma once

#include <QMenu>

namespace novlet {

class TSolutionsMenu : public QMenu {
  Q_OBJECT

 public:
  explicit TSolutionsMenu(QWidget* parent);

  // Items "<word> 1" to "<word> <items>", named "Solution_1" and on; an
  // unchanged menu is left alone, so a refresh costs nothing.
  void Rebuild(int items, const QString& word);

 signals:
  void solutionChosen(int number);
};

}  // namespace novlet
