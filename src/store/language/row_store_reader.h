// Reads the language file, trusting nothing in it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/language/row_store_layout.h"

// Reads the table file that holds the translations. The file is never
// trusted: the header and every descriptor are checked against the file's
// size when it is opened, and a file that fails any check is not opened at
// all, so callers treat it exactly like a missing one. Names and text values
// come out as UTF-8.
namespace novlet::row_store {

struct TColumnInfo {
  std::string Name;
  TColumnFormat Format;
  std::size_t Offset = 0;  // of the field within its row
  std::size_t Width = 0;
};

struct TTableInfo {
  std::string Name;
  std::vector<TColumnInfo> Columns;
  std::uint32_t RowCount = 0;
  std::uint64_t FirstRowOffset = 0;
  std::uint64_t RowSize = 0;

  // The column of exactly this name (letter case counts).
  std::optional<std::size_t> ColumnIndex(std::string_view name) const;
};

class TRowStoreReader {
 public:
  // Nothing when the file is missing, unreadable, password-protected or damaged.
  static std::optional<TRowStoreReader> Open(const std::filesystem::path& file);
  // The same checks over bytes already in memory.
  static std::optional<TRowStoreReader> FromBytes(std::string bytes);

  bool Scrambled() const { return scrambled_; }
  const std::vector<TTableInfo>& Tables() const { return tables_; }
  // The table of exactly this name (letter case counts).
  const TTableInfo* FindTable(std::string_view name) const;

  // The text form of a field; rows count from 1. Nothing for a row or column
  // outside the table, or when the file can no longer be read.
  std::optional<std::string> FieldText(const TTableInfo& table, std::size_t column, std::uint32_t row) const;
  // The first row, from 1 up, whose field in the named column has exactly
  // this text form.
  std::optional<std::uint32_t> FindRow(const TTableInfo& table, std::string_view column,
                                       std::string_view value) const;

 private:
  TRowStoreReader(std::unique_ptr<std::istream> stream, std::uint64_t size);
  bool Load();
  bool LoadTable(std::uint64_t& offset);
  bool ReadAt(std::uint64_t offset, std::size_t count, std::string& bytes) const;

  std::unique_ptr<std::istream> stream_;
  std::uint64_t size_ = 0;
  bool scrambled_ = false;
  std::vector<TTableInfo> tables_;
};

}  // namespace novlet::row_store
