#include <gtest/gtest.h>

#include <charconv>

#include "store/language/language_source.h"
#include "store/language/translation.h"
#include "store/language/sample_language.h"

namespace novlet {
namespace {

const std::filesystem::path kSources = std::filesystem::path(__FILE__).parent_path() / "../../../data/language";

row_store::TRowStoreContent ShippedContent() {
  row_store::TRowStoreContent content;
  std::string problem;
  EXPECT_TRUE(ReadLanguageSources(kSources, false, content, problem)) << problem;
  return content;
}

const row_store::TTableDefinition& Table(const row_store::TRowStoreContent& content, std::string_view name) {
  for (const auto& table : content.Tables) {
    if (table.Name == name) return table;
  }
  ADD_FAILURE() << "no table " << name;
  return content.Tables.front();
}

std::string Field(const std::vector<std::string>& row, std::size_t column) {
  return column < row.size() ? row[column] : std::string();
}

TEST(ShippedSources, EveryLanguageHasATableLikeTheEnglishOne) {
  const row_store::TRowStoreContent content = ShippedContent();
  const row_store::TTableDefinition& contents = Table(content, "Contents");
  const row_store::TTableDefinition& english = Table(content, "MainForm (English)");
  ASSERT_GE(contents.Rows.size(), 3u);
  EXPECT_EQ(content.Tables.size(), contents.Rows.size() + 1);

  int previousTag = 0;
  for (const auto& row : english.Rows) {
    int tag = 0;
    std::from_chars(row[0].data(), row[0].data() + row[0].size(), tag);
    EXPECT_GT(tag, previousTag) << "rows out of Tag order at " << row[0];
    previousTag = tag;
  }

  for (const auto& language : contents.Rows) {
    const row_store::TTableDefinition& table = Table(content, "MainForm (" + language[1] + ")");
    ASSERT_EQ(table.Rows.size(), english.Rows.size()) << table.Name;
    for (std::size_t r = 0; r < english.Rows.size(); ++r) {
      const std::vector<std::string>& ours = table.Rows[r];
      const std::vector<std::string>& theirs = english.Rows[r];
      SCOPED_TRACE(table.Name + ", Tag " + theirs[0]);
      EXPECT_EQ(ours[0], theirs[0]);
      for (const std::size_t column : {1u, 2u}) {
        // An empty caption would blank a control, and the blanks at either end
        // are where the program joins texts.
        const std::string text = Field(ours, column);
        const std::string original = Field(theirs, column);
        EXPECT_EQ(text.empty(), original.empty());
        if (text.empty() || original.empty()) continue;
        EXPECT_EQ(text.front() == ' ', original.front() == ' ');
        EXPECT_EQ(text.back() == ' ', original.back() == ' ');
      }
    }
  }
}

TEST(ShippedSources, TheBuiltFileTranslates) {
  const testing::TScratchFolder folder;
  for (const bool scrambled : {false, true}) {
    row_store::TRowStoreContent content;
    std::string problem;
    ASSERT_TRUE(ReadLanguageSources(kSources, scrambled, content, problem)) << problem;
    const std::filesystem::path file = testing::WriteSample(folder, content);
    EXPECT_EQ(OfferedLanguages(file), (std::vector<std::string>{"English", "Deutsch", "Français", "Nederlands"}));
    EXPECT_EQ(TranslateText(file, 49, 560, "Solution"), "Lösung");
    EXPECT_EQ(TranslateText(file, 33, 579, "Puzzle Solved!"), "Puzzle résolu\xC2\xA0!");
    EXPECT_EQ(TranslateText(file, 31, 660, "Complete"), "Voltooien");
    EXPECT_EQ(TranslateText(file, 44, 531, "Pause"), "Continue");
    EXPECT_EQ(TranslateText(file, 44, 646, "Design Mode"), "Puzzle Mode");
    EXPECT_EQ(TranslateText(file, 49, 71013, " Entries      ").size(), 14u);
  }
}

}  // namespace
}  // namespace novlet
