// Drives the flash of a changed cell with a single-shot timer.
#include "game/cell_flash_animation.h"

namespace novlet {
namespace {

// Four rounds of the new text, briefly, then the old one a little longer.
constexpr int kFlashTurns = 8;
constexpr int kShownMilliseconds = 100;
constexpr int kFinalMilliseconds = 200;

}  // namespace

TCellFlashAnimation::TCellFlashAnimation(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &TCellFlashAnimation::Step);
}

void TCellFlashAnimation::Start(const TCellFlash& flash) {
  Stop();
  flash_ = flash;
  turn_ = 0;
  ShowTurn();
}

void TCellFlashAnimation::Stop() {
  timer_.stop();
  if (!flash_) return;
  const TCellFlash ended = *flash_;
  flash_.reset();
  emit cellChanged(ended.Column, ended.Row);
  emit finished();
}

const std::string& TCellFlashAnimation::ShownText() const {
  static const std::string kNone;
  if (!flash_) return kNone;
  return turn_ % 2 == 0 ? flash_->Shown : flash_->Final;
}

void TCellFlashAnimation::Step() {
  if (!flash_) return;
  if (++turn_ == kFlashTurns) {
    Stop();
    return;
  }
  ShowTurn();
}

void TCellFlashAnimation::ShowTurn() {
  timer_.start(turn_ % 2 == 0 ? kShownMilliseconds : kFinalMilliseconds);
  emit cellChanged(flash_->Column, flash_->Row);
}

}  // namespace novlet
