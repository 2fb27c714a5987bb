// The language file's tables: the offered languages and their texts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/language/row_store_reader.h"

// Translation through the language file "Novlet.lng": the "Contents" table
// lists the languages, and one text table per language ("MainForm (" + the
// language's name + ")") maps text ids ("Tag") to texts ("Caption") and tool
// tips ("Hint"). Every look-up opens the file afresh and closes it at its end;
// a missing or damaged file, an unknown language or a missing row leaves the
// built-in English text in place. Nothing here reports an error.
namespace novlet {

constexpr std::string_view kLanguageFileName = "Novlet.lng";
constexpr std::string_view kMainTableBase = "MainForm";

// The text table of one language, open for one translation pass (a window
// with all its controls); the file closes when this object goes away.
class TTextTable {
 public:
  // Finds the "Contents" row of `lngId` and its text table; nothing when the
  // file, the language or the table is not there.
  static std::optional<TTextTable> Open(const std::filesystem::path& languageFile, std::int32_t lngId,
                                        std::string_view tableBase = kMainTableBase);

  // The table's name, what the program calls LanguageTable.
  const std::string& Name() const { return Table().Name; }
  std::uint32_t RowCount() const { return Table().RowCount; }

  // The row (from 1) whose "Tag" is `textId` in decimal.
  std::optional<std::uint32_t> FindTag(std::int32_t textId) const;
  // "Caption" and "Hint" of a numbered row; nothing for a row beyond the
  // table or a table without that column. List items are taken from the rows
  // that follow a tag's row, so callers address rows by number.
  std::optional<std::string> Caption(std::uint32_t row) const;
  std::optional<std::string> Hint(std::uint32_t row) const;
  std::optional<std::string> TagText(std::uint32_t row) const;

 private:
  TTextTable(row_store::TRowStoreReader reader, std::size_t tableIndex);
  const row_store::TTableInfo& Table() const { return reader_.Tables()[tableIndex_]; }
  std::optional<std::string> Field(std::string_view column, std::uint32_t row) const;

  row_store::TRowStoreReader reader_;
  std::size_t tableIndex_;
};

// The shown text for a text id: the "Caption" of its row (an empty caption
// gives an empty text), else the built-in text.
std::string TranslateText(const std::filesystem::path& languageFile, std::int32_t lngId, std::int32_t textId,
                          std::string_view builtInText, std::string_view tableBase = kMainTableBase);

// The languages the Options page offers: the "sCountry" of every "Contents"
// row whose "sLanguage" holds no "_", in file order. Empty without a file.
std::vector<std::string> OfferedLanguages(const std::filesystem::path& languageFile);

// The "sCountry" of a language number.
std::optional<std::string> LanguageName(const std::filesystem::path& languageFile, std::int32_t lngId);

// The language number ("iCountry") of an "sCountry"; nothing when the name is
// not listed or its number is not a number.
std::optional<std::int32_t> LanguageNumber(const std::filesystem::path& languageFile, std::string_view sCountry);

}  // namespace novlet
