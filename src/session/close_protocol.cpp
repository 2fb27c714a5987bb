// The one way the program ends: asked or not, after the work, stored, with no box left open.
#include "session/close_protocol.h"

namespace novlet {

void TCloseProtocol::Quit() {
  if (step_ != TStep::Running || window_.Busy()) return;
  step_ = TStep::Asking;
  const bool yes = window_.AskToQuit();
  // A stop that came while the question was open has ended the program.
  if (step_ != TStep::Asking) return;
  if (!yes) {
    step_ = TStep::Running;
    return;
  }
  if (window_.WantsFarewell()) {
    step_ = TStep::Farewell;
    window_.SayFarewell();
    return;
  }
  Finish(false);
}

void TCloseProtocol::FarewellEnded() {
  if (step_ == TStep::Farewell) Finish(false);
}

void TCloseProtocol::Stop() {
  if (step_ == TStep::Ended) return;
  if (window_.Thinking()) {
    // The window stays whole and answers as usual until the work ends.
    step_ = TStep::StopPending;
    return;
  }
  Finish(true);
}

void TCloseProtocol::WorkMayHaveEnded() {
  if (step_ != TStep::StopPending || stopScheduled_ || window_.Thinking()) return;
  stopScheduled_ = true;
  // Once the operation that ended has returned, not inside it.
  window_.Later([this] {
    stopScheduled_ = false;
    Stop();
  });
}

bool TCloseProtocol::CloseRequested() {
  if (step_ == TStep::Ended) return true;
  if (step_ == TStep::Running && !window_.Thinking()) window_.Later([this] { Quit(); });
  return false;
}

void TCloseProtocol::Finish(bool cancelBoxes) {
  step_ = TStep::Ended;
  window_.StoreEverything();
  // A box left open would keep the program waiting for an answer nobody is
  // there to give, beside a window already gone.
  if (cancelBoxes) window_.CancelOpenBoxes();
  window_.End();
}

}  // namespace novlet
