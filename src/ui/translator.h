// How the kit's windows ask for their texts in the chosen language.
#pragma once

#include <functional>

#include "store/language/translator.h"

namespace novlet {

// The kit keeps only built-in English texts; whoever owns the language file
// turns a tag and its built-in texts into the texts shown.
using TControlTranslator = std::function<TControlTexts(int tag, const TControlTexts& builtIn)>;

}  // namespace novlet
