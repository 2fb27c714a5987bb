// Tests of Export, Export All, Import, Backup All and Restore All on files.
#include "store/collection_transfer.h"

#include <gtest/gtest.h>

#include "store/ini_file.h"
#include "store/options_record.h"
#include "store/puzzle_record.h"
#include "temp_folder.h"

namespace novlet {
namespace {

class CollectionTransfer : public ::testing::Test {
 protected:
  void SetUp() override {
    files_ = ResolveDataPaths({folder_.Path(), true, std::nullopt, std::nullopt, std::nullopt});
    Store("alice", "One", 1);
    Store("bob", "One", 2);
    Store("alice", "Two", 3);
    Store("alice", "mail@home", 4);
  }

  void Store(const std::string& user, const std::string& name, int entries) {
    TNovletFileData record;
    record.Name = user + "@" + name;
    record.EntryCount = entries;
    record.Origin = OriginCorvex;
    record.SolutionHex = std::string(162, '1');
    record.PuzzleHex = std::string(162, '0');
    ASSERT_TRUE(WritePuzzleRecord(files_.CollectionFile, record.Name, record));
  }

  TNovletFileData Read(const std::filesystem::path& path, const std::string& section) {
    TNovletFileData record;
    EXPECT_TRUE(ReadPuzzleRecord(path, section, record)) << section;
    return record;
  }

  TTempFolder folder_;
  TDataPaths files_;
};

TEST_F(CollectionTransfer, EachAccountListsOnlyItsOwnPuzzles) {
  EXPECT_EQ(ListAccountPuzzles(files_.CollectionFile, "alice"), (std::vector<std::string>{"One", "Two", "mail@home"}));
  EXPECT_EQ(ListAccountPuzzles(files_.CollectionFile, "bob"), (std::vector<std::string>{"One"}));
  EXPECT_TRUE(ListAccountPuzzles(files_.CollectionFile, "Alice").empty()) << "the account part is exact";
  EXPECT_TRUE(ListAccountPuzzles(folder_ / "missing.dat", "alice").empty());
  Store("ann@corp.example", "mail@home", 5);
  EXPECT_EQ(ListAccountPuzzles(files_.CollectionFile, "ann@corp.example"), std::vector<std::string>{"mail@home"});
}

TEST_F(CollectionTransfer, CopySectionCopiesKeysInOrderOverAnErasedTarget) {
  const auto target = folder_ / "copy.cnf";
  WriteFileText(target, "[x]\nstale=1\nName=old\n[keep]\nk=v\n");
  const auto copied = CopySection(files_.CollectionFile, "alice@Two", target, "x");
  EXPECT_TRUE(copied.Result);
  EXPECT_EQ(copied.SectionsCopied, 1);
  EXPECT_EQ(ReadIniKeyNames(target, "x"), ReadIniKeyNames(files_.CollectionFile, "alice@Two"));
  EXPECT_EQ(ReadIniString(target, "keep", "k", ""), "v");
  EXPECT_EQ(CopySection(files_.CollectionFile, "alice@Nothing", target, "keep").SectionsCopied, 0);
  EXPECT_EQ(ReadIniString(target, "keep", "k", ""), "v") << "a missing source leaves the target alone";
}

TEST_F(CollectionTransfer, ExportWritesExactlyTheAccountsPuzzlesIntoAFreshFile) {
  const auto target = folder_ / "novlets.cnf";
  WriteFileText(target, "[stranger]\nk=v\n");
  const auto all = ExportAllPuzzles(files_, "alice", target);
  EXPECT_TRUE(all.Result);
  EXPECT_EQ(all.SectionsCopied, 3);
  EXPECT_EQ(ReadIniSectionNames(target), (std::vector<std::string>{"alice@One", "alice@Two", "alice@mail@home"}));
  EXPECT_EQ(Read(target, "alice@Two"), Read(files_.CollectionFile, "alice@Two"));

  const auto one = folder_ / "novlet.cnf";
  EXPECT_EQ(ExportPuzzle(files_, "alice", "mail@home", one).SectionsCopied, 1);
  EXPECT_EQ(ReadIniSectionNames(one), (std::vector<std::string>{"alice@mail@home"}));
}

TEST_F(CollectionTransfer, ExportWithNothingToExportOrOntoTheProgramsOwnFilesLeavesTheTargetAlone) {
  const auto target = folder_ / "novlets.cnf";
  WriteFileText(target, "[precious]\nk=v\n");
  EXPECT_EQ(ExportAllPuzzles(files_, "carol", target).SectionsCopied, 0);
  EXPECT_EQ(ExportPuzzle(files_, "alice", "one", target).SectionsCopied, 0) << "the bare name is exact";
  EXPECT_EQ(FileText(target), "[precious]\nk=v\n");

  WriteFileText(files_.OptionsFile, "[alice.Options]\nLevel=2\n");
  WriteFileText(folder_ / "Novlet.lng", "table");
  std::filesystem::create_directories(folder_ / "Display Sets" / "Gems");
  std::filesystem::create_symlink(folder_ / "Novlet.lng", folder_ / "link.cnf");
  files_.ProtectedPaths = {folder_ / "Novlet.lng", folder_ / "Display Sets"};
  const std::string collectionBefore = FileText(files_.CollectionFile);
  for (const auto& own : {files_.CollectionFile, files_.OptionsFile, files_.BackupFile,
                          folder_.Path() / "." / "novlet.dat", folder_ / "Novlet.lng", folder_ / "link.cnf",
                          folder_ / "Display Sets" / ".." / "Novlet.lng", folder_ / "Display Sets" / "Gems" / "1.ico"}) {
    const auto result = ExportAllPuzzles(files_, "alice", own);
    EXPECT_FALSE(result.Result) << own;
    EXPECT_NE(result.Result.Message.find(own.string()), std::string::npos);
  }
  EXPECT_FALSE(ExportPuzzle(files_, "alice", "One", files_.CollectionFile).Result);
  EXPECT_EQ(FileText(files_.CollectionFile), collectionBefore);
  EXPECT_EQ(FileText(files_.OptionsFile), "[alice.Options]\nLevel=2\n");
  EXPECT_FALSE(std::filesystem::exists(files_.BackupFile));
  EXPECT_EQ(FileText(folder_ / "Novlet.lng"), "table");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "Display Sets" / "Gems" / "1.ico"));
}

