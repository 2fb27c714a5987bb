// The round pie gauge: the play clock and the turning "Thinking" wheel.
#pragma once

#include <QColor>
#include <QWidget>

namespace novlet {

// A round gauge that fills like a pie, clockwise from twelve o'clock: the
// play clock's minutes or its share of the time limit, and the turning
// "Thinking" wheel.
class TPieGauge : public QWidget {
  Q_OBJECT

 public:
  explicit TPieGauge(QWidget* parent = nullptr);

  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int maxValue);
  // Kept within 0..MaxValue, so a clock past its limit shows a full pie.
  int Progress() const { return progress_; }
  void SetProgress(int progress);
  const QColor& ForeColor() const { return foreColor_; }
  void SetForeColor(const QColor& color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int maxValue_ = 60;
  int progress_ = 0;
  QColor foreColor_{Qt::black};
};

}  // namespace novlet
