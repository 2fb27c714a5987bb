// What screen readers and desktop automation see of a pie gauge.
#include "game/accessible_pie_gauge.h"

#include "game/accessible_texts.h"
#include "game/pie_gauge.h"
#include "store/language/text_ids.h"

namespace novlet {

TAccessiblePieGauge::TAccessiblePieGauge(TPieGauge* gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

TPieGauge* TAccessiblePieGauge::Gauge() const { return static_cast<TPieGauge*>(widget()); }

QString TAccessiblePieGauge::text(QAccessible::Text t) const {
  if (t == QAccessible::Name && Gauge()->accessibleName().isEmpty())
    return AccessibleText(Gauge(), TextId::AccessibleClock);
  // How full the pie is, as progress bars tell it.
  if (t == QAccessible::Value) return QString::number(Gauge()->Progress() * 100 / Gauge()->MaxValue()) + '%';
  return QAccessibleWidget::text(t);
}

void* TAccessiblePieGauge::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QVariant TAccessiblePieGauge::currentValue() const { return Gauge()->Progress(); }

QVariant TAccessiblePieGauge::maximumValue() const { return Gauge()->MaxValue(); }

}  // namespace novlet
