// Scales the window and re-skins it for the chosen screen size.
#pragma once

#include "ui/screen_mode.h"

#include <QSize>

#include <functional>
#include <vector>

class QWidget;

namespace novlet {

class TBaseBtn;
class TBkControl;

// What the main window hands over to be scaled and skinned.
struct TSkinnedWindow {
  QWidget* Window = nullptr;
  TBkControl* Background = nullptr;
  // Wear the large button faces ("But_Up" ...).
  std::vector<TBaseBtn*> PageButtons;
  // Wear the small button faces ("But85x15_Up" ...).
  std::vector<TBaseBtn*> SmallButtons;
  // Runs after every applied change, for what only the owner knows: the grid
  // drawing buffer and the grids' default cell sizes.
  std::function<void()> AfterScale;
};

// Decides the screen mode, scales the window to it and puts on the skin
// bitmaps of that size.
class TScreenScaler {
 public:
  explicit TScreenScaler(TSkinnedWindow target);

  // screenSizeChoice is the screen-size list index (0 Automatic, 1 Ignore,
  // 2..4 the fixed sizes); the same mode twice does nothing the second time.
  void ScaleUp(int screenSizeChoice, QSize screenSize);
  // The same for the screen the window is on.
  void ScaleUp(int screenSizeChoice);

  int ScreenMode() const { return screenMode_; }

 private:
  void LoadSkins(const QString& suffix);

  TSkinnedWindow target_;
  int screenMode_ = 0;
};

}  // namespace novlet
