// Reads a language's text table once and answers every look-up from memory.
#include "store/language/translator.h"

#include "store/language/language_detection.h"
#include "store/language/text_ids.h"
#include "store/language/translation.h"

namespace novlet {

TTextRows TTextRows::Load(const std::filesystem::path& languageFile, std::int32_t lngId) {
  TTextRows rows;
  const std::optional<TTextTable> table = TTextTable::Open(languageFile, lngId);
  if (!table) return rows;
  rows.rows_.reserve(table->RowCount());
  for (std::uint32_t row = 1; row <= table->RowCount(); ++row)
    rows.rows_.push_back({table->TagText(row).value_or(std::string()), table->Caption(row), table->Hint(row)});
  return rows;
}

std::optional<std::uint32_t> TTextRows::FindTag(std::int32_t textId) const {
  const std::string tag = std::to_string(textId);
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].Tag == tag) return static_cast<std::uint32_t>(i + 1);
  return std::nullopt;
}

std::optional<std::string> TTextRows::Caption(std::uint32_t row) const {
  if (row < 1 || row > rows_.size()) return std::nullopt;
  return rows_[row - 1].Caption;
}

std::optional<std::string> TTextRows::Hint(std::uint32_t row) const {
  if (row < 1 || row > rows_.size()) return std::nullopt;
  return rows_[row - 1].Hint;
}

void TTranslator::SetLanguage(const std::filesystem::path& languageFile, std::int32_t lngId) {
  if (lngId == lngId_ && languageFile == languageFile_) return;
  languageFile_ = languageFile;
  lngId_ = lngId;
  rows_ = TTextRows::Load(languageFile, lngId);
}

std::string_view TTranslator::ShownLanguageCode() const {
  return rows_.Empty() ? LanguageCodeForNumber(kDefaultLngID) : LanguageCodeForNumber(lngId_);
}

std::string TTranslator::Text(int textId) const {
  if (const std::optional<std::uint32_t> row = rows_.FindTag(textId))
    if (std::optional<std::string> caption = rows_.Caption(*row)) return *caption;
  return std::string(BuiltInText(textId).Caption);
}

TControlTexts TTranslator::Control(int tag) const {
  const TBuiltInText builtIn = BuiltInText(tag);
  TControlTexts texts{std::string(builtIn.Caption), std::string(builtIn.Hint)};
  if (const std::optional<std::uint32_t> row = rows_.FindTag(tag)) {
    if (std::optional<std::string> caption = rows_.Caption(*row)) texts.Caption = *caption;
    if (std::optional<std::string> hint = rows_.Hint(*row)) texts.Hint = *hint;
  }
  return texts;
}

}  // namespace novlet
