// The collection's rules once for the page and the tool: what is listed and
// in which order, Rename and Delete on the list in memory, hand-overs,
// transfers and the booklet's choice.
#include "session/collection_session.h"

#include <gtest/gtest.h>

#include "store/ini_file.h"
#include "store/puzzle_record.h"
#include "store/temp_folder.h"

namespace novlet {
namespace {

using TNames = std::vector<std::string>;

class CollectionSessionTest : public testing::Test {
 protected:
  TDataPaths Files() const {
    return {folder_.Path(), folder_ / "novlet.dat", folder_ / "novlet.ini", folder_ / "novlet.bak", {}};
  }
  void Store(const std::string& section) {
    TNovletFileData record;
    record.Name = section;
    record.BoxWidth = record.BoxHeight = 2;
    record.SolutionHex = "01020304030401020203040104010203";
    record.PuzzleHex = "00020304030401020203040104010203";
    ASSERT_TRUE(WritePuzzleRecord(Files().CollectionFile, section, record));
  }
  void StoreDamaged(const std::string& section) {
    ASSERT_TRUE(WriteIniString(Files().CollectionFile, section, "Nc", "9"));
  }
  // The list in memory is the list the file gives.
  void ExpectListedAsStored() {
    TCollectionSession fresh(Files(), session_.UserName());
    fresh.Reload();
    EXPECT_EQ(session_.Names(), fresh.Names());
  }

  TTempFolder folder_;
  TCollectionSession session_{Files(), "t"};
};

TEST_F(CollectionSessionTest, ListsTheAccountsNamesAccentsBesideTheirLettersIgnoringCase) {
  for (const char* name : {"beta", "Ärger", "ZZZ", "Alpha", "ärg", "Être", "10", "arger", "Zulu", "\xFF bad"})
    Store(std::string("t@") + name);
  Store("other@Apple");
  Store("NoAccount");
  Store("t@corp@x");
  session_.Reload();
  EXPECT_EQ(session_.Names(), (TNames{"10", "Alpha", "ärg", "arger", "Ärger", "beta", "corp@x", "Être", "Zulu",
                                     "ZZZ", "\xFF bad"}));
  EXPECT_EQ(session_.Resolve("ALPHA"), "Alpha");
  EXPECT_EQ(session_.Resolve("ÄRG"), "ärg");
  EXPECT_EQ(session_.Resolve("Apple"), std::nullopt) << "another account's";

  TCollectionSession ann(Files(), "t@corp");
  ann.Reload();
  EXPECT_EQ(ann.Names(), TNames{"x"}) << "an account name may hold an \"@\"";
}

TEST_F(CollectionSessionTest, RenameAndDeleteChangeTheListByTheNamesThatChanged) {
  for (const char* name : {"t@apple", "t@banana", "t@cherry"}) Store(name);
  session_.Reload();
  const auto renamed = session_.Rename("apple", "Date", false);
  EXPECT_EQ(renamed.Kind, TRenameOutcome::TKind::Renamed);
  EXPECT_EQ(renamed.RemovedRows, std::vector<std::size_t>{0});
  EXPECT_EQ(renamed.Row, 2u);
  EXPECT_EQ(session_.Selected(), "Date");
  EXPECT_EQ(session_.SelectedEntry().Record.Name, "t@Date");
  ExpectListedAsStored();

  // Onto another puzzle only where replacing it was agreed; letter case alone finds itself.
  EXPECT_EQ(session_.Rename("banana", "CHERRY", false).Kind, TRenameOutcome::TKind::Exists);
  EXPECT_EQ(session_.Rename("banana", "BANANA", false).Kind, TRenameOutcome::TKind::Renamed);
  const auto replaced = session_.Rename("BANANA", "CHERRY", true);
  EXPECT_EQ(replaced.RemovedRows, (std::vector<std::size_t>{1, 0}));
  EXPECT_EQ(session_.Names(), (TNames{"CHERRY", "Date"}));
  ExpectListedAsStored();

  // A refused write changes nothing and says why.
  std::filesystem::create_directory(folder_ / ".novlet.dat.lock");
  EXPECT_EQ(session_.Delete("Date").Message, "Unable to write to " + Files().CollectionFile.string());
  EXPECT_EQ(session_.Rename("Date", "Elder", false).Kind, TRenameOutcome::TKind::Refused);
  EXPECT_EQ(session_.Names(), (TNames{"CHERRY", "Date"}));
  std::filesystem::remove(folder_ / ".novlet.dat.lock");
  session_.Select("Date");
  EXPECT_TRUE(session_.Delete("Date"));
  EXPECT_EQ(session_.Selected(), std::nullopt);
  ExpectListedAsStored();
}

TEST_F(CollectionSessionTest, DamagedPuzzlesAreDeletedOnlyAndVanishedOnesFillTheListAnew) {
  Store("t@good");
  StoreDamaged("t@broken");
  session_.Reload();
  session_.Select("broken");
  EXPECT_TRUE(session_.SelectedDamaged());
  EXPECT_EQ(session_.Rename("broken", "mended", true).Kind, TRenameOutcome::TKind::Damaged);
  EXPECT_EQ(session_.CheckHandOver("broken"), THandOver::Damaged);
  EXPECT_EQ(session_.CheckHandOver("good"), THandOver::Open);
  EXPECT_EQ(session_.BookletRecords({"broken", "good", "gone"}).size(), 1u);
  EXPECT_TRUE(session_.Delete("broken"));

  TCollectionSession other(Files(), "t");
  other.Reload();
  EXPECT_TRUE(other.Delete("good"));
  EXPECT_EQ(session_.CheckHandOver("good"), THandOver::Gone);
  EXPECT_TRUE(session_.Names().empty());
}

TEST_F(CollectionSessionTest, TransfersThatBringPuzzlesInFillTheListAnew) {
  Store("t@one");
  session_.Reload();
  const auto handed = folder_ / "handed.cnf";
  EXPECT_EQ(session_.Export({"one"}, handed).SectionsCopied, 1);
  EXPECT_EQ(session_.Import(handed).SectionsCopied, 1);
  EXPECT_EQ(session_.Names(), (TNames{"Imports one", "one"}));
  EXPECT_EQ(session_.Backup().SectionsCopied, 2);
  EXPECT_TRUE(session_.Delete("one"));
  EXPECT_EQ(session_.Restore().SectionsCopied, 2);
  EXPECT_EQ(session_.Names(), (TNames{"Imports one", "one"}));
}

TEST_F(CollectionSessionTest, TheBoxShapeIsAskedOnlyWhereOneSizeOfSeveralShapesStandsUnnamed) {
  const std::string six = ".23456345612561234234561456123612345\n";
  const std::string nine(81, '.');
  const std::string sixteen(256, '.');
  const struct {
    std::string Text;
    std::size_t Shapes;  // 0: nothing asked
  } cases[] = {{six, 2}, {six + six, 2}, {"# one (2x3)\n" + six, 0}, {six + nine + "\n", 0}, {nine, 0},
               {sixteen, 0}, {"", 0}};
  for (const auto& c : cases) {
    WriteFileText(folder_ / "p.txt", c.Text);
    const auto question = session_.TextShapeQuestion(folder_ / "p.txt");
    EXPECT_EQ(question ? question->Shapes.size() : 0, c.Shapes) << c.Text;
    if (question) {
      EXPECT_EQ(question->Shapes[question->Usual].BoxWidth, 3);
    }
  }
}

}  // namespace
}  // namespace novlet
