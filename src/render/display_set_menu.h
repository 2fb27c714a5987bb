// The grid menu's captions and items as the display set has them.
#pragma once

#include <QString>

#include "render/display_set.h"

// Captions and visibility of the value items N01..NG1 of the grid menu and of
// the pencil-note items P02..PG2, which follow the display set.
namespace novlet {

// Item k = 0 is the clear item "[ ]"; k = 1..16 the value k.
inline constexpr int kMenuValueItems = 17;

QString ValueMenuCaption(const TDisplaySet& displaySet, int k);
// "C  (Ctrl + C)": two blanks before the parenthesis.
QString PencilNoteMenuCaption(const TDisplaySet& displaySet, int k);
// Items 1..16 show exactly up to N; the clear item keeps its own state.
inline bool MenuValueItemVisible(int k, int gridSize) { return k >= 1 && k <= gridSize; }

}  // namespace novlet
