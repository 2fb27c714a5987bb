// Measures the start-up for the benchmark script.
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

namespace novlet {

// Measures the start-up for the benchmark script: started with
// NOVLET_STARTUP_PROBE set to the launch time (nanoseconds since the epoch,
// `date +%s%N`), the program skips the splash, prints how long after the
// launch its main window first painted, and closes it through `close`,
// which must not ask the quit question: nobody is there to answer it.
class TStartupProbe : public QObject {
 public:
  static constexpr const char* kVariable = "NOVLET_STARTUP_PROBE";

  TStartupProbe(QWidget* mainWindow, std::int64_t launchNanoseconds, std::function<void()> close);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* mainWindow_;
  std::int64_t launchNanoseconds_;
  std::function<void()> close_;
  bool reported_ = false;
};

// The launch time from NOVLET_STARTUP_PROBE; 0 when not set.
std::int64_t StartupProbeLaunchTime();

}  // namespace novlet
