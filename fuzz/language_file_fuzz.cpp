// Feeds arbitrary bytes to the language-file reader as a file it was handed:
// everything it accepts must then be readable field by field without a
// read beyond the file, and every look-up must end.
#include <cstddef>
#include <cstdint>
#include <string>

#include "store/language/row_store_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using novlet::row_store::TRowStoreReader;
  const std::optional<TRowStoreReader> reader =
      TRowStoreReader::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
  if (!reader) return 0;
  for (const auto& table : reader->Tables()) {
    std::string lastText;
    for (std::uint32_t row = 1; row <= table.RowCount; ++row) {
      for (std::size_t column = 0; column < table.Columns.size(); ++column) {
        if (const std::optional<std::string> text = reader->FieldText(table, column, row)) lastText = *text;
      }
    }
    for (const auto& column : table.Columns) reader->FindRow(table, column.Name, lastText);
    reader->FindTable(table.Name);
  }
  return 0;
}
