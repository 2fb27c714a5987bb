// A language-file field between its bytes and its text form.
#pragma once

#include <string>
#include <string_view>

#include "store/language/row_store_layout.h"

// Between a field's bytes and its text form: the form in which the reader
// hands values to the program and the writer takes them from the sources.
namespace novlet::row_store {

// The text form (UTF-8) of a field; `bytes` holds the field's full width.
// Integers are decimal, yes/no values use the column's wording, floating
// point values the shortest decimal that reads back exactly, row links their
// non-zero entries joined by ",".
std::string FieldText(TColumnFormat format, std::string_view bytes, bool scrambled);

// Encodes a text form into the field's bytes. An empty text gives a zero
// field. Returns false, with `problem` saying why, when the value does not
// fit the column (too long, out of range, not a number, a character that
// Windows-1252 or the scrambling cannot carry).
bool EncodeField(TColumnFormat format, std::string_view text, bool scrambled, std::string& bytes,
                 std::string& problem);

}  // namespace novlet::row_store
