// The language file written out as text, for reading and comparing.
#include "store/language/row_store_dump.h"

#include "store/language/language_source.h"

namespace novlet::row_store {

void WriteDump(const TRowStoreReader& reader, std::ostream& out) {
  for (const TTableInfo& table : reader.Tables()) {
    out << "[" << table.Name << "]\n";
    for (std::size_t c = 0; c < table.Columns.size(); ++c) {
      out << (c > 0 ? "\t" : "") << EscapeField(table.Columns[c].Name);
    }
    out << "\n";
    for (std::uint32_t row = 1; row <= table.RowCount; ++row) {
      for (std::size_t c = 0; c < table.Columns.size(); ++c) {
        out << (c > 0 ? "\t" : "") << EscapeField(reader.FieldText(table, c, row).value_or(""));
      }
      out << "\n";
    }
  }
}

}  // namespace novlet::row_store
