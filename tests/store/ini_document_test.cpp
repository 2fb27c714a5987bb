// Tests of the INI text: parsing, look-ups and edits as the profile functions make them.
#include "store/ini_document.h"

#include <gtest/gtest.h>

#include <string>

namespace novlet {
namespace {

TEST(IniDocument, LooksUpPuzzleNamesAndKeysIgnoringCaseButAccountsExactlyAndKeepsOrder) {
  const auto document = TIniDocument::Parse(
      "[Alice@One]\nName=Alice@One\nL=2\n[bob@Two]\nS=3\nL=1\n[ALICE@three]\n");
  EXPECT_EQ(document.SectionNames(), (std::vector<std::string>{"Alice@One", "bob@Two", "ALICE@three"}));
  ASSERT_TRUE(document.HasSection("Alice@one"));
  EXPECT_FALSE(document.HasSection("alice@One"));
  EXPECT_EQ(document.Section("Alice@ONE")->ReadString("l", "?"), "2");
  EXPECT_EQ(document.Section("bob@two")->KeyNames(), (std::vector<std::string>{"S", "L"}));
  EXPECT_EQ(document.Section("bob@Two")->ReadString("missing", "fallback"), "fallback");
  EXPECT_FALSE(document.HasSection("Alice@Two"));
}

TEST(IniDocument, ReadsLineEndsBlanksCommentsAndDuplicatesAsTheProfileFunctionsDoAndNoNameHoldsALineBreak) {
  const auto document = TIniDocument::Parse(
      "; a comment\r\n  [One]  \r\n key = some value \r\n;L=9\r\nnot a key line\r\nkey=second\r\n[one]\r\nx=1\r\n");
  EXPECT_EQ(document.SectionNames(), (std::vector<std::string>{"One"}));
  const auto section = document.Section("one");
  EXPECT_EQ(section->ReadString("KEY", ""), "some value");
  EXPECT_FALSE(section->Value("L"));
  EXPECT_EQ(section->KeyNames(), (std::vector<std::string>{"key"}));
  EXPECT_FALSE(section->Value("x")) << "a later section of the same name is not looked at";

  auto lone = TIniDocument::Parse("[A]\rk=1\r[B\rC]\rx=2");
  EXPECT_EQ(lone.SectionNames(), (std::vector<std::string>{"A", "B"})) << "\"C]\" is a line of B";
  EXPECT_EQ(lone.Section("A")->ReadString("k", ""), "1");
  for (const auto& name : lone.SectionNames()) EXPECT_TRUE(lone.WriteString(name, "k", "v")) << name;
  auto endsInReturn = TIniDocument::Parse("[A]\rk=1\r");
  EXPECT_TRUE(endsInReturn.WriteString("A", "k2", "2"));
  EXPECT_EQ(endsInReturn.Text(), "[A]\rk=1\rk2=2\n");
}

TEST(IniDocument, TextOfAnUnchangedDocumentIsTheFileAsItWasAndOddSectionNamesReadBack) {
  const std::string text = "top=1\r\n[A]\r\nk=v\r\n\r\n; note\r\n[B]\nx=\"quoted \\n\"\nlast=no line end";
  EXPECT_EQ(TIniDocument::Parse(text).Text(), text);

  TIniDocument document;
  document.WriteString("me@a]b [c]", "k", "v");
  document.WriteString(" padded ", "k", "w");
  const auto reread = TIniDocument::Parse(document.Text());
  EXPECT_EQ(reread.SectionNames(), (std::vector<std::string>{"me@a]b [c]", " padded "}));
}

TEST(IniDocument, WriteStringReplacesInPlaceAndReplaceSectionErasesEveryOldKeyAndMovesTheSectionToTheEnd) {
  auto document = TIniDocument::Parse("[A]\r\nk1=old\r\nk2=2\r\n\r\n[B]\r\nz=0\r\n");
  EXPECT_TRUE(document.WriteString("a", "K1", "new"));
  EXPECT_TRUE(document.WriteString("A", "k3", "3"));
  EXPECT_TRUE(document.WriteString("C", "c", "c"));
  EXPECT_EQ(document.Text(), "[A]\r\nK1=new\r\nk2=2\r\nk3=3\n\r\n[B]\r\nz=0\r\n[C]\nc=c\n");

  document = TIniDocument::Parse("[P]\nold=1\nL=1\n[Q]\nk=v\n");
  EXPECT_TRUE(document.ReplaceSection("p", {{"Name", "p"}, {"L", "3"}}));
  EXPECT_EQ(document.Text(), "[Q]\nk=v\n[p]\nName=p\nL=3\n");
  document.EraseSection("Q");
  EXPECT_EQ(document.SectionNames(), (std::vector<std::string>{"p"}));
}

TEST(IniDocument, RefusesNamesTheSyntaxCannotCarryButQuotesValuesTheLineCannot) {
  auto document = TIniDocument::Parse("[A]\nk=v\n");
  EXPECT_FALSE(document.WriteString("two\nlines", "k", "v"));
  EXPECT_FALSE(document.WriteString("A", "k=x", "v"));
  EXPECT_FALSE(document.WriteString("A", ";k", "v"));
  EXPECT_FALSE(document.WriteString("A", " k", "v"));
  EXPECT_FALSE(document.ReplaceSection("A", {{"ok", "1"}, {"", "2"}}));
  EXPECT_EQ(document.Text(), "[A]\nk=v\n");

  const std::string awkward[] = {
      "two\nlines",   "cr\r\nlf",    " leading",         "trailing\t", "\"quoted\"",
      "\"",           "back\\slash", "\"\\n\" literally", "",           "plain value = with equals",
  };
  document = TIniDocument();
  for (std::size_t i = 0; i < std::size(awkward); ++i) document.WriteString("S", "k" + std::to_string(i), awkward[i]);
  const auto reread = TIniDocument::Parse(document.Text());
  for (std::size_t i = 0; i < std::size(awkward); ++i) {
    EXPECT_EQ(reread.Section("S")->ReadString("k" + std::to_string(i), "?"), awkward[i]) << i;
  }
  // Plain values stay literal, so files of older versions read unchanged.
  EXPECT_EQ(TIniDocument::Parse("[S]\nk=C:\\new\\path\n").Section("S")->ReadString("k", ""), "C:\\new\\path");
}

TEST(IniDocument, LongValuesAndManySectionsComeBackWhole) {
  const std::string history(1 << 20, '|');
  TIniDocument document;
  for (int i = 0; i < 2000; ++i) {
    document.WriteString("Some User@A fairly long puzzle name number " + std::to_string(i), "U", "x");
  }
  document.WriteString("Some User@A fairly long puzzle name number 7", "U", history);
  const std::string text = document.Text();
  const auto sections = ScanIniSections(text);
  ASSERT_EQ(sections.size(), 2000u);
  EXPECT_EQ(sections[1999].Name, "Some User@A fairly long puzzle name number 1999");
  EXPECT_EQ(TIniDocument::Parse(text).Section("Some User@a fairly long puzzle name number 7")->ReadString("U", ""),
            history);
}

}  // namespace
}  // namespace novlet
