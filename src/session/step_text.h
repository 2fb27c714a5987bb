// The sentence that explains a step of the solver, in the chosen language.
#pragma once

#include <string>

#include "logic/logic_step.h"
#include "store/text_lookup.h"

namespace novlet {

// "Hidden single: in box 5, only row 4, column 6 can hold 7." The technique's
// sentence template from the lookup, its placeholders filled: %1 the
// technique's name, %2 the units the pattern lies in, %3 the cells that prove
// it, %4 its values, %5 the cells it changes, %6 the units it confines the
// values to, %7 the first proving cell (a wing's pivot), %8 the others.
// Lists read "A, B and C"; cells, which hold commas themselves, "A; B and C".
std::string StepText(const TLogicStep& step, const TTextLookup& text);

std::string TechniqueName(TTechnique technique, const TTextLookup& text);
std::string CellName(const TCellRef& cell, const TTextLookup& text);

// The built-in English texts, for callers without a language file.
TTextLookup BuiltInTextLookup();

}  // namespace novlet
