// Waiting without freezing the window.
#include "game/event_wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>

#include <algorithm>

namespace novlet {

void WaitPaintingOnly(int milliseconds) {
  constexpr int kSliceMilliseconds = 20;
  const QDeadlineTimer deadline(milliseconds);
  while (!deadline.hasExpired()) {
    // Paints and the window system's exposures; input and the sockets (a
    // second start's request) wait. The caller stops its own timers.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers, 0);
    QThread::msleep(static_cast<unsigned long>(std::min<qint64>(kSliceMilliseconds, deadline.remainingTime())));
  }
}

}  // namespace novlet
