// Writes the language file from the text forms of its values.
#include "store/language/row_store_writer.h"

#include <cstdint>
#include <fstream>
#include <limits>
#include <optional>

#include <unistd.h>

#include "store/language/field_codec.h"
#include "store/language/windows_1252.h"

namespace novlet::row_store {
namespace {

void PutUint(std::string& bytes, std::size_t offset, std::uint64_t value, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void PutName(std::string& bytes, std::size_t offset, std::string_view name) {
  std::string converted;
  std::string ignored;
  Utf8ToWindows1252(name, converted, ignored);
  bytes[offset] = static_cast<char>(converted.size());
  bytes.replace(offset + 1, converted.size(), converted);
}

std::string Place(const TTableDefinition& table, std::size_t row, const TColumnDefinition* column) {
  std::string place = "table \"" + table.Name + "\"";
  if (row > 0) place += ", row " + std::to_string(row);
  if (column) place += ", column \"" + column->Name + "\"";
  return place + ": ";
}

bool CheckTable(const TTableDefinition& table, std::string& problem) {
  if (!CheckName(table.Name, problem)) {
    problem = "table name \"" + table.Name + "\": " + problem;
    return false;
  }
  for (const TColumnDefinition& column : table.Columns) {
    if (!CheckName(column.Name, problem)) {
      problem = Place(table, 0, &column) + problem;
      return false;
    }
    if (!FieldWidth(column.Format)) {
      problem = Place(table, 0, &column) + "unknown column type " + std::to_string(column.Format.Type);
      return false;
    }
  }
  if (!table.Rows.empty() && table.Columns.empty()) {
    problem = Place(table, 0, nullptr) + "a table with rows needs at least one column";
    return false;
  }
  return true;
}

bool AppendRow(const TTableDefinition& table, std::size_t rowNumber, bool scrambled, std::string& bytes,
               std::string& problem) {
  const std::vector<std::string>& row = table.Rows[rowNumber - 1];
  if (row.size() > table.Columns.size()) {
    problem = Place(table, rowNumber, nullptr) + std::to_string(row.size()) + " fields for " +
              std::to_string(table.Columns.size()) + " columns";
    return false;
  }
  for (std::size_t c = 0; c < table.Columns.size(); ++c) {
    std::string field;
    if (!EncodeField(table.Columns[c].Format, c < row.size() ? row[c] : std::string(), scrambled, field, problem)) {
      problem = Place(table, rowNumber, &table.Columns[c]) + problem;
      return false;
    }
    bytes += field;
  }
  return true;
}

}  // namespace

bool CheckName(std::string_view name, std::string& problem) {
  std::string converted;
  if (name.empty()) {
    problem = "a name cannot be empty";
    return false;
  }
  if (!Utf8ToWindows1252(name, converted, problem)) {
    problem += " cannot be written in Windows-1252";
    return false;
  }
  if (converted.size() > kMaxNameLength) {
    problem = "a name holds at most " + std::to_string(kMaxNameLength) + " characters";
    return false;
  }
  return true;
}

bool EncodeRowStore(const TRowStoreContent& content, std::string& bytes, std::string& problem) {
  std::size_t descriptorsSize = kHeaderSize;
  for (const TTableDefinition& table : content.Tables) {
    if (!CheckTable(table, problem)) return false;
    descriptorsSize += kTableDescriptorSize + kColumnDescriptorSize * table.Columns.size();
  }

  bytes.assign(descriptorsSize, '\0');
  PutUint(bytes, kHeaderTableCount, content.Tables.size(), 4);
  bytes[kHeaderScrambled] = content.Scrambled ? 1 : 0;
  PutName(bytes, kHeaderSignature, kSignature);
  PutUint(bytes, kHeaderVersion, kVersion, 2);

  std::size_t descriptor = kHeaderSize;
  for (const TTableDefinition& table : content.Tables) {
    const std::size_t firstRow = bytes.size();
    for (std::size_t row = 1; row <= table.Rows.size(); ++row) {
      if (!AppendRow(table, row, content.Scrambled, bytes, problem)) return false;
    }
    PutUint(bytes, descriptor + kTableColumnCount, table.Columns.size(), 4);
    PutName(bytes, descriptor + kTableName, table.Name);
    PutUint(bytes, descriptor + kTableRowCount, table.Rows.size(), 4);
    PutUint(bytes, descriptor + kTableFirstRow, firstRow, 4);
    descriptor += kTableDescriptorSize;
    for (const TColumnDefinition& column : table.Columns) {
      PutName(bytes, descriptor + kColumnName, column.Name);
      bytes[descriptor + kColumnType] = static_cast<char>(column.Format.Type);
      bytes[descriptor + kColumnParameter] = static_cast<char>(column.Format.Parameter);
      descriptor += kColumnDescriptorSize;
    }
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
      problem = "the file would exceed the 4 GB that its 32-bit row offsets can reach";
      return false;
    }
  }
  return true;
}

bool WriteRowStore(const std::filesystem::path& file, const TRowStoreContent& content, std::string& problem) {
  std::string bytes;
  if (!EncodeRowStore(content, bytes, problem)) return false;

  std::filesystem::path temporary = file;
  temporary += ".tmp" + std::to_string(::getpid());
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    written = static_cast<bool>(out);
  }
  std::error_code error;
  if (written) std::filesystem::rename(temporary, file, error);
  if (!written || error) {
    std::filesystem::remove(temporary, error);
    problem = "Unable to write to " + file.string();
    return false;
  }
  return true;
}

}  // namespace novlet::row_store
