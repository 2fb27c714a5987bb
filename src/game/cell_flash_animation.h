// The flash of a cell an aid has just changed: its two texts by turns, driven by a timer.
#pragma once

#include <QObject>
#include <QTimer>

#include <optional>
#include <string>

#include "session/play_session.h"

namespace novlet {

// Shows a flash's Shown and Final texts by turns (four rounds) and ends on
// Final. It is a picture only: the session has already made the change, so
// keys typed meanwhile are taken at once and nothing waits in a nested loop.
class TCellFlashAnimation : public QObject {
  Q_OBJECT

 public:
  explicit TCellFlashAnimation(QObject* parent);

  void Start(const TCellFlash& flash);
  // Ends it at once; the cell shows the session's text again.
  void Stop();
  bool Running() const { return flash_.has_value(); }
  const std::optional<TCellFlash>& Flash() const { return flash_; }
  // The text the cell shows now instead of the session's.
  const std::string& ShownText() const;
  // The next turn; the timer calls it, and tests that move time themselves.
  void Step();

 signals:
  // The flashing cell's text changed (or the flash ended): repaint it.
  void cellChanged(int column, int row);
  void finished();

 private:
  void ShowTurn();

  QTimer timer_;
  std::optional<TCellFlash> flash_;
  int turn_ = 0;
};

}  // namespace novlet
