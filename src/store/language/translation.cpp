// The language file's tables: the offered languages and their texts.
#include "store/language/translation.h"

#include <charconv>

namespace novlet {
namespace {

constexpr std::string_view kContentsTable = "Contents";

std::optional<std::string> ContentsField(const row_store::TRowStoreReader& reader, std::string_view keyColumn,
                                         std::string_view key, std::string_view wantedColumn) {
  const row_store::TTableInfo* contents = reader.FindTable(kContentsTable);
  if (!contents) return std::nullopt;
  const std::optional<std::uint32_t> row = reader.FindRow(*contents, keyColumn, key);
  const std::optional<std::size_t> column = contents->ColumnIndex(wantedColumn);
  if (!row || !column) return std::nullopt;
  return reader.FieldText(*contents, *column, *row);
}

}  // namespace

TTextTable::TTextTable(row_store::TRowStoreReader reader, std::size_t tableIndex)
    : reader_(std::move(reader)), tableIndex_(tableIndex) {}

std::optional<TTextTable> TTextTable::Open(const std::filesystem::path& languageFile, std::int32_t lngId,
                                           std::string_view tableBase) {
  std::optional<row_store::TRowStoreReader> reader = row_store::TRowStoreReader::Open(languageFile);
  if (!reader) return std::nullopt;
  const std::optional<std::string> country = ContentsField(*reader, "iCountry", std::to_string(lngId), "sCountry");
  if (!country) return std::nullopt;
  const row_store::TTableInfo* table = reader->FindTable(std::string(tableBase) + " (" + *country + ")");
  if (!table) return std::nullopt;
  const auto tableIndex = static_cast<std::size_t>(table - reader->Tables().data());
  return TTextTable(std::move(*reader), tableIndex);
}

std::optional<std::uint32_t> TTextTable::FindTag(std::int32_t textId) const {
  return reader_.FindRow(Table(), "Tag", std::to_string(textId));
}

std::optional<std::string> TTextTable::Field(std::string_view column, std::uint32_t row) const {
  const std::optional<std::size_t> index = Table().ColumnIndex(column);
  if (!index) return std::nullopt;
  return reader_.FieldText(Table(), *index, row);
}

std::optional<std::string> TTextTable::Caption(std::uint32_t row) const { return Field("Caption", row); }

std::optional<std::string> TTextTable::Hint(std::uint32_t row) const { return Field("Hint", row); }

std::optional<std::string> TTextTable::TagText(std::uint32_t row) const { return Field("Tag", row); }

std::string TranslateText(const std::filesystem::path& languageFile, std::int32_t lngId, std::int32_t textId,
                          std::string_view builtInText, std::string_view tableBase) {
  const std::optional<TTextTable> table = TTextTable::Open(languageFile, lngId, tableBase);
  if (!table) return std::string(builtInText);
  const std::optional<std::uint32_t> row = table->FindTag(textId);
  if (!row) return std::string(builtInText);
  return table->Caption(*row).value_or(std::string(builtInText));
}

std::vector<std::string> OfferedLanguages(const std::filesystem::path& languageFile) {
  std::vector<std::string> languages;
  const std::optional<row_store::TRowStoreReader> reader = row_store::TRowStoreReader::Open(languageFile);
  if (!reader) return languages;
  const row_store::TTableInfo* contents = reader->FindTable(kContentsTable);
  if (!contents) return languages;
  const std::optional<std::size_t> code = contents->ColumnIndex("sLanguage");
  const std::optional<std::size_t> name = contents->ColumnIndex("sCountry");
  if (!code || !name) return languages;
  for (std::uint32_t row = 1; row <= contents->RowCount; ++row) {
    const std::optional<std::string> codeText = reader->FieldText(*contents, *code, row);
    const std::optional<std::string> nameText = reader->FieldText(*contents, *name, row);
    if (!codeText || !nameText) break;
    if (codeText->find('_') == std::string::npos) languages.push_back(*nameText);
  }
  return languages;
}

std::optional<std::string> LanguageName(const std::filesystem::path& languageFile, std::int32_t lngId) {
  const std::optional<row_store::TRowStoreReader> reader = row_store::TRowStoreReader::Open(languageFile);
  if (!reader) return std::nullopt;
  return ContentsField(*reader, "iCountry", std::to_string(lngId), "sCountry");
}

std::optional<std::int32_t> LanguageNumber(const std::filesystem::path& languageFile, std::string_view sCountry) {
  const std::optional<row_store::TRowStoreReader> reader = row_store::TRowStoreReader::Open(languageFile);
  if (!reader) return std::nullopt;
  const std::optional<std::string> number = ContentsField(*reader, "sCountry", sCountry, "iCountry");
  if (!number) return std::nullopt;
  std::int32_t value = 0;
  const auto result = std::from_chars(number->data(), number->data() + number->size(), value);
  if (result.ec != std::errc() || result.ptr != number->data() + number->size()) return std::nullopt;
  return value;
}

}  // namespace novlet
