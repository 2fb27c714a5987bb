// What screen readers and desktop automation see of the symbol strip.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>

#include <map>

#include "game/accessible_leaf.h"

namespace novlet {

class TGridSymbolStrip;

// A list of the symbols; pressing one does what a click on its slot does.
class TAccessibleSymbolStrip : public QAccessibleWidget {
 public:
  explicit TAccessibleSymbolStrip(TGridSymbolStrip* strip);
  ~TAccessibleSymbolStrip() override;

  QString text(QAccessible::Text t) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;

 private:
  TGridSymbolStrip* Strip() const;

  // The symbols' interfaces by value, registered so that each keeps one
  // identity.
  mutable std::map<int, QAccessible::Id> symbols_;
};

// One symbol of the strip, named by the symbol itself.
class TAccessibleStripSymbol : public TAccessibleLeaf, public QAccessibleActionInterface {
 public:
  TAccessibleStripSymbol(TGridSymbolStrip* strip, int value);

  int Value() const { return value_; }

  bool isValid() const override;
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<TGridSymbolStrip> strip_;
  int value_;
};

}  // namespace novlet