TEST_F(CollectionTransfer, ImportRenamesIntoTheImportingAccountAndMarksItImported) {
  const auto exported = folder_ / "from-bob.cnf";
  ASSERT_EQ(ExportAllPuzzles(files_, "bob", exported).SectionsCopied, 1);
  WriteFileText(exported, FileText(exported) + "[no account]\nName=no account\nSn=9\nM1=" + std::string(162, '2') +
                              "\nM2=" + std::string(162, '0') + "\n");

  const auto imported = ImportPuzzles(files_, "alice", exported);
  EXPECT_EQ(imported.SectionsCopied, 2);
  const auto copy = Read(files_.CollectionFile, "alice@Imports One");
  EXPECT_EQ(copy.Name, "alice@Imports One");
  EXPECT_EQ(copy.Origin, OriginCorvex | OriginImported);
  EXPECT_EQ(copy.EntryCount, 2) << "statistics come over unchanged";
  EXPECT_EQ(ReadIniKeyNames(files_.CollectionFile, "alice@Imports One").back(), "S") << "existing keys stay in place";
  const auto whole = Read(files_.CollectionFile, "alice@Imports no account");
  EXPECT_EQ(whole.EntryCount, 9);
  EXPECT_EQ(ReadIniKeyNames(files_.CollectionFile, "alice@Imports no account"),
            (std::vector<std::string>{"Name", "Sn", "M1", "M2", "I"}));

  EXPECT_EQ(ImportPuzzles(files_, "alice", exported).SectionsCopied, 2);
  EXPECT_EQ(ListAccountPuzzles(files_.CollectionFile, "alice").size(), 5u) << "importing again replaces the copies";
  EXPECT_EQ(ImportPuzzles(files_, "alice", folder_ / "vanished.cnf").SectionsCopied, 0);
}

TEST_F(CollectionTransfer, BackupAndRestoreMoveOnlyTheAccountsSections) {
  WriteFileText(files_.BackupFile, "[bob@Old]\nName=bob@Old\n");
  EXPECT_EQ(BackupAllPuzzles(files_, "alice").SectionsCopied, 3);
  EXPECT_EQ(ReadIniSectionNames(files_.BackupFile),
            (std::vector<std::string>{"bob@Old", "alice@One", "alice@Two", "alice@mail@home"}));

  ASSERT_TRUE(EraseSectionInFile(files_.CollectionFile, "alice@Two"));
  Store("alice", "One", 100);
  Store("alice", "Newer", 7);
  EXPECT_EQ(RestoreAllPuzzles(files_, "alice").SectionsCopied, 3);
  EXPECT_EQ(Read(files_.CollectionFile, "alice@Two").EntryCount, 3) << "a deleted puzzle comes back";
  EXPECT_EQ(Read(files_.CollectionFile, "alice@One").EntryCount, 1) << "the backup replaces its namesake";
  EXPECT_EQ(Read(files_.CollectionFile, "alice@Newer").EntryCount, 7) << "a later puzzle survives";
  EXPECT_FALSE(SectionExistsInFile(files_.CollectionFile, "bob@Old"));
}

TEST_F(CollectionTransfer, BackupWithoutACollectionOrOntoARefusedTargetCopiesNothing) {
  std::filesystem::create_directory(files_.BackupFile);
  const auto result = BackupAllPuzzles(files_, "alice");
  EXPECT_EQ(result.Result.Message, "Unable to write to " + files_.BackupFile.string());
  EXPECT_EQ(result.SectionsCopied, 0);

  std::filesystem::remove(files_.BackupFile);
  std::filesystem::remove(files_.CollectionFile);
  EXPECT_EQ(BackupAllPuzzles(files_, "alice").SectionsCopied, 0);
  EXPECT_FALSE(std::filesystem::exists(files_.BackupFile));
  EXPECT_EQ(RestoreAllPuzzles(files_, "alice").SectionsCopied, 0);
}

