// The language file written out as text, for reading and comparing.
#pragma once

#include <ostream>

#include "store/language/row_store_reader.h"

namespace novlet::row_store {

// Writes every table as text: a line "[" + name + "]", a line with the column
// names, then one line per row with the text forms of its fields, the fields
// of a line joined by TAB. TABs, line breaks and backslashes inside a value
// are escaped as in the language sources, so each row stays on one line.
void WriteDump(const TRowStoreReader& reader, std::ostream& out);

}  // namespace novlet::row_store
