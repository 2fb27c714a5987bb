// The texts the window shows in the chosen language: the language's text
// table is read once when the language is chosen and kept, and every look-up
// falls back to the built-in English text.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace novlet {

// A control's caption and tool tip.
struct TControlTexts {
  std::string Caption;
  std::string Hint;
};

// One language's text table, in memory: its rows in table order, for the
// look-ups by tag and the list items taken from consecutive rows.
class TTextRows {
 public:
  // Empty when the file, the language or its table is not there.
  static TTextRows Load(const std::filesystem::path& languageFile, std::int32_t lngId);

  bool Empty() const { return rows_.empty(); }
  std::uint32_t RowCount() const { return static_cast<std::uint32_t>(rows_.size()); }
  // The row (from 1) whose "Tag" is the id.
  std::optional<std::uint32_t> FindTag(std::int32_t textId) const;
  std::optional<std::string> Caption(std::uint32_t row) const;
  std::optional<std::string> Hint(std::uint32_t row) const;

 private:
  struct TRow {
    std::string Tag;
    std::optional<std::string> Caption;
    std::optional<std::string> Hint;
  };
  std::vector<TRow> rows_;
};

class TTranslator {
 public:
  // Reads the language's table; asked again for the same file and language,
  // it keeps what it holds.
  void SetLanguage(const std::filesystem::path& languageFile, std::int32_t lngId);
  std::int32_t LngID() const { return lngId_; }
  const TTextRows& Rows() const { return rows_; }
  // The two-letter code of the language the texts are in: "en" when the
  // language file has no table for LngID, as the built-in texts are shown then.
  std::string_view ShownLanguageCode() const;

  // The caption of the id's row (an empty caption is an empty text), else
  // the built-in text.
  std::string Text(int textId) const;
  // Caption and tool tip, each falling back to the built-in one.
  TControlTexts Control(int tag) const;

 private:
  std::filesystem::path languageFile_;
  std::int32_t lngId_ = -1;
  TTextRows rows_;
};

}  // namespace novlet
