// The "My Novlets" page as the user meets it: its list, details, boxes,
// transfers and hand-overs, on collection files the tests write.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

#include "game/my_novlets_page.h"
#include "game/play_n_solve_page.h"
#include "main_form_fixture.h"
#include "store/ini_file.h"
#include "store/puzzle_record.h"
#include "ui/base_btn.h"

namespace novlet::test {
namespace {

// A 9 x 9 solution, and the same board without its first row as the givens.
const std::string kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

std::string Hex(const std::string& digits) {
  std::string hex;
  for (char digit : digits) hex += std::string("0") + digit;
  return hex;
}

class MyNovletsPageTest : public MainFormTest {
 protected:
  // Puzzles of this account and of another; a section without "@".
  void SetUp() override {
    MainFormTest::SetUp();
    Store("tester@banana");
    Store("tester@Apple");
    Store("other@Cherry");
    Store("NoAccount");
    CreateForm().show();
    Form().MainTimer()->stop();
    ShowPage(TPageKind::MyNovlets);
  }

  std::filesystem::path Collection() { return Form().Folders().Data.CollectionFile; }
  void Store(const std::string& section, TNovletFileData record = {}) {
    record.Name = section;
    if (!record.Origin) record.Origin = OriginCorvex;
    record.SolutionHex = Hex(kSolution);
    record.PuzzleHex = std::string(18, '0') + Hex(kSolution.substr(9));
    ASSERT_TRUE(WritePuzzleRecord(DataFolder() / "novlet.dat", section, record));
  }
  void StoreDamaged(const std::string& section) {
    ASSERT_TRUE(WriteIniString(DataFolder() / "novlet.dat", section, "Nc", "9"));
  }

