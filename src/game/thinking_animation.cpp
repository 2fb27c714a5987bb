// The "Thinking" animation of a page while the engine works.
#include "game/thinking_animation.h"

#include <QLabel>

#include "game/pie_gauge.h"

namespace novlet {

void AnimateThinking(TPieGauge& gauge, QLabel& label, const QString& thinking) {
  if (gauge.isHidden()) {
    gauge.SetProgress(0);
    gauge.show();
  }
  if (gauge.ForeColor() != QColor(Qt::black)) gauge.SetForeColor(Qt::black);
  gauge.SetProgress(gauge.Progress() + 1 > gauge.MaxValue() ? 0 : gauge.Progress() + 6);

  QString text = label.text();
  if (!text.contains(thinking)) {
    label.setText(thinking);
    return;
  }
  text += QStringLiteral(" .");
  label.setText(text.contains(QStringLiteral(" . . . . .")) ? thinking : text);
}

}  // namespace novlet
