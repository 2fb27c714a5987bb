// ApplyDisplaySet for one game page: the options' display set, fitted to
// the side of the page's board.
#pragma once

namespace novlet {

class TDisplaySet;
class TPageHost;

// Applies the display-set option (its item found without regard to case,
// item 0 when none matches) to the page's set for a board of side gridSize.
// An icon set that fails to load falls back to "123456789", and the option
// follows.
void ApplyOptionsDisplaySet(TPageHost& host, TDisplaySet& displaySet, int gridSize);

}  // namespace novlet
