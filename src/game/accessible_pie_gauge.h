// What screen readers and desktop automation see of a pie gauge.
#pragma once

#include <QAccessibleWidget>

namespace novlet {

class TPieGauge;

// A progress bar with its value.
class TAccessiblePieGauge : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit TAccessiblePieGauge(TPieGauge* gauge);

  QString text(QAccessible::Text t) const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QVariant currentValue() const override;
  // The gauge shows the clock; nobody sets it from outside.
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override;
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  TPieGauge* Gauge() const;
};

}  // namespace novlet