  TMyNovletsPage& Page() { return *static_cast<TMyNovletsPage*>(PageOf(TPageKind::MyNovlets)); }
  QStringList Names() {
    QStringList names;
    for (int row = 0; row < Page().MyNovletsList()->count(); ++row) names << Page().MyNovletsList()->item(row)->text();
    return names;
  }
  QString Selected() {
    const QListWidgetItem* item = Page().MyNovletsList()->currentItem();
    return item ? item->text() : QString();
  }
  void Select(const QString& name) {
    QListWidget* list = Page().MyNovletsList();
    list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
  }
  QString Details() { return Page().MyNovletsDataLbl()->text(); }
  QString LastMessage() { return dialogs_.Messages.value(dialogs_.Messages.size() - 1); }
};

TEST_F(MyNovletsPageTest, ListsTheAccountsPuzzlesAndDetailsFollowTheSelection) {
  TNovletFileData record;
  record.Created = JoinDateTime({2026, 12, 5, 19, 17, 16});
  record.Level = 2;
  record.Origin = OriginSelf | OriginImported;
  record.TimeLimit = 25.0 / 24;
  record.TimePlayed = 1.5 / 24;
  record.EntryCount = 7;
  record.PauseCount = 1234;
  record.Status = StatusPaused;
  Store("tester@apple pie", record);
  ShowPage(TPageKind::MyNovlets);  // again: the page reads the file anew

  EXPECT_EQ(Names(), (QStringList{"Apple", "apple pie", "banana"}));
  EXPECT_EQ(Selected(), "Apple");
  EXPECT_TRUE(Details().startsWith("Created December 30 1899 00:00:00\nLevel Rookie 3x3  (Time Limit 00:00:00)\n"));
  QTest::keyClick(Page().MyNovletsList(), Qt::Key_Down);
  EXPECT_EQ(Details(),
            "Created December 5 2026 19:17:16\nLevel Skilled 3x3  (Time Limit 25:00:00)\nTime Played 01:30:00\n"
            "Origin Self Designed (imported)\nStatus Playing\n\n"
            "  7 Entries      \t1234 Pauses       \t  0 Hints        \n"
            "  0 Errors       \t  0 Restarts     \t  0 Alternatives ");
  for (TBaseBtn* button : Page().SmallButtons()) EXPECT_TRUE(button->isEnabled());

  // A damaged record says so; another account sees only its own puzzles.
  StoreDamaged("tester@Broken");
  ShowPage(TPageKind::MyNovlets);
  Select("Broken");
  EXPECT_EQ(Details(), "This Novlet puzzle is damaged: it cannot be opened or renamed, only deleted.");
  account_ = "other";
  Form().MainTimerTime();
  EXPECT_EQ(Names(), QStringList{"Cherry"});
}

TEST_F(MyNovletsPageTest, RenameAndDeleteActOnTheSelectedNameAndShowRefusals) {
  dialogs_.NameAnswer = "BANANA";
  dialogs_.Answers = {true};  // overwrite "banana"
  Page().MyNovletsRenameBtn()->Click();
  EXPECT_EQ(Names(), QStringList{"BANANA"});
  EXPECT_EQ(Selected(), "BANANA");
  // Its own name in other letters asks nothing.
  dialogs_.NameAnswer = "Banana";
  Page().MyNovletsRenameBtn()->Click();
  dialogs_.NameAnswer = "BANANA";
  Page().MyNovletsRenameBtn()->Click();
  EXPECT_EQ(dialogs_.Messages.filter("already exists").size(), 1);
  EXPECT_EQ(Names(), QStringList{"BANANA"});

  StoreDamaged("tester@Broken");
  ShowPage(TPageKind::MyNovlets);
  Select("Broken");
  const int namesAsked = dialogs_.NamesAsked;
  Page().MyNovletsRenameBtn()->Click();
  EXPECT_EQ(dialogs_.NamesAsked, namesAsked) << "no name is asked for a damaged record";
  EXPECT_TRUE(LastMessage().contains("damaged"));

  // A refused erase leaves the list as it was and says why.
  std::filesystem::create_directory(DataFolder() / ".novlet.dat.lock");
  dialogs_.Answers = {true};
  Page().MyNovletsDeleteBtn()->Click();
  EXPECT_EQ(LastMessage(), QString::fromStdString("Unable to write to " + Collection().string()));
  EXPECT_EQ(Names(), (QStringList{"BANANA", "Broken"}));
  std::filesystem::remove(DataFolder() / ".novlet.dat.lock");

  for (const QString expected : {"Delete \"Broken\"?", "Delete \"BANANA\"?"}) {
    dialogs_.Answers = {true};
    Page().MyNovletsDeleteBtn()->Click();
    EXPECT_EQ(LastMessage(), expected);
  }
  EXPECT_TRUE(Names().isEmpty());
  EXPECT_TRUE(Details().isEmpty());
  EXPECT_FALSE(Page().MyNovletsDeleteBtn()->isEnabled());
  EXPECT_TRUE(Page().MyNovletsRestoreAllBtn()->isEnabled());
  EXPECT_EQ(ReadIniSectionNames(Collection()), (std::vector<std::string>{"other@Cherry", "NoAccount"}));
}

TEST_F(MyNovletsPageTest, TransfersReachTheFilesAndTellWhatTheyDidNot) {
  // Export without an extension gets ".cnf"; importing it adds a marked copy.
  dialogs_.FileToSave = QString::fromStdString((DataFolder() / "mine").string());
  Page().MyNovletsExportBtn()->Click();
  EXPECT_EQ(dialogs_.Titles.last(), "Export Novlet puzzle");
  EXPECT_EQ(dialogs_.OfferedNames.last(), "novlet.cnf");
  dialogs_.FileToOpen = dialogs_.FileToSave + ".cnf";
  Page().MyNovletsImportBtn()->Click();
  EXPECT_EQ(Names(), (QStringList{"Apple", "banana", "Imports Apple"}));
  Select("Imports Apple");
  EXPECT_TRUE(Details().contains("Origin Corvex (imported)"));

  // Never onto the program's own files.
  dialogs_.FileToSave = QString::fromStdString(Collection().string());
  Page().MyNovletsExportAllBtn()->Click();
  EXPECT_TRUE(LastMessage().startsWith("Cannot export to ")) << LastMessage().toStdString();
  EXPECT_EQ(ReadIniSectionNames(Collection()).size(), 5u);

  // Restore asks first and shows the collection as restored.
  dialogs_.Answers = {true, true};
  Page().MyNovletsBackupAllBtn()->Click();
  std::filesystem::remove(Collection());
  Page().MyNovletsRestoreAllBtn()->Click();
  EXPECT_EQ(Names(), (QStringList{"Apple", "banana", "Imports Apple"}));

  // Damaged records and sections without "@" in a file handed to Import.
  const auto handed = DataFolder() / "handed.cnf";
  std::ofstream(handed) << "[Loose]\nM1=" << Hex(kSolution) << "\nM2=" << Hex(kSolution) << "\n[x@Cut]\nM1=0102\n";
  dialogs_.FileToOpen = QString::fromStdString(handed.string());
  Page().MyNovletsImportBtn()->Click();
  EXPECT_TRUE(Names().contains("Imports Loose"));
  EXPECT_EQ(LastMessage(), "1 damaged Novlet puzzle(s) could not be copied and were left out.");
}

TEST_F(MyNovletsPageTest, TextPuzzlesComeInAndChosenPuzzlesPrintAsABooklet) {
  // One puzzle with one solution, one with none (two 5s in the first row).
  const auto text = DataFolder() / "week.txt";
  std::string refused = kSolution;
  refused[1] = '5';
  std::ofstream(text) << "." << kSolution.substr(1) << "\n" << refused << "\n";
  dialogs_.FileToOpen = QString::fromStdString(text.string());
  Page().MyNovletsImportBtn()->Click();
  EXPECT_EQ(Names(), (QStringList{"Apple", "banana", "week 1"}));
  EXPECT_TRUE(LastMessage().startsWith("1 of 2 puzzles imported from week.txt.\n\nNot imported:\nline 2: "))
      << LastMessage().toStdString();
  // The same puzzles again, in a file without an extension: nothing is replaced.
  const auto again = DataFolder() / "week";
  std::filesystem::copy_file(text, again);
  dialogs_.FileToOpen = QString::fromStdString(again.string());
  Page().MyNovletsImportBtn()->Click();
  EXPECT_EQ(Names(), (QStringList{"Apple", "banana", "week 1"}));
  EXPECT_TRUE(LastMessage().startsWith("0 of 2 puzzles imported from week as new; already there: 1.\n\n"))
      << LastMessage().toStdString();

  // Many chosen: a booklet, but nothing that acts on one puzzle.
  Page().MyNovletsList()->selectAll();
  EXPECT_FALSE(Page().MyNovletsRenameBtn()->isEnabled());
  EXPECT_TRUE(Page().MyNovletsBookletBtn()->isEnabled());
  const QList<QAction*> items = Page().MyNovletsBookletMenu()->actions();
  ASSERT_EQ(items.size(), 6);
  EXPECT_EQ(items[1]->text(), "2 a page");
  items.last()->setChecked(true);
  const QString pdf = QString::fromStdString((DataFolder() / "booklet.pdf").string());
  dialogs_.PrintToPdf = pdf;
  dialogs_.NameAnswer = " Week 49 ";
  items[1]->trigger();
  EXPECT_EQ(dialogs_.PrintersAsked, 1);
  EXPECT_EQ(dialogs_.Messages.back(), "A title for the first page of the booklet (leave it empty for none):");
  // Three puzzles two a page, then their answer key: three pages.
  QFile printed(pdf);
  ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
  EXPECT_EQ(printed.readAll().count("/Type /Page\n"), 3);
}

TEST_F(MyNovletsPageTest, HandOversOpenTheSelectedPuzzleOnItsPage) {
  TNovletFileData played;
  played.TimePlayed = 0.01;
  played.RestartCount = 2;
  played.Status = StatusPlaying;
  Store("tester@Played", played);
  StoreDamaged("tester@Broken");
  ShowPage(TPageKind::MyNovlets);
  Select("Broken");
  Page().MyNovletsPlayNSolveBtn()->Click();
  EXPECT_EQ(Form().ActivePage(), &Page());
  EXPECT_TRUE(LastMessage().contains("damaged"));

  Select("Played");
  Page().MyNovletsReplayNSolveBtn()->Click();
  const auto& play = *static_cast<TPlayNSolvePage*>(PageOf(TPageKind::PlayNSolve));
  ASSERT_EQ(Form().ActivePage(), &play);
  EXPECT_EQ(play.Session().Record().Name, "tester@Played");
  EXPECT_EQ(play.Session().Record().TimePlayed, 0);
  EXPECT_EQ(play.Session().Record().RestartCount, 3);
}

TEST_F(MyNovletsPageTest, TextImportAsksTheBoxShapeWhereTheSizeHasSeveral) {
  // Valid with boxes 2 wide only: the usual 3 x 2 would repeat values in boxes.
  const auto text = DataFolder() / "six.txt";
  std::ofstream(text) << ".23456345612561234234561456123612345\n";
  dialogs_.FileToOpen = QString::fromStdString(text.string());
  dialogs_.ItemAnswer = std::optional<int>();
  Page().MyNovletsImportBtn()->Click();
  EXPECT_EQ(dialogs_.Titles.back(), "Box shape of the 6 x 6 puzzles");
  EXPECT_EQ(dialogs_.OfferedItems, (QStringList{"3 x 2", "2 x 3"}));
  EXPECT_EQ(Names(), (QStringList{"Apple", "banana"})) << "Cancel imports nothing";
  dialogs_.ItemAnswer = 1;
  Page().MyNovletsImportBtn()->Click();
  EXPECT_EQ(Names(), (QStringList{"Apple", "banana", "six 1"}));
}

}  // namespace
}  // namespace novlet::test
