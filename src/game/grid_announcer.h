// Tells assistive technology what changed in a game grid.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QAccessibleEvent;

namespace novlet {

class TNovletGrid;

// Announces the selected cell as the focus when the selection moves, and the
// cells whose names differ from what it last announced once the grid's
// painting has settled: a hint's or an undo's flashing is announced as the
// value it ends with, not as every flash. The grid keeps no game rules; what
// it paints is what is announced. Idle while no assistive technology listens.
class TGridAnnouncer : public QObject {
 public:
  using TListener = std::function<void(QAccessibleEvent* event)>;

  explicit TGridAnnouncer(TNovletGrid* grid);

  // Where the announcements go: Qt's accessibility framework, which passes
  // them to assistive technology while one listens, unless a listener of
  // one's own (a test's) takes its place.
  void SetListener(TListener listener) { listener_ = std::move(listener); }

  // The grid painted: its cells may show something new.
  void Painted();
  // The selection moved, or the grid took the keyboard focus.
  void SelectionMoved();
  // Announces every cell that shows something else than last announced (all
  // of them as a new table when the grid changed its size).
  void AnnounceChanges();

  // How long painting must rest before the changes are announced.
  static constexpr int kSettleMilliseconds = 300;

 private:
  bool Listened() const;
  void Announce(QAccessibleEvent& event) const;

  TNovletGrid* grid_;
  TListener listener_;
  QTimer settle_;
  int announcedSize_ = 0;
  QStringList announced_;
};

}  // namespace novlet
