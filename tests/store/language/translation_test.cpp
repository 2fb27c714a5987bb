// Translated texts, the text table of a window, the offered languages and the language of the locale.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "store/language/language_detection.h"
#include "store/language/translation.h"
#include "store/language/sample_language.h"

namespace novlet {
namespace {

class Translation : public ::testing::Test {
 protected:
  TTempFolder folder_;
  std::filesystem::path file_ = testing::WriteSample(folder_, testing::SampleLanguages());
};

TEST_F(Translation, TextsComeFromTheChosenLanguageAndBuiltInTextsFillEveryGap) {
  EXPECT_EQ(TranslateText(file_, 49, 560, "Solution"), "Lösung");
  EXPECT_EQ(TranslateText(file_, 44, 531, "Pause"), "Continue");
  EXPECT_EQ(TranslateText(file_, 41, 560, "Solution"), "Lösig");  // chosen, though "Contents" does not offer it
  EXPECT_EQ(TranslateText(file_, 49, 861, "Rookie"), "");          // an empty caption is a translation too
  EXPECT_EQ(TranslateText(file_, 49, 579, "Puzzle Solved!"), "Puzzle Solved!");            // no such row
  EXPECT_EQ(TranslateText(file_, 33, 560, "Solution"), "Solution");                        // no such language
  EXPECT_EQ(TranslateText(file_, 49, 560, "Solution", "AboutBox"), "Solution");            // no such table
  EXPECT_EQ(TranslateText(folder_.Path() / "none.lng", 49, 560, "Solution"), "Solution");  // no file
}

TEST_F(Translation, TheTextTableServesAWholeWindow) {
  const std::optional<TTextTable> table = TTextTable::Open(file_, 49);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->Name(), "MainForm (Deutsch)");
  EXPECT_EQ(table->RowCount(), 4u);
  const std::optional<std::uint32_t> row = table->FindTag(560);
  ASSERT_EQ(row, 1u);
  EXPECT_EQ(table->Hint(*row), "Die Lösung zeigen");
  EXPECT_EQ(table->Caption(*row + 1), "Vervollständigen");  // list items follow their tag's row
  EXPECT_EQ(table->Hint(*row + 1), "");
  EXPECT_FALSE(table->Caption(5));
  EXPECT_FALSE(table->FindTag(999));
  EXPECT_FALSE(TTextTable::Open(file_, 33));
}

TEST_F(Translation, ATableWithoutHintsHasNoToolTipsAndAnUnreadableLanguageNumberIsNoNumber) {
  row_store::TRowStoreContent content = testing::SampleLanguages();
  content.Tables[2].Columns.pop_back();
  for (auto& row : content.Tables[2].Rows) row.resize(std::min<std::size_t>(row.size(), 2));
  file_ = testing::WriteSample(folder_, content);
  const std::optional<TTextTable> table = TTextTable::Open(file_, 49);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->Caption(1), "Lösung");
  EXPECT_FALSE(table->Hint(1));

  content = testing::SampleLanguages();
  content.Tables[0].Columns[2].Format = {13, 8};
  content.Tables[0].Rows[1][2] = "49x";
  file_ = testing::WriteSample(folder_, content);
  EXPECT_FALSE(LanguageNumber(file_, "Deutsch"));
  EXPECT_EQ(LanguageNumber(file_, "English"), 44);
}

TEST_F(Translation, LanguageListsFollowContents) {
  EXPECT_EQ(OfferedLanguages(file_), (std::vector<std::string>{"English", "Deutsch"}));
  EXPECT_EQ(LanguageName(file_, 49), "Deutsch");
  EXPECT_EQ(LanguageName(file_, 41), "Schweizerdeutsch");
  EXPECT_FALSE(LanguageName(file_, 31));
  EXPECT_EQ(LanguageNumber(file_, "Deutsch"), 49);
  EXPECT_FALSE(LanguageNumber(file_, "deutsch"));
  EXPECT_TRUE(OfferedLanguages(folder_.Path() / "none.lng").empty());
  EXPECT_TRUE(OfferedLanguages(folder_.Path()).empty());  // a folder is no file
}

TEST_F(Translation, ADamagedFileActsAsAMissingOne) {
  std::string bytes;
  {
    std::ifstream in(file_, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  bytes.resize(bytes.size() - 1);
  std::ofstream(file_, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  EXPECT_EQ(TranslateText(file_, 49, 560, "Solution"), "Solution");
  EXPECT_TRUE(OfferedLanguages(file_).empty());
  EXPECT_FALSE(LanguageNumber(file_, "Deutsch"));
}

TEST(LanguageDetection, TheLocaleNamesTheLanguage) {
  for (const auto& [locale, language] : {std::pair("de_DE.UTF-8", 49), {"De", 49}, {"NL_be", 31}, {"fr_CA", 33},
                                         {"it", 39}, {"en_GB.UTF-8", 44}, {"es_ES", 44}, {"C", 44}, {"", 44}}) {
    EXPECT_EQ(LanguageNumberForLocale(locale), language) << locale;
  }
}

// Puts the locale variables back as they were, for the tests that follow.
class TLocaleEnvironment {
 public:
  TLocaleEnvironment() {
    for (const char* name : kNames) {
      const char* value = std::getenv(name);
      saved_.emplace_back(value ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  ~TLocaleEnvironment() {
    for (std::size_t i = 0; i < saved_.size(); ++i) {
      if (saved_[i]) ::setenv(kNames[i], saved_[i]->c_str(), 1);
      else ::unsetenv(kNames[i]);
    }
  }

 private:
  static constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
  std::vector<std::optional<std::string>> saved_;
};

TEST(LanguageDetection, TheFirstSetVariableWins) {
  const TLocaleEnvironment restore;
  ::setenv("LC_ALL", "", 1);
  ::setenv("LC_MESSAGES", "fr_FR.UTF-8", 1);
  ::setenv("LANG", "de_DE.UTF-8", 1);
  EXPECT_EQ(DetectLanguage(), 33);
  ::setenv("LC_ALL", "nl_NL", 1);
  EXPECT_EQ(DetectLanguage(), 31);
  ::unsetenv("LC_ALL");
  ::unsetenv("LC_MESSAGES");
  EXPECT_EQ(DetectLanguage(), 49);
  ::unsetenv("LANG");
  EXPECT_EQ(DetectLanguage(), kDefaultLngID);
}

}  // namespace
}  // namespace novlet
