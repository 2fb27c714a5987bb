// The language sources: reading their tables, escapes and refusals, and writing the file from them.
#include <gtest/gtest.h>

#include <fstream>

#include "store/language/language_source.h"
#include "store/language/sample_language.h"

namespace novlet {
namespace {

std::string Problem(std::string_view text, bool scrambled = false) {
  std::vector<row_store::TTableDefinition> tables;
  std::string problem;
  EXPECT_FALSE(ParseLanguageSource(text, "de.txt", scrambled, tables, problem)) << text;
  return problem;
}

TEST(LanguageSource, TablesColumnsAndRowsAreReadAndEscapesRoundTrip) {
  const std::string_view text =
      "\xEF\xBB\xBF# German texts\r\n"
      "[MainForm (Deutsch)]\r\n"
      "Tag:3\tCaption:13/255\tHint:13/255\r\n"
      "\r\n"
      "560\tL\xC3\xB6sung\tDie L\xC3\xB6sung zeigen\r\n"
      "1110\tWirklich beenden?\\nJa oder Nein\r\n"
      "71013\t Eintr\xC3\xA4ge    \r\n"
      "[Contents]\n"
      "sLanguage:13/8\tiCountry:3\n"
      "\\#de\t49";
  std::vector<row_store::TTableDefinition> tables;
  std::string problem;
  ASSERT_TRUE(ParseLanguageSource(text, "de.txt", false, tables, problem)) << problem;
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(tables[0].Name, "MainForm (Deutsch)");
  ASSERT_EQ(tables[0].Columns.size(), 3u);
  EXPECT_EQ(tables[0].Columns[1].Name, "Caption");
  EXPECT_EQ(tables[0].Columns[1].Format.Type, 13);
  EXPECT_EQ(tables[0].Columns[1].Format.Parameter, 255);
  ASSERT_EQ(tables[0].Rows.size(), 3u);
  EXPECT_EQ(tables[0].Rows[0], (std::vector<std::string>{"560", "Lösung", "Die Lösung zeigen"}));
  EXPECT_EQ(tables[0].Rows[1][1], "Wirklich beenden?\nJa oder Nein");
  EXPECT_EQ(tables[0].Rows[2][1], " Einträge    ");  // blanks are kept
  EXPECT_EQ(tables[1].Rows[0][0], "#de");

  const std::string awkward = "a\tb\\n\r\nc\\";
  tables.clear();
  ASSERT_TRUE(ParseLanguageSource("[T]\nC:13/40\n" + EscapeField(awkward), "t.txt", false, tables, problem)) << problem;
  EXPECT_EQ(tables[0].Rows[0][0], awkward);
}

TEST(LanguageSource, RefusalsNameTheFileAndLine) {
  EXPECT_EQ(Problem("[T]\nTag:3\tCaption:13/4\n1\tok\n2\t\xE4\xB8\xAD"),
            "de.txt:4: column \"Caption\": the character U+4E2D \"中\" cannot be written in Windows-1252");
  EXPECT_EQ(Problem("[T]\nTag:3\n1\t2"), "de.txt:3: 2 fields for the 1 columns of \"T\"");
  EXPECT_EQ(Problem("# x\n1\t2"), "de.txt:2: a row before the first [table] line");
  EXPECT_EQ(Problem("[T]\n# no columns\n[U]\nC:3"), "de.txt:3: table \"T\" has no column line");
  EXPECT_EQ(Problem("[T]"), "de.txt:1: table \"T\" has no column line");
  EXPECT_EQ(Problem("[T\nC:3"), "de.txt:1: a table line reads [name]");
  EXPECT_EQ(Problem("[]\nC:3"), "de.txt:1: a name cannot be empty");
  EXPECT_EQ(Problem("[" + std::string(64, 'x') + "]\nC:3"), "de.txt:1: a name holds at most 63 characters");
  EXPECT_EQ(Problem("[T]\nTag"), "de.txt:2: column \"Tag\" needs a type, as in Caption:13/255");
  EXPECT_EQ(Problem("[T]\nTag:15"), "de.txt:2: column \"Tag\": unknown column type 15");
  EXPECT_NE(Problem("[T]\nTag:3/").find("is not a type number"), std::string::npos);
  EXPECT_NE(Problem("[T]\nTag:13/256").find("is not a type number"), std::string::npos);
  EXPECT_EQ(Problem("[T]\nC:13/4\n\xC3\xBF", true),
            "de.txt:3: column \"C\": the characters \"þ\" and \"ÿ\" cannot be stored in a scrambled file");
  EXPECT_EQ(Problem("[T]\nC:3\n12x"),
            "de.txt:3: column \"C\": \"12x\" is not a whole number from -2147483648 to 2147483647");
}

TEST(LanguageSource, AFolderOfSourcesBuildsOneFile) {
  const TTempFolder folder;
  std::ofstream(folder.Path() / "b.txt") << "[MainForm (English)]\nTag:3\tCaption:13/255\n560\tSolution\n";
  std::ofstream(folder.Path() / "a.txt") << "[Contents]\nsLanguage:13/8\tsCountry:13/32\tiCountry:3\nen\tEnglish\t44\n";
  std::ofstream(folder.Path() / "README.md") << "not a source";
  row_store::TRowStoreContent content;
  std::string problem;
  ASSERT_TRUE(ReadLanguageSources(folder.Path(), true, content, problem)) << problem;
  EXPECT_TRUE(content.Scrambled);
  ASSERT_EQ(content.Tables.size(), 2u);
  EXPECT_EQ(content.Tables[0].Name, "Contents");  // files are read in name order

  std::ofstream(folder.Path() / "c.txt") << "[Contents]\nC:3\n";
  content = {};
  EXPECT_FALSE(ReadLanguageSources(folder.Path(), false, content, problem));
  EXPECT_EQ(problem, "c.txt: table \"Contents\" is defined twice");

  EXPECT_FALSE(ReadLanguageSources(folder.Path() / "missing", false, content, problem));
  EXPECT_EQ(problem, "Unable to read " + (folder.Path() / "missing").string());
}

TEST(RowStoreWriter, ARefusedWriteKeepsTheOldFile) {
  const TTempFolder folder;
  const std::filesystem::path file = testing::WriteSample(folder, testing::SampleLanguages());
  const auto sizeBefore = std::filesystem::file_size(file);

  row_store::TRowStoreContent bad = testing::SampleLanguages();
  bad.Tables[1].Rows[0][1] = std::string(300, 'x');
  std::string problem;
  EXPECT_FALSE(row_store::WriteRowStore(file, bad, problem));
  EXPECT_EQ(problem, "table \"MainForm (English)\", row 1, column \"Caption\": the text has 300 characters; "
                     "the column holds at most 255");
  EXPECT_EQ(std::filesystem::file_size(file), sizeBefore);

  const std::filesystem::path nowhere = folder.Path() / "missing" / "Novlet.lng";
  EXPECT_FALSE(row_store::WriteRowStore(nowhere, testing::SampleLanguages(), problem));
  EXPECT_EQ(problem, "Unable to write to " + nowhere.string());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);  // no temporary left
}

}  // namespace
}  // namespace novlet
