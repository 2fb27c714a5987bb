// How the store's texts for the user ask for a text of the chosen language.
#pragma once

#include <functional>
#include <string>

namespace novlet {

// The text of a text id in the chosen language (the window's translator, or
// the built-in English texts).
using TTextLookup = std::function<std::string(int textId)>;

}  // namespace novlet
