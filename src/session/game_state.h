// A state word: a grid session's flags (its game and what runs in it), or the
// window's own (a name box open, the grid drawn for output).
#pragma once

#include <cstdint>

namespace novlet {

// The flags of a state word. A session's tell whether it holds a game and
// which long operation runs, so that a click or a timer tick arriving in the
// middle of one can leave it alone; NameEntryOpen and OutputCapture are the
// window's.
enum class TGameFlag : std::uint16_t {
  Loading = 0x0001,         // a stored game or design is being loaded
  NameEntryOpen = 0x0002,   // a Save, Rename or Delete flow with a question box is open
  Thinking = 0x0004,        // an engine operation runs; the main timer animates "Thinking"
  Playing = 0x0008,         // a Play & Solve game is in progress
  Paused = 0x0010,          // that game is paused
  Restarting = 0x0020,      // a Restart runs
  Validating = 0x0040,      // an Enter & Design validation runs
  HintRunning = 0x0080,     // a Hint runs
  ShowErrors = 0x0100,      // the grid is being repainted with error marks
  SolutionShown = 0x0200,   // the Play & Solve game is over: solved, solution shown, or time over
  Designing = 0x0400,       // an Enter & Design puzzle is open
  PuzzleMode = 0x0800,      // Enter & Design puzzle mode
  DesignMode = 0x1000,      // Enter & Design design mode
  DesignSolvable = 0x2000,  // the last validation found the designed puzzle solvable
  OutputCapture = 0x4000,   // the grid is being drawn for printing or the clipboard
};

// GameState: a 16-bit set of TGameFlag. Many operations assign a whole value
// (`state = TGameFlag::Playing`), which ends every other flag at once.
class TGameState {
 public:
  constexpr TGameState() = default;
  constexpr TGameState(TGameFlag flag) : word_(static_cast<std::uint16_t>(flag)) {}
  constexpr explicit TGameState(std::uint16_t word) : word_(word) {}

  constexpr std::uint16_t Word() const { return word_; }
  // No page owns a game.
  constexpr bool IsClear() const { return word_ == 0; }

  constexpr bool Has(TGameFlag flag) const { return (word_ & static_cast<std::uint16_t>(flag)) != 0; }
  constexpr bool HasAny(TGameState flags) const { return (word_ & flags.word_) != 0; }
  constexpr void Set(TGameFlag flag) { word_ |= static_cast<std::uint16_t>(flag); }
  constexpr void Clear(TGameFlag flag) { word_ &= static_cast<std::uint16_t>(~static_cast<std::uint16_t>(flag)); }

  // Thinking, Loading or Validating: the page buttons, Quit, Help, Info and
  // Minimise wait until the engine operation or the load has ended.
  constexpr bool IsBusy() const { return HasAny(TGameState(kBusyFlags)); }

  friend constexpr TGameState operator|(TGameState a, TGameState b) {
    return TGameState(static_cast<std::uint16_t>(a.word_ | b.word_));
  }
  friend constexpr bool operator==(TGameState, TGameState) = default;

 private:
  static constexpr std::uint16_t kBusyFlags = 0x0001 | 0x0004 | 0x0040;
  std::uint16_t word_ = 0;
};

constexpr TGameState operator|(TGameFlag a, TGameFlag b) { return TGameState(a) | TGameState(b); }

}  // namespace novlet
