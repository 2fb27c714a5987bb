// Which rows of a text table each control takes its texts from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/language/translator.h"

// Which rows of a text table a control takes its texts from. The window
// layers walk their controls and apply the result; the rules stay here,
// where they can be tested without a window. Menus and their items are walked
// down to every item whatever rows they find: each item is a component of
// the window in its own right and is translated by its own Tag.
namespace novlet {

enum class TComponentKind {
  CaptionControl,  // labels, buttons, check boxes, radio buttons, group boxes, panels, file dialogs (their title)
  MenuItem,        // takes its caption
  RadioGroup,      // title from its own row, items from the rows right after it
  ItemList,        // list boxes, drop-down lists, tab sets: items from the rows from Tag + 1 on
  Notebook,        // page p's title from the row whose Tag is p * 1000 + Tag + 1
  Menu,            // main and pop-up menus: only their items change
  OtherControl,    // any other control: at most its tool tip changes
};

struct TComponentTranslation {
  std::optional<std::string> Caption;  // the new caption or title
  // Per item (or page), in order: its new text, or nothing to keep it.
  // Empty when the control's items stay as they are.
  std::vector<std::optional<std::string>> Items;
  // The new tool tip (a menu item's hint); an empty one means no tool tip.
  std::optional<std::string> Hint;
};

// The texts for one control with Tag `tag` that holds `itemCount` items (or
// pages). Controls with a Tag below 1 are left alone.
TComponentTranslation TranslateComponent(const TTextRows& table, TComponentKind kind, std::int32_t tag,
                                         std::size_t itemCount = 0);

}  // namespace novlet
