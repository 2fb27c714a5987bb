// The shipped language sources: a row for every text id in every language, and the file built from them.
#include <gtest/gtest.h>

#include <span>

#include "store/language/language_source.h"
#include "store/language/text_ids.h"
#include "store/language/translation.h"
#include "store/language/sample_language.h"

namespace novlet {
namespace {

const std::filesystem::path kSources = NOVLET_LANGUAGE_SOURCES;

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

// Characters, not bytes: the sources are UTF-8.
std::size_t Characters(const std::string& text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

// Every language has a row for every text id of the program, in the order of
// the ids: a new control without rows fails here. English gives the built-in
// texts (and the captions only the file gives); the others keep the blanks
// and the widths where the program joins texts.
TEST(ShippedSources, EveryLanguageHasARowForEveryTextIdOfTheProgram) {
  const row_store::TRowStoreContent content = ShippedContent();
  const row_store::TTableDefinition& contents = Table(content, "Contents");
  ASSERT_GE(contents.Rows.size(), 4u);
  EXPECT_EQ(content.Tables.size(), contents.Rows.size() + 1);
  const std::span<const TBuiltInText> builtIn = BuiltInTexts();

  for (const auto& language : contents.Rows) {
    const row_store::TTableDefinition& table = Table(content, "MainForm (" + language[1] + ")");
    ASSERT_EQ(table.Rows.size(), builtIn.size()) << table.Name;
    for (std::size_t r = 0; r < builtIn.size(); ++r) {
      const std::vector<std::string>& row = table.Rows[r];
      const TBuiltInText& text = builtIn[r];
      SCOPED_TRACE(table.Name + ", Tag " + std::to_string(text.Id));
      ASSERT_EQ(row[0], std::to_string(text.Id));
      const std::string original[] = {std::string(text.Caption), std::string(text.Hint)};
      for (const std::size_t column : {1u, 2u}) {
        const std::string ours = Field(row, column);
        const std::string& theirs = original[column - 1];
        if (language[1] == "English" && text.Id != TextId::Continue && text.Id != TextId::PuzzleModeBtn) {
          EXPECT_EQ(ours, theirs);
        }
        // An empty caption would blank a control, and the blanks at either end
        // are where the program joins texts.
        EXPECT_EQ(ours.empty(), theirs.empty());
        if (ours.empty() || theirs.empty()) continue;
        EXPECT_EQ(ours.front() == ' ', theirs.front() == ' ');
        EXPECT_EQ(ours.back() == ' ', theirs.back() == ' ');
      }
      if (text.Id >= TextId::Entries && text.Id <= TextId::AlternativesCount) {
        EXPECT_EQ(Characters(Field(row, 1)), text.Caption.size()) << "the statistics stand in columns";
      }
    }
  }
}

TEST(ShippedSources, TheBuiltFileTranslates) {
  const TTempFolder folder;
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
