// The box-shape menu of the New buttons.
#include "game/grid_shape_menu.h"

#include <QAction>

#include "engine/geometry.h"

namespace novlet {

TGridShapeMenu::TGridShapeMenu(QWidget* parent) : QMenu(parent) {
  variants_ = new QMenu(QStringLiteral("Variants"), this);
  for (const TBoxShape& shape : kBoxShapes) {
    const QString caption = QString::fromUtf8(shape.Caption.data(), static_cast<qsizetype>(shape.Caption.size()));
    QMenu* holder = &shape == &kBoxShapes.front() ? static_cast<QMenu*>(this) : variants_;
    QAction* item = holder->addAction(caption);
    item->setObjectName(QString::fromUtf8(shape.ItemName.data(), static_cast<qsizetype>(shape.ItemName.size())));
    connect(item, &QAction::triggered, this, [this, item] {
      const auto [boxWidth, boxHeight] = ShapeOfMenuItem(item->objectName());
      emit shapeChosen(boxWidth, boxHeight);
    });
    if (holder == this) pureShape_ = item;
  }
  addMenu(variants_);
  // A choice made through the accessibility interface leaves no menu behind.
  connect(this, &QMenu::triggered, this, &QWidget::hide);
}

void TGridShapeMenu::SetCaptions(const QString& pureShape, const QString& variants) {
  pureShape_->setText(pureShape);
  variants_->setTitle(variants);
}

std::pair<int, int> ShapeOfMenuItem(const QString& itemName) {
  for (const TBoxShape& shape : kBoxShapes) {
    if (itemName == QString::fromUtf8(shape.ItemName.data(), static_cast<qsizetype>(shape.ItemName.size())))
      return {shape.BoxWidth, shape.BoxHeight};
  }
  return {3, 3};
}

}  // namespace novlet
