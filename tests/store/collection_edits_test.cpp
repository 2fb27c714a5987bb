// Tests of Rename and Delete of a collection puzzle.
#include "store/collection_edits.h"

#include <gtest/gtest.h>

#include "store/collection_transfer.h"
#include "store/puzzle_record.h"
#include "temp_folder.h"

namespace novlet {
namespace {

class CollectionEdits : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string board = "M1=" + std::string(162, '1') + "\nM2=" + std::string(162, '0') + "\n";
    WriteFileText(path_, "[alice@One]\nName=alice@One\nTc=00B519131110\nTpt=000000011E3B\nSn=1\n" + board + "[alice@Two]\nSn=2\n" + board +
                             "[bob@One]\n" + board + "[alice@Broken]\nM1=0102\n");
  }

  TTempFolder folder_;
  std::filesystem::path path_ = folder_ / "novlet.dat";
};

TEST_F(CollectionEdits, RenameRewritesTheRecordUnderItsNewName) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"alice@Uno", {"Two", "Broken", "Uno"}},
      {"alice@Two", {"Broken", "Two"}},  // replaces the puzzle of that name
      {"alice@ONE", {"Two", "Broken", "ONE"}},
  };
  for (const auto& [to, puzzles] : cases) {
    SetUp();
    TNovletFileData renamed;
    ASSERT_TRUE(RenamePuzzle(path_, "alice@One", to, &renamed)) << to;
    EXPECT_EQ(ListAccountPuzzles(path_, "alice"), puzzles);
    TNovletFileData record;
    ASSERT_TRUE(ReadPuzzleRecord(path_, to, record));
    EXPECT_EQ(std::pair(record.Name, record.EntryCount), std::pair(to, 1));
    EXPECT_EQ(renamed, record) << "the page shows the written record as a read would give it";
  }
}

TEST_F(CollectionEdits, DeleteTakesEvenADamagedRecordAndRefusalsChangeNothing) {
  EXPECT_NE(RenamePuzzle(path_, "alice@Broken", "alice@Fixed").Message.find("damaged"), std::string::npos);
  EXPECT_FALSE(RenamePuzzle(path_, "alice@Gone", "alice@Back"));
  EXPECT_FALSE(RenamePuzzle(path_, "alice@One", "alice@two\nlines")) << "a name no section can have";
  std::filesystem::create_directory(folder_ / ".novlet.dat.lock");
  EXPECT_FALSE(RenamePuzzle(path_, "alice@One", "alice@Uno"));
  EXPECT_EQ(DeletePuzzle(path_, "alice@Broken").Message, "Unable to write to " + path_.string());
  EXPECT_EQ(ListAccountPuzzles(path_, "alice"), (std::vector<std::string>{"One", "Two", "Broken"}));
  std::filesystem::remove(folder_ / ".novlet.dat.lock");
  ASSERT_TRUE(DeletePuzzle(path_, "alice@Broken"));
  ASSERT_TRUE(DeletePuzzle(path_, "alice@Gone"));
  EXPECT_EQ(ListAccountPuzzles(path_, "alice"), (std::vector<std::string>{"One", "Two"}));
}

}  // namespace
}  // namespace novlet
