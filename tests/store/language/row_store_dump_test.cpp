// The dump of a language file: every table as lines of its text forms.
#include <gtest/gtest.h>

#include <sstream>

#include "store/language/row_store_dump.h"
#include "store/language/sample_language.h"

namespace novlet::row_store {
namespace {

TEST(RowStoreDump, ShowsEveryTableAsLinesOfTextForms) {
  TRowStoreContent content;
  content.Scrambled = true;
  content.Tables = {
      {"Flags", {{"Done", {0, 0}}, {"Valid", {0, 1}}, {"Lit", {0, 2}}, {"Count", {14, 0}}},
       {{"Yes", "No", "On", "7"}, {"No", "True"}}},
      {"MainForm (Français)", {{"Tag", {3, 0}}, {"Caption", {13, 40}}}, {{"34", "Supprimer \""}, {"1", "a\tb\\c\nd"}}},
      {"Empty", {{"Tag", {3, 0}}}, {}},
  };
  const std::optional<TRowStoreReader> reader = TRowStoreReader::FromBytes(testing::Encoded(content));
  ASSERT_TRUE(reader);

  std::ostringstream dump;
  WriteDump(*reader, dump);
  EXPECT_EQ(dump.str(),
            "[Flags]\n"
            "Done\tValid\tLit\tCount\n"
            "Yes\tFalse\tOn\t7\n"
            "No\tTrue\tOff\t0\n"
            "[MainForm (Français)]\n"
            "Tag\tCaption\n"
            "34\tSupprimer \"\n"
            "1\ta\\tb\\\\c\\nd\n"
            "[Empty]\n"
            "Tag\n");
}

}  // namespace
}  // namespace novlet::row_store
