// Tells assistive technology what changed in a game grid.
#include "game/grid_announcer.h"

#include <QAccessible>

#include "game/grid_cell_names.h"
#include "game/novlet_grid.h"

namespace novlet {

TGridAnnouncer::TGridAnnouncer(TNovletGrid* grid) : QObject(grid), grid_(grid) {
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMilliseconds);
  connect(&settle_, &QTimer::timeout, this, &TGridAnnouncer::AnnounceChanges);
}

bool TGridAnnouncer::Listened() const { return listener_ || QAccessible::isActive(); }

void TGridAnnouncer::Announce(QAccessibleEvent& event) const {
  if (listener_)
    listener_(&event);
  else
    QAccessible::updateAccessibility(&event);
}

void TGridAnnouncer::Painted() {
  if (Listened()) settle_.start();
}

void TGridAnnouncer::SelectionMoved() {
  if (!Listened() || !grid_->hasFocus()) return;
  const int index = grid_->Row() * grid_->ColCount() + grid_->Col();
  for (const QAccessible::Event type : {QAccessible::Focus, QAccessible::Selection}) {
    QAccessibleEvent event(grid_, type);
    event.setChild(index);
    Announce(event);
  }
}

void TGridAnnouncer::AnnounceChanges() {
  const int size = grid_->ColCount();
  const std::optional<TGridScene> scene = grid_->Scene();
  const TCellWords words = CellWordsFor(grid_);
  QStringList names;
  for (int row = 1; row <= size; ++row)
    for (int column = 1; column <= size; ++column) names << CellName(scene, column, row, words);
  if (size != announcedSize_) {
    QAccessibleTableModelChangeEvent event(grid_, QAccessibleTableModelChangeEvent::ModelReset);
    Announce(event);
  } else {
    for (int index = 0; index < names.size(); ++index) {
      if (names[index] == announced_[index]) continue;
      QAccessibleEvent event(grid_, QAccessible::NameChanged);
      event.setChild(index);
      Announce(event);
    }
  }
  announced_ = names;
  announcedSize_ = size;
}

}  // namespace novlet
