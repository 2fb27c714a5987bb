// Print and Clipboard of the game pages: the page's grid drawn in its output
// look onto paper or onto the clipboard.
#pragma once

#include <QString>

#include <functional>

#include "game/novlet_grid.h"

namespace novlet {

class TPageHost;

// What a game page hands over to be printed or copied.
struct TOutputSource {
  // The grid control: its size, and the screen whose inches it is shown in.
  TNovletGrid* Grid = nullptr;
  // What the grid draws; asked while OutputCapture is set.
  std::function<TGridScene()> Scene;
  // The puzzle record's Name, as stored: the title on paper.
  QString Title;
};

// Asks where to print, then prints title, grid and footer on one page. A
// failure to print is reported in the program's message box.
void PrintGrid(TPageHost& host, const TOutputSource& page);

// Puts the grid's picture with its footer on the clipboard, and the puzzle's
// givens as plain text beside it.
void CopyGridToClipboard(TPageHost& host, const TOutputSource& page);

}  // namespace novlet
