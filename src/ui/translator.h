#pragma once

#include <functional>
#include <string>

namespace novlet {

// A control's caption and tool tip, as the language file holds them per text
// id (the control's tag).
struct TControlTexts {
  std::string Caption;
  std::string Hint;
};

// The kit keeps only built-in English texts; whoever owns the language file
// turns a tag and its built-in texts into the texts shown.
using TControlTranslator = std::function<TControlTexts(int tag, const TControlTexts& builtIn)>;

}  // namespace novlet
