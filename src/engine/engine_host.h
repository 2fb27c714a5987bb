// What the engine asks of the window while it works.
#pragma once

#include <string>

#include "engine/board.h"

namespace novlet {

// What the engine needs from the window while it works. The engine knows no
// window; the main window implements this, tools and tests leave it out.
class TEngineHost {
 public:
  virtual ~TEngineHost() = default;

  // Once per propagation pass and after each kept removal, so timers, paints
  // and clicks go on during long searches.
  virtual void ProcessPendingMessages() {}

  // A reduction starts: save the active page's progress label, switch the
  // Ruler option off and the ContrastPuzzle option on.
  virtual void BeginReduction() {}
  // After each kept removal: the level text ("Target is Expert", "Level is
  // Fiendish!") and the puzzle so far (the Play & Solve page shows a blank
  // grid instead, the Enter & Design page shows it).
  virtual void ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) {
    (void)levelText;
    (void)puzzle;
  }
  // The reduction is over: put back the label text and the two options.
  virtual void EndReduction() {}

  // A search made for the user (Display true) has ended: empty the solutions
  // menu, then add items "Solution_1" .. "Solution_<menuItems>" (none with
  // fewer than two solutions). A non-empty countSuffix (" [3]", " [10+]") goes
  // after the words of the Solution and Complete buttons; an empty one leaves
  // their captions as they are.
  virtual void ShowSolutionChoices(int menuItems, const std::string& countSuffix) {
    (void)menuItems;
    (void)countSuffix;
  }
};

}  // namespace novlet
