// Tests of the puzzle record, its checks and the naming of puzzles.
#include "store/puzzle_record.h"

#include <gtest/gtest.h>

#include "store/ini_file.h"
#include "store/puzzle_naming.h"
#include "temp_folder.h"

namespace novlet {
namespace {

TNovletFileData SampleRecord() {
  TNovletFileData record;
  record.Name = "alice@Evening puzzle";
  record.Created = 46361.5;
  record.Level = 3;
  record.Origin = OriginSelf | OriginImported;
  record.BoxWidth = 4;
  record.BoxHeight = 4;
  record.SolutionHex = std::string(512, 'A');
  record.PuzzleHex = std::string(512, '0');
  record.GridHex = std::string(512, '1');
  record.GridNotes = std::string(256, '|');
  record.StartTime = 46361.25;
  record.ResumeTime = 46361.75;
  record.TimePlayed = 1.5 / 24;
  record.TimeLimit = 1.0 / 48;
  record.EntryCount = 1234;
  record.PauseCount = 2;
  record.HintCount = 3;
  record.ErrorCount = 4;
  record.RestartCount = 5;
  record.AlternativesCount = -6;
  record.History = "3,7=1,5,|3,7=|";
  record.Status = StatusPaused;
  return record;
}

// A collection file in a fresh folder of its own.
class PuzzleRecord : public ::testing::Test {
 protected:
  TTempFolder folder;
  std::filesystem::path path = folder / "novlet.dat";
};

TEST_F(PuzzleRecord, EveryFieldRoundTripsInItsFixedKeyOrderWhateverItsSize) {
  const TNovletFileData record = SampleRecord();
  ASSERT_TRUE(WritePuzzleRecord(path, record.Name, record));
  EXPECT_EQ(ReadIniKeyNames(path, record.Name),
            (std::vector<std::string>{"Name", "Tc", "L", "O", "I", "Nc", "Nr", "M1", "M2", "M3", "M4", "Tpts",
                                      "Tptl", "Tpt", "Tptm", "Sn", "Sp", "Sh", "Se", "Sr", "Sa", "U", "S"}));
  EXPECT_EQ(ReadIniString(path, record.Name, "O", ""), "Self");
  EXPECT_EQ(ReadIniString(path, record.Name, "I", ""), "1");
  TNovletFileData read;
  ASSERT_TRUE(ReadPuzzleRecord(path, "alice@EVENING puzzle", read));
  EXPECT_EQ(read, record);

  // A one-megabyte history and a name of several lines survive too.
  TNovletFileData big = record;
  while (big.History.size() < (1u << 20)) big.History += "16,16=1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,|";
  big.Name = "alice@ padded \"name\"\n";
  ASSERT_TRUE(WritePuzzleRecord(path, "alice@x", big));
  ASSERT_TRUE(ReadPuzzleRecord(path, "alice@x", read));
  EXPECT_EQ(read, big);
}

TEST_F(PuzzleRecord, OriginKeysFollowTheirRules) {
  TNovletFileData record;
  ASSERT_TRUE(WritePuzzleRecord(path, "u@none", record));
  EXPECT_EQ(ReadIniString(path, "u@none", "O", "absent"), "absent");
  EXPECT_EQ(ReadIniString(path, "u@none", "I", ""), "0");
  record.Origin = OriginCorvex | OriginSelf;
  ASSERT_TRUE(WritePuzzleRecord(path, "u@both", record));
  EXPECT_EQ(ReadIniString(path, "u@both", "O", ""), "Corvex");

  WriteFileText(path, "[a]\nO=corvex\nI=0x10\n[b]\nO=Self\nI=yes\n");
  ASSERT_TRUE(ReadPuzzleRecord(path, "a", record));
  EXPECT_EQ(record.Origin, OriginImported) << "\"O\" compares exactly; \"I\" is any non-zero integer";
  ASSERT_TRUE(ReadPuzzleRecord(path, "b", record));
  EXPECT_EQ(record.Origin, OriginSelf);
}

TEST_F(PuzzleRecord, ASectionWithOnlyANameReadsAsTheDefaultsAndShapesOutsideTheNineteenRefuseIt) {
  WriteFileText(path, "[u@p]\nName=u@p\n[big]\nName=big\nNc=5\nNr=4\n[zero]\nNc=0\nNr=3\n[negative]\nNc=-3\nNr=-3\n"
                      "[ok]\nNc=8\nNr=2\n");
  TNovletFileData read;
  ASSERT_TRUE(ReadPuzzleRecord(path, "u@p", read));
  TNovletFileData expected;
  expected.Name = "u@p";
  EXPECT_EQ(read, expected);
  EXPECT_TRUE(ReadPuzzleRecord(path, "ok", read));
  for (const char* section : {"big", "zero", "negative", "u@other"}) {
    EXPECT_FALSE(ReadPuzzleRecord(path, section, read)) << section;
    EXPECT_EQ(read, TNovletFileData{}) << section;
  }
  EXPECT_FALSE(ReadPuzzleRecord(folder / "missing.dat", "u@p", read));
}

TEST_F(PuzzleRecord, MalformedValuesGiveDefaultsAndHexIntegersRead) {
  WriteFileText(path,
                "[u@p]\nL=0x103\nSn=0X1F\nSp=twelve\nSh=99999999999\nSe=-7\nTc=00B51913111\nTpt=000000011E00\n"
                "S=258\nNc=0x2\nNr=3\n");
  TNovletFileData read;
  ASSERT_TRUE(ReadPuzzleRecord(path, "u@p", read));
  EXPECT_EQ(read.Level, 3) << "kept in 8 bits";
  EXPECT_EQ(read.EntryCount, 31);
  EXPECT_EQ(read.PauseCount, 0);
  EXPECT_EQ(read.HintCount, 0);
  EXPECT_EQ(read.ErrorCount, -7);
  EXPECT_EQ(read.Created, 0);
  EXPECT_DOUBLE_EQ(read.TimePlayed, 1.5 / 24);
  EXPECT_EQ(read.Status, 2);
  EXPECT_EQ(read.BoxWidth, 2);
}

TEST_F(PuzzleRecord, OnlyRecordsWithEveryBoardWholeForTheirShapeAreWhole) {
  const std::string hex = std::string(81, 'a') + std::string(81, '0');
  const std::string boards = "M1=" + hex + "\nM2=" + hex + "\n";
  const std::pair<std::string, bool> cases[] = {
      {boards, true},  // a design: no grid, no notes
      {boards + "M3=" + hex + "\nM4=1,2" + std::string(81, '|'), true},
      {"M1=" + hex.substr(1) + "\nM2=" + hex, false},  // cut short
      {boards + "M3=" + hex.substr(1) + "g", false},
      {boards + "M4=" + std::string(80, '|'), false},
      {boards + "M4=" + std::string(81, '|') + "3,4", false},
      {"Nc=4\nNr=4\n" + boards, false},
  };
  for (const auto& [body, whole] : cases) EXPECT_EQ(IsWholePuzzleRecord({"u@p", body}), whole) << body;
}

TEST_F(PuzzleRecord, StoringOverASectionLeavesNoOldKeyAndSectionsExistAndGoAsTheFileSays) {
  WriteFileText(path, "[u@p]\nName=u@p\nExtra=1\nO=Corvex\n[u@q]\nName=u@q\n");
  TNovletFileData record;
  record.Name = "u@p";
  ASSERT_TRUE(WritePuzzleRecord(path, "u@p", record));
  EXPECT_EQ(ReadIniString(path, "u@p", "Extra", "gone"), "gone");
  EXPECT_EQ(ReadIniString(path, "u@p", "O", "gone"), "gone");
  EXPECT_EQ(ReadIniSectionNames(path), (std::vector<std::string>{"u@q", "u@p"}));

  EXPECT_TRUE(SectionExistsInFile(path, "u@P"));
  EXPECT_TRUE(EraseSectionInFile(path, "u@p"));
  EXPECT_FALSE(SectionExistsInFile(path, "u@p"));
  EXPECT_TRUE(EraseSectionInFile(path, "u@p")) << "already gone";
  EXPECT_FALSE(SectionExistsInFile(folder / "missing.dat", "u@p"));
  EXPECT_FALSE(EraseSectionInFile(folder / "missing.dat", "u@p"));
}

TEST(PuzzleNaming, AccountsAreSeparatedByTheFirstAtSign) {
  EXPECT_EQ(CollectionSectionName("alice", "mail@home"), "alice@mail@home");
  EXPECT_EQ(BarePuzzleName("alice@mail@home"), "mail@home");
  EXPECT_EQ(BarePuzzleName("no account"), "no account");
  EXPECT_TRUE(IsAccountSection("alice@x", "alice"));
  EXPECT_FALSE(IsAccountSection("Alice@x", "alice"));
  EXPECT_FALSE(IsAccountSection("alice2@x", "alice"));
  EXPECT_FALSE(IsAccountSection("alice.Options", "alice"));
  EXPECT_EQ(DefaultPuzzleName("alice", JoinDateTime({2026, 12, 5, 19, 17, 16})), "alice@December 5 2026 19:17:16");
  EXPECT_EQ(TrimEnteredName(" \t My puzzle\r\n"), "My puzzle");
  EXPECT_EQ(TrimEnteredName("two\nlines"), "two lines");
  EXPECT_EQ(TrimEnteredName("  \x01 "), "");
}

}  // namespace
}  // namespace novlet
