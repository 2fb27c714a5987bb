// The rules by which a control, list, radio group, notebook or menu takes its texts.
#include <gtest/gtest.h>

#include <limits>

#include "store/language/component_translation.h"
#include "store/language/sample_language.h"

namespace novlet {
namespace {

using TItems = std::vector<std::optional<std::string>>;

class ComponentTranslation : public ::testing::Test {
 protected:
  void SetUp() override {
    row_store::TRowStoreContent content = testing::SampleLanguages();
    content.Tables[2].Rows = {
        {"100", "Info", "Über das Programm"},
        {"200", "Stufe", "Die Stufe wählen"},  // a radio group and its two items
        {"0", "Leicht"},
        {"0", "Schwer"},
        {"301", "Rot", "Farben"},  // the items of a list whose own Tag 300 has no row
        {"0", "Grün"},
        {"401", "Seite eins", ""},  // notebook 400: pages 0 and 2
        {"2401", "Seite drei"},
    };
    file_ = testing::WriteSample(folder_, content);
    table_ = TTextRows::Load(file_, 49);
    ASSERT_FALSE(table_->Empty());
  }

  TTempFolder folder_;
  std::filesystem::path file_;
  std::optional<TTextRows> table_;
};

TEST_F(ComponentTranslation, ControlsWithARowTakeCaptionAndHintButTagsBelowOneAndMenusKeepTheirTexts) {
  const TComponentTranslation button = TranslateComponent(*table_, TComponentKind::CaptionControl, 100);
  EXPECT_EQ(button.Caption, "Info");
  EXPECT_EQ(button.Hint, "Über das Programm");
  EXPECT_EQ(TranslateComponent(*table_, TComponentKind::MenuItem, 100).Caption, "Info");

  // A list whose Tag has a row keeps its items and only takes the tool tip.
  const TComponentTranslation list = TranslateComponent(*table_, TComponentKind::ItemList, 200, 2);
  EXPECT_FALSE(list.Caption);
  EXPECT_TRUE(list.Items.empty());
  EXPECT_EQ(list.Hint, "Die Stufe wählen");

  // Tag 0 has rows here (list items), and still nothing is taken from them.
  for (const TComponentKind kind : {TComponentKind::CaptionControl, TComponentKind::Menu, TComponentKind::MenuItem}) {
    const TComponentTranslation result = TranslateComponent(*table_, kind, 0);
    EXPECT_FALSE(result.Caption);
    EXPECT_FALSE(result.Hint);
  }
  EXPECT_FALSE(TranslateComponent(*table_, TComponentKind::Menu, 100).Hint);

  const TComponentTranslation other = TranslateComponent(*table_, TComponentKind::OtherControl, 100);
  EXPECT_FALSE(other.Caption);
  EXPECT_EQ(other.Hint, "Über das Programm");
}

TEST_F(ComponentTranslation, RadioGroupItemsFollowTheirRowAndListsAndNotebooksWithoutOneUseTheNextTags) {
  const TComponentTranslation group = TranslateComponent(*table_, TComponentKind::RadioGroup, 200, 3);
  EXPECT_EQ(group.Caption, "Stufe");
  EXPECT_EQ(group.Items, (TItems{"Leicht", "Schwer", "Rot"}));
  const TComponentTranslation atTheEnd = TranslateComponent(*table_, TComponentKind::RadioGroup, 2401, 2);
  EXPECT_EQ(atTheEnd.Items, (TItems{std::nullopt, std::nullopt}));  // no rows left: the items stay

  const TComponentTranslation list = TranslateComponent(*table_, TComponentKind::ItemList, 300, 2);
  EXPECT_EQ(list.Items, (TItems{"Rot", "Grün"}));
  EXPECT_EQ(list.Hint, "Farben");

  const TComponentTranslation notebook = TranslateComponent(*table_, TComponentKind::Notebook, 400, 3);
  EXPECT_EQ(notebook.Items, (TItems{"Seite eins", std::nullopt, "Seite drei"}));
  EXPECT_EQ(notebook.Hint, "");

  EXPECT_TRUE(TranslateComponent(*table_, TComponentKind::ItemList, 500, 2).Items.empty());
  EXPECT_TRUE(TranslateComponent(*table_, TComponentKind::ItemList, std::numeric_limits<std::int32_t>::max(), 2)
                  .Items.empty());
}

}  // namespace
}  // namespace novlet
