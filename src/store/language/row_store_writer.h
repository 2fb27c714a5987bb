// Writes the language file from the text forms of its values.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/language/row_store_layout.h"

// Writes the table file that the reader reads, from values in their text
// forms: what novlet-tool builds the shipped language file with.
namespace novlet::row_store {

struct TColumnDefinition {
  std::string Name;
  TColumnFormat Format;
};

struct TTableDefinition {
  std::string Name;
  std::vector<TColumnDefinition> Columns;
  // Text forms (UTF-8) in column order; missing trailing fields are empty.
  std::vector<std::vector<std::string>> Rows;
};

struct TRowStoreContent {
  bool Scrambled = false;
  std::vector<TTableDefinition> Tables;
};

// Checks a table or column name: not empty, Windows-1252, at most 63 characters.
bool CheckName(std::string_view name, std::string& problem);

// The file's bytes. Returns false, with `problem` naming the table, row and
// column, when a name or value cannot be stored.
bool EncodeRowStore(const TRowStoreContent& content, std::string& bytes, std::string& problem);

// Encodes and replaces `file` atomically (a temporary file in the same
// folder, flushed, then renamed), so a failed write leaves the old file. A
// refused write reports "Unable to write to " and the path.
bool WriteRowStore(const std::filesystem::path& file, const TRowStoreContent& content, std::string& problem);

}  // namespace novlet::row_store
