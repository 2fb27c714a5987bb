// The editable text sources the language file is built from.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "store/language/row_store_writer.h"

// The text sources a translator edits, from which the language file is
// built. Each source is UTF-8 text:
//   # a comment line
//   [Table name]
//   Column:type[/parameter] <TAB> Column:type[/parameter] ...
//   field <TAB> field ...            (one line per row, in row order)
// In fields, \t \n \r and \\ stand for TAB, line feed, carriage return and a
// backslash, and a backslash before any other character keeps that
// character (so "\#" starts a field with "#").
namespace novlet {

// Parses one source into tables. `fileLabel` names the source in messages,
// which read "<fileLabel>:<line>: <what is wrong>". Every value is checked
// against its column here, so that a refusal names the line.
bool ParseLanguageSource(std::string_view text, std::string_view fileLabel, bool scrambled,
                         std::vector<row_store::TTableDefinition>& tables, std::string& problem);

// Reads every "*.txt" file of `folder` in file-name order; table names must
// be unique over all of them.
bool ReadLanguageSources(const std::filesystem::path& folder, bool scrambled, row_store::TRowStoreContent& content,
                         std::string& problem);

// The field form of a text: the inverse of the escapes above, used to show
// values one row per line.
std::string EscapeField(std::string_view text);

}  // namespace novlet
