// The one way the program ends: asked or not, after the work, stored, with no box left open.
#pragma once

#include <functional>

// Every way out goes through this machine: the Quit button, Insert, Alt+F4
// and the window manager's close ask the quit question; a stop signal, a
// second start's close request, the end of the desktop session and the
// uninstaller's request do not. Work that is thinking is never cut off: a
// stop waits for it, a question is not asked during it.
namespace novlet {

// What the machine asks of the window.
class TClosingWindow {
 public:
  virtual ~TClosingWindow() = default;
  // Work runs that a quit waits for (loading, validating, thinking).
  virtual bool Busy() const = 0;
  // The engine thinks: nothing may end the program inside it.
  virtual bool Thinking() const = 0;
  // The quit question; true for Yes.
  virtual bool AskToQuit() = 0;
  // Whether a farewell shows on the way out; the window hides, shows it and
  // calls FarewellEnded when its time is up.
  virtual bool WantsFarewell() const = 0;
  virtual void SayFarewell() = 0;
  // Stores the games and the options and lets go of the mouse.
  virtual void StoreEverything() = 0;
  // Answers every box still open, as nobody is left to answer it.
  virtual void CancelOpenBoxes() = 0;
  // The window goes for good.
  virtual void End() = 0;
  // Runs the call once the current event has returned.
  virtual void Later(std::function<void()> call) = 0;
};

class TCloseProtocol {
 public:
  enum class TStep { Running, Asking, Farewell, StopPending, Ended };

  explicit TCloseProtocol(TClosingWindow& window) : window_(window) {}

  TStep Step() const { return step_; }
  // The window is on its way out: nothing brings it back or asks again.
  bool Leaving() const { return step_ == TStep::Farewell || step_ == TStep::Ended; }

  // The user asked to quit: ask, say farewell, store, end. Ignored while busy.
  void Quit();
  // Ends without asking; while the engine thinks, once it is done.
  void Stop();
  // Work ended or the clock ticked: a stop kept for it is carried out.
  void WorkMayHaveEnded();
  void FarewellEnded();
  // A close the window did not ask for itself (the window manager's close
  // button): true when the window may close now. Otherwise the quit question
  // follows, once the request has returned.
  bool CloseRequested();

 private:
  void Finish(bool cancelBoxes);

  TClosingWindow& window_;
  TStep step_ = TStep::Running;
  bool stopScheduled_ = false;
};

}  // namespace novlet
