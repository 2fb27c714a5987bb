// Measures the start-up for the benchmark script.
#include "app/startup_probe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <utility>

namespace novlet {

std::int64_t StartupProbeLaunchTime() {
  bool ok = false;
  const qint64 value = qEnvironmentVariable(TStartupProbe::kVariable).toLongLong(&ok);
  return ok && value > 0 ? value : 0;
}

TStartupProbe::TStartupProbe(QWidget* mainWindow, std::int64_t launchNanoseconds, std::function<void()> close)
    : QObject(mainWindow), mainWindow_(mainWindow), launchNanoseconds_(launchNanoseconds), close_(std::move(close)) {
  mainWindow_->installEventFilter(this);
}

bool TStartupProbe::eventFilter(QObject* watched, QEvent* event) {
  if (!reported_ && watched == mainWindow_ && event->type() == QEvent::Paint) {
    reported_ = true;
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    std::printf("main window shown %.1f ms after launch\n", (now - launchNanoseconds_) / 1e6);
    std::fflush(stdout);
    QTimer::singleShot(0, mainWindow_, close_);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace novlet
