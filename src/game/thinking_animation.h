// The "Thinking" animation of a page while the engine works.
#pragma once

#include <QString>

class QLabel;

namespace novlet {

class TPieGauge;

// One tick of it: the gauge turns by a tenth, the label grows a dot up to four.
void AnimateThinking(TPieGauge& gauge, QLabel& label, const QString& thinking);

}  // namespace novlet
