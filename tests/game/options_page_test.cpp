// The Options page as the user meets it: the stored options and their
// presets, the user's changes, Default Options, and the choice of language.
#include "main_form_fixture.h"
#include "shipped_language.h"

#include "game/options_page.h"
#include "game/play_n_solve_page.h"
#include "ui/base_btn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QCoreApplication>
#include <QLabel>
#include <QTimeEdit>

#include <fstream>

namespace novlet::test {
namespace {

class OptionsPageTest : public MainFormTest {
 protected:
  TOptionsPage& Page() { return *static_cast<TOptionsPage*>(PageOf(TPageKind::Options)); }
  void WriteOptionsFile(const std::string& keys) {
    std::ofstream(DataFolder() / "novlet.ini") << "[tester.Options]\n" << keys;
  }
  // The aids as the page shows them: hints, errors, alternatives, time limited, the limit.
  std::string Aids() {
    std::string aids;
    for (QCheckBox* box : {Page().OptionsShowHintsChkBox(), Page().OptionsShowErrorsChkBox(),
                           Page().OptionsShowAlternativesChkBox(), Page().OptionsTimeLimitedChkBox()})
      aids += box->isChecked() ? '1' : '0';
    return aids + ' ' + Page().OptionsTimeLimitedTime()->time().toString("HH:mm:ss").toStdString();
  }
  static void Choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
  }
};

TEST_F(OptionsPageTest, StoredOptionsShowWithTheirLevelsPresets) {
  const struct {
    const char* Keys;
    const char* Level;
    const char* Aids;
  } cases[] = {
      {"", "Normal", "1101 01:00:00"},
      {"Level=0\n", "Rookie", "1110 00:00:00"},
      {"Level=3\nHints=1\n", "Expert", "1001 00:30:00"},
  };
  for (const auto& stored : cases) {
    SCOPED_TRACE(stored.Keys);
    WriteOptionsFile(stored.Keys);
    CreateForm();
    EXPECT_EQ(Page().OptionsLevelList()->currentText(), stored.Level);
    EXPECT_EQ(Aids(), stored.Aids);
  }
  EXPECT_EQ(Page().OptionsBackgroundColor()->palette().color(QPalette::Window), QColor(255, 255, 255));
  EXPECT_EQ(Page().OptionsFont()->text(), "Verdana");
  EXPECT_EQ(Page().OptionsDisplaySetList()->currentText(), "123456789");
  EXPECT_TRUE(Page().OptionsShowRulerChkBox()->isChecked());
}

TEST_F(OptionsPageTest, TheUsersChangesTakeEffectAtOnceAndDefaultsUndoThem) {
  TMainForm& form = CreateForm();
  auto* play = static_cast<TPlayNSolvePage*>(PageOf(TPageKind::PlayNSolve));
  Choose(Page().OptionsLevelList(), 2);
  EXPECT_EQ(Aids(), "1001 00:45:00");
  EXPECT_EQ(play->BottomLbl()->text(), "Level Skilled");
  Page().OptionsShowAlternativesChkBox()->click();
  EXPECT_TRUE(form.Options().Alternatives);
  Page().OptionsTimeLimitedTime()->setTime(QTime(0, 20, 5));
  EXPECT_NEAR(form.Options().PlayTimeLimit * kSecondsPerDay, 1205, 1e-6);
  dialogs_.Color = QColor(10, 20, 30);
  Page().OptionsRulerColorBtn()->Click();
  EXPECT_EQ(form.Options().RulerColor, 10 + (20 << 8) + (30 << 16));
  // OK on the face the chooser starts on keeps the family even where the
  // desktop stands another face in for it.
  dialogs_.Font = QFont(QFontInfo(Page().OptionsFont()->font()).family());
  Page().OptionsFontBtn()->Click();
  EXPECT_EQ(form.Options().FontName, "Verdana");
  EXPECT_EQ(dialogs_.Titles.last(), "Font Color");
  dialogs_.Font = QFont("Arial", 20, QFont::Bold);
  Page().OptionsFontBtn()->Click();
  EXPECT_EQ(form.Options().FontName, "Arial");
  EXPECT_FALSE(Page().OptionsFont()->font().bold()) << "size and style are not kept";
  Choose(Page().OptionsScreenModeList(), 3);

  Page().OptionsDefaultOptionsBtn()->Click();
  TOptions expected;
  InitOptions(expected);
  ChooseLevel(expected, 1);
  expected.LngID = form.Options().LngID;
  expected.ScreenSize = 3;
  EXPECT_EQ(form.Options(), expected) << "the screen size stays";
  EXPECT_EQ(Aids(), "1101 01:00:00");
  EXPECT_EQ(shellLinks_.CreateCalls, 1) << "the desktop shortcut comes back";
  EXPECT_FALSE(std::filesystem::exists(DataFolder() / "novlet.ini")) << "nothing is written";
}

TEST_F(OptionsPageTest, AccountsKeepTheirOwnOptions) {
  CreateForm();
  Choose(Page().OptionsLevelList(), 3);
  account_ = "second";
  Tick();
  EXPECT_EQ(Page().OptionsLevelList()->currentText(), "Normal");
  account_ = "tester";
  Tick();
  EXPECT_EQ(Page().OptionsLevelList()->currentText(), "Expert");
}

TEST_F(OptionsPageTest, ChoosingALanguageTranslatesEveryPageAtOnce) {
  WriteShippedLanguageFile(DataFolder() / "Novlet.lng");
  TMainForm& form = CreateForm();
  QComboBox* languages = Page().OptionsLanguageList();
  EXPECT_EQ(languages->count(), 4);
  EXPECT_EQ(languages->currentText(), "English");

  Choose(languages, languages->currentIndex());
  EXPECT_FALSE(std::filesystem::exists(DataFolder() / "novlet.ini")) << "the same language writes nothing";

  form.move(7, 8);
  Choose(languages, languages->findText("Deutsch"));
  EXPECT_EQ(form.Options().LngID, 49);
  EXPECT_EQ(languages->currentText(), "Deutsch");
  EXPECT_EQ(form.PageButtons()[0]->Caption(), "Spielen & Lösen");
  EXPECT_EQ(Page().OptionsLevelList()->itemText(0), "Anfänger");
  EXPECT_EQ(Page().OptionsScreenModeList()->itemText(0), "Automatisch");
  EXPECT_EQ(Page().OptionsShowHintsChkBox()->text(), "Tipps");
  EXPECT_EQ(static_cast<TPlayNSolvePage*>(PageOf(TPageKind::PlayNSolve))->NewBtn()->toolTip(),
            "Ein neues Novlet erzeugen");
  EXPECT_EQ(form.pos(), QPoint(7, 8)) << "a language change leaves the window where it is";
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), "Öffnen") << "the desktop's choosers follow";

  CreateForm();
  EXPECT_EQ(Page().OptionsLanguageList()->currentText(), "Deutsch") << "the choice was stored";
}

TEST_F(OptionsPageTest, WithoutAReadableLanguageFileEverythingIsEnglish) {
  for (const char* content : {"", "RowStore, but damaged\x01\x02"}) {
    if (*content) std::ofstream(DataFolder() / "Novlet.lng", std::ios::binary) << content;
    TMainForm& form = CreateForm();
    EXPECT_EQ(Page().OptionsLanguageList()->count(), 0);
    EXPECT_EQ(Page().OptionsShowHintsChkBox()->text(), "Hints");
    EXPECT_EQ(form.PageButtons()[0]->Caption(), "Play & Solve");
  }
}

}  // namespace
}  // namespace novlet::test
