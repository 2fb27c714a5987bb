// Reads the language file, trusting nothing in it.
#include "store/language/row_store_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <sstream>

#include "store/language/field_codec.h"
#include "store/language/windows_1252.h"

namespace novlet::row_store {
namespace {

constexpr std::uint64_t kFindBlockSize = 64 * 1024;

std::uint32_t ReadUint32(std::string_view bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{static_cast<unsigned char>(bytes[offset + i])} << (8 * i);
  return value;
}

std::uint16_t ReadUint16(std::string_view bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                                    (static_cast<unsigned char>(bytes[offset + 1]) << 8));
}

// A name field: one length byte and up to 63 characters.
bool ReadName(std::string_view bytes, std::size_t offset, std::string& name) {
  const std::size_t length = static_cast<unsigned char>(bytes[offset]);
  if (length > kMaxNameLength) return false;
  name = Windows1252ToUtf8(bytes.substr(offset + 1, length));
  return true;
}

}  // namespace

std::optional<std::size_t> TTableInfo::ColumnIndex(std::string_view name) const {
  for (std::size_t i = 0; i < Columns.size(); ++i) {
    if (Columns[i].Name == name) return i;
  }
  return std::nullopt;
}

TRowStoreReader::TRowStoreReader(std::unique_ptr<std::istream> stream, std::uint64_t size)
    : stream_(std::move(stream)), size_(size) {}

std::optional<TRowStoreReader> TRowStoreReader::Open(const std::filesystem::path& file) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return std::nullopt;
  auto stream = std::make_unique<std::ifstream>(file, std::ios::binary);
  if (!*stream) return std::nullopt;
  TRowStoreReader reader(std::move(stream), size);
  if (!reader.Load()) return std::nullopt;
  return reader;
}

std::optional<TRowStoreReader> TRowStoreReader::FromBytes(std::string bytes) {
  const std::uint64_t size = bytes.size();
  TRowStoreReader reader(std::make_unique<std::istringstream>(std::move(bytes), std::ios::binary), size);
  if (!reader.Load()) return std::nullopt;
  return reader;
}

bool TRowStoreReader::ReadAt(std::uint64_t offset, std::size_t count, std::string& bytes) const {
  if (offset > size_ || count > size_ - offset) return false;
  bytes.resize(count);
  stream_->clear();
  stream_->seekg(static_cast<std::streamoff>(offset));
  stream_->read(bytes.data(), static_cast<std::streamsize>(count));
  return static_cast<std::size_t>(stream_->gcount()) == count;
}

bool TRowStoreReader::Load() {
  std::string header;
  if (!ReadAt(0, kHeaderSize, header)) return false;
  if (static_cast<unsigned char>(header[kHeaderSignature]) != kSignature.size() ||
      header.compare(kHeaderSignature + 1, kSignature.size(), kSignature) != 0) {
    return false;
  }
  if (ReadUint16(header, kHeaderVersion) != kVersion) return false;
  // The program has no password to give, so a protected file stays closed.
  if (std::bit_cast<float>(ReadUint32(header, kHeaderPasswordCheck)) != 0.0f) return false;
  scrambled_ = header[kHeaderScrambled] != 0;

  const std::uint32_t tableCount = ReadUint32(header, kHeaderTableCount);
  std::uint64_t offset = kHeaderSize;
  if (tableCount > (size_ - offset) / kTableDescriptorSize) return false;
  tables_.reserve(tableCount);
  for (std::uint32_t i = 0; i < tableCount; ++i) {
    if (!LoadTable(offset)) return false;
  }
  return true;
}

bool TRowStoreReader::LoadTable(std::uint64_t& offset) {
  std::string descriptor;
  if (!ReadAt(offset, kTableDescriptorSize, descriptor)) return false;
  offset += kTableDescriptorSize;

  TTableInfo table;
  if (!ReadName(descriptor, kTableName, table.Name)) return false;
  const std::uint32_t columnCount = ReadUint32(descriptor, kTableColumnCount);
  table.RowCount = ReadUint32(descriptor, kTableRowCount);
  table.FirstRowOffset = ReadUint32(descriptor, kTableFirstRow);

  if (columnCount > (size_ - offset) / kColumnDescriptorSize) return false;
  table.Columns.reserve(columnCount);
  for (std::uint32_t i = 0; i < columnCount; ++i) {
    std::string bytes;
    if (!ReadAt(offset, kColumnDescriptorSize, bytes)) return false;
    offset += kColumnDescriptorSize;
    TColumnInfo column;
    if (!ReadName(bytes, kColumnName, column.Name)) return false;
    column.Format = {static_cast<std::uint8_t>(bytes[kColumnType]), static_cast<std::uint8_t>(bytes[kColumnParameter])};
    const std::optional<std::size_t> width = FieldWidth(column.Format);
    if (!width) return false;
    column.Offset = table.RowSize;
    column.Width = *width;
    table.RowSize += *width;
    table.Columns.push_back(std::move(column));
  }

  if (table.RowCount > 0) {
    // Rows without bytes could not be told apart, and a count of them could
    // be anything; such a table is damage, not data.
    if (table.RowSize == 0 || table.FirstRowOffset > size_) return false;
    if (table.RowCount > (size_ - table.FirstRowOffset) / table.RowSize) return false;
  }
  tables_.push_back(std::move(table));
  return true;
}

const TTableInfo* TRowStoreReader::FindTable(std::string_view name) const {
  for (const TTableInfo& table : tables_) {
    if (table.Name == name) return &table;
  }
  return nullptr;
}

std::optional<std::string> TRowStoreReader::FieldText(const TTableInfo& table, std::size_t column,
                                                      std::uint32_t row) const {
  if (column >= table.Columns.size() || row < 1 || row > table.RowCount) return std::nullopt;
  const TColumnInfo& info = table.Columns[column];
  std::string bytes;
  if (!ReadAt(table.FirstRowOffset + table.RowSize * (row - 1) + info.Offset, info.Width, bytes)) return std::nullopt;
  return row_store::FieldText(info.Format, bytes, scrambled_);
}

std::optional<std::uint32_t> TRowStoreReader::FindRow(const TTableInfo& table, std::string_view column,
                                                      std::string_view value) const {
  const std::optional<std::size_t> index = table.ColumnIndex(column);
  // An empty table may have columns of no width at all (RowSize 0).
  if (!index || table.RowCount == 0) return std::nullopt;
  const TColumnInfo& info = table.Columns[*index];
  // Every look-up scans a table anew, so rows are read in blocks rather than
  // with a seek per row.
  const std::uint64_t rowsPerBlock = std::max<std::uint64_t>(1, kFindBlockSize / table.RowSize);
  std::string block;
  for (std::uint64_t first = 1; first <= table.RowCount; first += rowsPerBlock) {
    const std::uint64_t rows = std::min<std::uint64_t>(rowsPerBlock, table.RowCount - first + 1);
    if (!ReadAt(table.FirstRowOffset + table.RowSize * (first - 1), rows * table.RowSize, block)) return std::nullopt;
    for (std::uint64_t r = 0; r < rows; ++r) {
      const std::string_view field = std::string_view(block).substr(r * table.RowSize + info.Offset, info.Width);
      if (row_store::FieldText(info.Format, field, scrambled_) == value) return static_cast<std::uint32_t>(first + r);
    }
  }
  return std::nullopt;
}

}  // namespace novlet::row_store
