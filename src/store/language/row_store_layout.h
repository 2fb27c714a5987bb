// The byte layout of the language file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The byte layout of the table file that holds the program's translations
// ("Novlet.lng"): a header, then per table a descriptor followed by its column
// descriptors, then the fixed-size rows. All numbers are little-endian; names
// are a length byte followed by the characters.
namespace novlet::row_store {

constexpr std::size_t kHeaderSize = 272;
constexpr std::size_t kHeaderTableCount = 0;
constexpr std::size_t kHeaderScrambled = 4;
constexpr std::size_t kHeaderSignature = 5;
constexpr std::size_t kHeaderPasswordCheck = 14;
constexpr std::size_t kHeaderVersion = 270;
constexpr std::string_view kSignature = "RowStore";
constexpr std::uint16_t kVersion = 100;

constexpr std::size_t kTableDescriptorSize = 77;
constexpr std::size_t kTableColumnCount = 0;
constexpr std::size_t kTableName = 4;
constexpr std::size_t kTableRowCount = 68;
// Byte 72 flags a row count kept in a separate row file; the language file keeps
// its rows inside, so it stays 0.
constexpr std::size_t kTableFirstRow = 73;

constexpr std::size_t kColumnDescriptorSize = 137;
constexpr std::size_t kColumnName = 5;
constexpr std::size_t kColumnType = 70;
constexpr std::size_t kColumnParameter = 71;

// Table and column names: a length byte and at most this many characters.
constexpr std::size_t kMaxNameLength = 63;

// A column's type with its parameter: the width of a text, the wording of a
// yes/no value, the number of entries of a row-link list.
struct TColumnFormat {
  std::uint8_t Type = 0;
  std::uint8_t Parameter = 0;
};

// The width of a field in bytes; nothing for a type the format does not know.
constexpr std::optional<std::size_t> FieldWidth(TColumnFormat format) {
  switch (format.Type) {
    case 0: case 1: case 11: return 1;
    case 14: return 2;
    case 3: case 6: case 7: case 12: return 4;
    case 9: return 6;
    case 2: case 4: case 8: return 8;
    case 5: return 10;
    case 10: return std::size_t{4} * format.Parameter;
    case 13: return format.Parameter;
    default: return std::nullopt;
  }
}

// Text bytes of a scrambled file are rotated by 127; both directions are
// needed because the writer stores what the reader turns back.
constexpr unsigned char UnscrambleByte(unsigned char b) {
  return static_cast<unsigned char>(b >= 127 ? b - 127 : b + 127);
}
// Windows-1252 bytes 254 and 255 have no scrambled form (the rotation only
// reaches 0..253); the caller must refuse them.
constexpr unsigned char ScrambleByte(unsigned char c) {
  return static_cast<unsigned char>(c <= 128 ? c + 127 : c - 127);
}

}  // namespace novlet::row_store
