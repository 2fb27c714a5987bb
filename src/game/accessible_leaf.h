// The answers every accessible part without children of its own gives alike.
#pragma once

#include <QAccessibleInterface>

namespace novlet {

// A part drawn by its control (a grid cell, a strip symbol): no QObject of
// its own, no children, and a text that only the control changes.
class TAccessibleLeaf : public QAccessibleInterface {
 public:
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}
};

}  // namespace novlet
