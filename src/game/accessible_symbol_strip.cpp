// What screen readers and desktop automation see of the symbol strip.
#include "game/accessible_symbol_strip.h"

#include "game/accessible_texts.h"
#include "game/grid_symbol_strip.h"
#include "store/language/text_ids.h"

namespace novlet {

TAccessibleSymbolStrip::TAccessibleSymbolStrip(TGridSymbolStrip* strip)
    : QAccessibleWidget(strip, QAccessible::List) {}

TAccessibleSymbolStrip::~TAccessibleSymbolStrip() {
  for (const auto& [value, id] : symbols_) QAccessible::deleteAccessibleInterface(id);
}

TGridSymbolStrip* TAccessibleSymbolStrip::Strip() const { return static_cast<TGridSymbolStrip*>(widget()); }

QString TAccessibleSymbolStrip::text(QAccessible::Text t) const {
  // The strip's caption is empty; its hint tells how to use it.
  if (t == QAccessible::Name && Strip()->accessibleName().isEmpty())
    return AccessibleText(Strip(), TextId::AccessibleSymbols);
  return QAccessibleWidget::text(t);
}

int TAccessibleSymbolStrip::childCount() const {
  return Strip()->DisplaySet() ? Strip()->DisplaySet()->GridSize() : 0;
}

QAccessibleInterface* TAccessibleSymbolStrip::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  const int value = index + 1;
  if (const auto known = symbols_.find(value); known != symbols_.end())
    return QAccessible::accessibleInterface(known->second);
  auto* symbol = new TAccessibleStripSymbol(Strip(), value);
  symbols_[value] = QAccessible::registerAccessibleInterface(symbol);
  return symbol;
}

int TAccessibleSymbolStrip::indexOfChild(const QAccessibleInterface* child) const {
  const auto* symbol = dynamic_cast<const TAccessibleStripSymbol*>(child);
  if (!symbol || symbol->parent() != this || !symbol->isValid()) return -1;
  return symbol->Value() - 1;
}

QAccessibleInterface* TAccessibleSymbolStrip::childAt(int x, int y) const {
  const QPoint local = Strip()->mapFromGlobal(QPoint(x, y));
  if (!Strip()->rect().contains(local)) return nullptr;
  return child(Strip()->ValueAt(local.x()) - 1);
}

TAccessibleStripSymbol::TAccessibleStripSymbol(TGridSymbolStrip* strip, int value) : strip_(strip), value_(value) {}

bool TAccessibleStripSymbol::isValid() const {
  return strip_ && strip_->DisplaySet() && value_ <= strip_->DisplaySet()->GridSize();
}

QWindow* TAccessibleStripSymbol::window() const { return parent() ? parent()->window() : nullptr; }

QAccessibleInterface* TAccessibleStripSymbol::parent() const {
  return strip_ ? QAccessible::queryAccessibleInterface(strip_) : nullptr;
}

QString TAccessibleStripSymbol::text(QAccessible::Text t) const {
  if (t != QAccessible::Name || !isValid()) return {};
  return strip_->DisplaySet()->DisplaySetSymbol(value_);
}

QRect TAccessibleStripSymbol::rect() const {
  if (!isValid()) return {};
  const QRect local = strip_->SlotRect(value_);
  return QRect(strip_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State TAccessibleStripSymbol::state() const {
  QAccessible::State state;
  if (!isValid()) {
    state.invalid = true;
    return state;
  }
  state.disabled = !strip_->isEnabled();
  state.invisible = !strip_->isVisible();
  return state;
}

void* TAccessibleStripSymbol::interface_cast(QAccessible::InterfaceType type) {
  return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

void TAccessibleStripSymbol::doAction(const QString& actionName) {
  if (actionName != pressAction() || !isValid()) return;
  // Returns at once, as a button's press does: entering a value may end the
  // game and whatever follows.
  QMetaObject::invokeMethod(
      strip_, [strip = strip_, value = value_] { strip->ClickValue(value); }, Qt::QueuedConnection);
}

}  // namespace novlet
