// The box-shape menu of the New buttons.
#pragma once

#include <QMenu>

#include <utility>

namespace novlet {

// The box-shape menu of the New buttons: "3 x 3 (Pure Novlet)" on top and the
// eighteen other shapes in the "Variants" submenu. Each item's object name is
// the name scripts and tests find it by ("S3X3", "S2X2", ...).
class TGridShapeMenu : public QMenu {
  Q_OBJECT

 public:
  explicit TGridShapeMenu(QWidget* parent = nullptr);

  // The captions of the two translated items (tags 450 and 460); the shapes'
  // own captions are the same in every language.
  void SetCaptions(const QString& pureShape, const QString& variants);

  // The item's box width and height (3 x 3 for an item that is none of the 19).
 signals:
  void shapeChosen(int boxWidth, int boxHeight);

 private:
  QAction* pureShape_ = nullptr;
  QMenu* variants_ = nullptr;
};

// The box width and height an item name stands for; 3 x 3 for any name that
// is not one of the 19.
std::pair<int, int> ShapeOfMenuItem(const QString& itemName);

}  // namespace novlet
