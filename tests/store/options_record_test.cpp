// The options record: defaults, level presets, damaged values and the accounts kept apart.
#include "store/options_record.h"

#include <gtest/gtest.h>

#include <tuple>

#include "store/ini_file.h"
#include "store/puzzle_record.h"
#include "temp_folder.h"

namespace novlet {
namespace {

TOptions Load(const std::filesystem::path& path, std::string_view user = "alice") {
  TOptions options;
  InitOptions(options);
  ReadOptions(path, user, options);
  return options;
}

// An options file in a fresh folder of its own.
class Options : public ::testing::Test {
 protected:
  TTempFolder folder;
  std::filesystem::path path = folder / "novlet.ini";
};

TEST_F(Options, AFreshAccountGetsTheDefaultsWithTheNormalPresetAndInitKeepsLanguageAndScreenSize) {
  TOptions options = Load(path);
  // Colours keep red in the low byte.
  EXPECT_EQ(std::tuple(options.BackgroundColor, options.ContrastColor, options.RulerColor, options.FontColor),
            std::tuple(0xFFFFFF, 185 | 185 << 8 | 220 << 16, 230 | 230 << 8 | 240 << 16, 128 << 16));
  EXPECT_EQ(std::tuple(options.FontName, options.DisplaySet, options.Level, options.ScreenSize),
            std::tuple("Verdana", "123456789", 1, 0));
  EXPECT_TRUE(options.Ruler && options.Hints && options.Errors && options.TimeLimited && options.RestartEnabled);
  EXPECT_FALSE(options.Alternatives || options.ContrastPuzzle);
  EXPECT_DOUBLE_EQ(options.PlayTimeLimit, 1.0 / 24);

  options.LngID = 49;
  options.ScreenSize = 3;
  options.FontName = "Arial";
  InitOptions(options);
  TOptions expected;
  expected.LngID = 49;
  expected.ScreenSize = 3;
  EXPECT_EQ(options, expected) << "the preset is dropped too";
}

TEST_F(Options, ThePresetSwitchesAidsOnAndExistingKeysDecideAfterIt) {
  WriteFileText(path, "[alice.Options]\nLevel=0\n[bob.Options]\nLevel=3\nHints=1\n[carol.Options]\n"
                      "Level=0\nErrors=0\nRuler=off\nHints=maybe\nAlternatives=0x1\n");
  const TOptions rookie = Load(path, "alice");
  EXPECT_TRUE(rookie.Hints && rookie.Errors && rookie.Alternatives);
  EXPECT_FALSE(rookie.TimeLimited);
  EXPECT_EQ(rookie.PlayTimeLimit, 0);

  const TOptions expert = Load(path, "bob");
  EXPECT_TRUE(expert.Hints);
  EXPECT_FALSE(expert.Errors || expert.Alternatives);
  EXPECT_DOUBLE_EQ(expert.PlayTimeLimit, 1.0 / 48);

  const TOptions carol = Load(path, "carol");
  EXPECT_FALSE(carol.Errors);
  EXPECT_TRUE(carol.Ruler) << "a ruler value that is no number counts as on";
  EXPECT_FALSE(carol.Hints) << "any other flag's non-number counts as off";
  EXPECT_TRUE(carol.Alternatives);
}

TEST_F(Options, ValuesOutsideTheirListsReadAsDefaultsAndPlayTimeLimitReadsClockForms) {
  WriteFileText(path, "[alice.Options]\nLevel=7\nScreenSize=-1\nLngID=x\nBackgroundColor=0xFF\n");
  TOptions options;
  options.LngID = 44;
  ReadOptions(path, "alice", options);
  EXPECT_EQ(options.Level, 1);
  EXPECT_EQ(options.ScreenSize, 0);
  EXPECT_EQ(options.LngID, 44) << "an unreadable LngID keeps the current one";
  EXPECT_EQ(options.BackgroundColor, 0xFF);

  WriteFileText(path, "[a.Options]\nPlayTimeLimit=1:15:00 AM\n[b.Options]\nLevel=2\nPlayTimeLimit=soon\n");
  EXPECT_DOUBLE_EQ(Load(path, "a").PlayTimeLimit, 1.25 / 24);
  EXPECT_DOUBLE_EQ(Load(path, "b").PlayTimeLimit, 1.0 / 32);
}

TEST_F(Options, WriteRoundTripsInKeyOrderWithoutErasingTheSection) {
  WriteFileText(path, "[alice.Options]\nMine=keep\nLevel=0\n");
  TOptions options;
  InitOptions(options);
  ChooseLevel(options, 2);
  options.Alternatives = true;
  options.Ruler = false;
  options.FontName = "DejaVu Sans";
  options.DisplaySet = "SINGAPORE";
  options.LngID = 31;
  options.ScreenSize = 4;
  options.ContrastPuzzle = true;
  ASSERT_TRUE(WriteOptions(path, "alice", options));
  EXPECT_EQ(ReadIniKeyNames(path, "alice.Options"),
            (std::vector<std::string>{"Mine", "Level", "LngID", "BackgroundColor", "ContrastColor", "ContrastPuzzle",
                                      "RulerColor", "FontName", "FontColor", "DisplaySet", "Ruler", "Hints",
                                      "Errors", "Alternatives", "TimeLimited", "PlayTimeLimit", "ScreenSize"}));
  EXPECT_EQ(ReadIniString(path, "alice.Options", "PlayTimeLimit", ""), "00:45:00");
  EXPECT_EQ(Load(path), options);
}

TEST_F(Options, ChoosingALevelSetsExactlyItsPresetAndLeavesTheRuler) {
  TOptions options;
  ChooseLevel(options, 0);
  options.Ruler = false;
  ChooseLevel(options, 2);
  EXPECT_EQ(options.Level, 2);
  EXPECT_TRUE(options.Hints && options.TimeLimited);
  EXPECT_FALSE(options.Errors || options.Alternatives || options.Ruler);
  EXPECT_DOUBLE_EQ(options.PlayTimeLimit, 1.0 / 32);
  ChooseLevel(options, 9);
  EXPECT_EQ(options.Level, 2);
}

TEST_F(Options, TwoAccountsKeepSeparateOptionsAndLastGames) {
  TOptions alice;
  ChooseLevel(alice, 0);
  TOptions bob;
  ChooseLevel(bob, 3);
  ASSERT_TRUE(WriteOptions(path, "alice", alice));
  ASSERT_TRUE(WriteOptions(path, "bob", bob));
  TNovletFileData game;
  game.Name = "alice@Morning";
  ASSERT_TRUE(WritePuzzleRecord(path, LastPlayNSolveSectionName("alice"), game));
  game.Name = "bob@Night";
  ASSERT_TRUE(WritePuzzleRecord(path, LastEnterNDesignSectionName("bob"), game));
  EXPECT_EQ(Load(path, "alice").Level, 0);
  EXPECT_EQ(Load(path, "bob").Level, 3);
  TNovletFileData read;
  ASSERT_TRUE(ReadPuzzleRecord(path, "alice.Last_PlayNSolve", read));
  EXPECT_EQ(read.Name, "alice@Morning") << "a last game keeps its collection name";
  EXPECT_FALSE(ReadPuzzleRecord(path, "alice.Last_EnterNDesign", read));
}

}  // namespace
}  // namespace novlet
