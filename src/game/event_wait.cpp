#include "game/event_wait.h"

#include <QEventLoop>
#include <QTimer>

namespace novlet {

void WaitProcessingEvents(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace novlet