TEST_F(CollectionTransfer, SourcesThatCannotBeReadAreRefusedAndChangeNothing) {
  using namespace std::string_view_literals;
  const auto folder = folder_ / "folder.cnf";
  std::filesystem::create_directory(folder);
  const auto binary = folder_ / "binary.cnf";
  WriteFileText(binary, "[x@y]\nM1=\0\n"sv);
  const auto utf16 = folder_ / "utf16.cnf";
  WriteFileText(utf16, "\xFF\xFE\x2D\x4E"sv);
  TDataPaths broken = files_;
  broken.CollectionFile = broken.BackupFile = folder;
  const std::pair<TTransferResult, std::string> cases[] = {
      {ImportPuzzles(files_, "alice", folder), folder.string() + ": Is a directory"},
      {ImportPuzzles(files_, "alice", binary), binary.string() + ": it holds binary data, not text"},
      {ImportPuzzles(files_, "alice", utf16), utf16.string() + ": it is UTF-16 or UTF-32 text, not UTF-8"},
      {RestoreAllPuzzles(broken, "alice"), folder.string() + ": Is a directory"},
      {BackupAllPuzzles(broken, "alice"), folder.string() + ": Is a directory"},
  };
  for (const auto& [result, message] : cases) EXPECT_EQ(result.Result.Message, "Unable to read " + message);
  EXPECT_EQ(ListAccountPuzzles(files_.CollectionFile, "alice").size(), 3u);
}

// A backup cut short in the middle of a board line, as a crash leaves it.
TEST_F(CollectionTransfer, RecordsThatAreNotWholeAreSkippedAndReplaceNothing) {
  ASSERT_EQ(BackupAllPuzzles(files_, "alice").SectionsCopied, 3);
  const std::string backup = FileText(files_.BackupFile);
  WriteFileText(files_.BackupFile, backup.substr(0, backup.rfind("M1=") + 100));
  Store("alice", "One", 10);
  Store("alice", "mail@home", 40);
  const auto restored = RestoreAllPuzzles(files_, "alice");
  EXPECT_EQ(std::pair(restored.SectionsCopied, restored.SectionsSkipped), std::pair(2, 1));
  EXPECT_EQ(Read(files_.CollectionFile, "alice@One").EntryCount, 1);
  EXPECT_EQ(Read(files_.CollectionFile, "alice@mail@home").EntryCount, 40) << "the good puzzle stays";
  const auto imported = ImportPuzzles(files_, "alice", files_.BackupFile);
  EXPECT_EQ(std::pair(imported.SectionsCopied, imported.SectionsSkipped), std::pair(2, 1));
}

TEST_F(CollectionTransfer, AccountsDifferingInCaseKeepTheirOwnPuzzlesOptionsAndBackups) {
  Store("Alice", "One", 9);
  for (const std::string user : {"alice", "Alice"}) {
    TOptions options;
    options.FontName = user;
    ASSERT_TRUE(WriteOptions(files_.OptionsFile, user, options));
    ASSERT_TRUE(BackupAllPuzzles(files_, user).Result);
  }
  for (const auto& [user, entries] : {std::pair<std::string, int>{"alice", 1}, {"Alice", 9}}) {
    EXPECT_EQ(Read(files_.CollectionFile, user + "@One").EntryCount, entries);
    EXPECT_EQ(Read(files_.BackupFile, user + "@One").EntryCount, entries);
    TOptions options;
    ReadOptions(files_.OptionsFile, user, options);
    EXPECT_EQ(options.FontName, user);
  }
  // One account's names that differ only in case are one puzzle.
  Store("alice", "Ärger", 1);
  Store("alice", "ärger", 2);
  EXPECT_EQ(ListAccountPuzzles(files_.CollectionFile, "alice"),
            (std::vector<std::string>{"One", "Two", "mail@home", "ärger"}));
}

TEST_F(CollectionTransfer, ImportTellsCollectionFilesByTheirContentNotTheirName) {
  const std::string line = "..4.6.92..3..71.6.....9287..19.47.32...1..7.......6..8.6..53..727......5..5.1....";
  const struct {
    std::string Name;
    std::string Text;
    bool Collection;
  } cases[] = {
      {"puzzles.csv", "puzzle,solution\n" + line + ",\n", false},
      {"puzzles", "# [a grid]\n" + line + "\n", false},
      {"handed", FileText(files_.CollectionFile), true},
      {"handed.csv", "[x]\nM2=" + std::string(162, '0') + "\n", true},
      {"options.cnf", "[alice.Options]\nLngID=0\n", false},
  };
  for (const auto& c : cases) {
    WriteFileText(folder_ / c.Name, c.Text);
    EXPECT_EQ(IsCollectionFile(folder_ / c.Name), c.Collection) << c.Name;
  }
  EXPECT_FALSE(IsCollectionFile(folder_ / "missing.cnf"));
}

}  // namespace
}  // namespace novlet
