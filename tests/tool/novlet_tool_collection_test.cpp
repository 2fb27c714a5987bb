// `novlet-tool collection` through the real binary, on data folders of its own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tool_run.h"

namespace {

class NovletToolCollection : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "novlet-tool-XXXXXX").string();
    home_ = ::mkdtemp(pattern.data());
  }
  void TearDown() override {
    std::filesystem::permissions(home_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    std::filesystem::remove_all(home_);
    std::filesystem::remove(home_.string() + ".tool");
  }

  // Runs `novlet-tool collection --home HOME --account alice ARGS...`. An
  // ordinary user's run uses a copy of the tool beside the home folder, as
  // the build folder may be closed to that user.
  TRun Run(std::vector<std::string> args, bool asOrdinaryUser = false) {
    std::string tool = NOVLET_TOOL_PATH;
    if (asOrdinaryUser) {
      tool = home_.string() + ".tool";
      std::filesystem::copy_file(NOVLET_TOOL_PATH, tool, std::filesystem::copy_options::skip_existing);
    }
    args.insert(args.begin(), {"collection", "--home", home_.string(), "--account", "alice"});
    return RunProgram(tool, args, "", asOrdinaryUser);
  }

  std::filesystem::path home_;
};

TEST_F(NovletToolCollection, StoresListsShowsAndMovesPuzzlesAsThePageDoes) {
  EXPECT_EQ(Run({"add", "--shape", "3x3", "--level", "expert", "--seed", "7", "--name", "beta"}).Out, "beta\n");
  EXPECT_EQ(Run({"add", "--shape", "2x3", "--level", "0", "--seed", "7", "--name", "Alpha one"}).Status, 0);
  const TRun again = Run({"add", "--shape", "3x3", "--level", "1", "--name", "BETA"});
  EXPECT_EQ(again.Status, 1) << "never over another puzzle";
  EXPECT_EQ(again.Err, "\"BETA\" already exists; nothing was stored\n");
  EXPECT_EQ(Run({"list"}).Out, "Alpha one\nbeta\n");
  const TRun shown = Run({"show", "ALPHA ONE"});
  EXPECT_EQ(shown.Status, 0);
  EXPECT_NE(shown.Out.find("\nLevel Rookie 2x3  (Time Limit 01:00:00)\nTime Played 00:00:00\nOrigin Corvex\n"
                           "Status Playing\n\n  0 Entries      \t  0 Pauses       \t  0 Hints        \n"),
            std::string::npos)
      << shown.Out;

  // Export of named puzzles, import into the same account, another account.
  const std::string file = (home_ / "both.cnf").string();
  EXPECT_EQ(Run({"export", file, "beta", "alpha one"}).Out, "exported 2\n");
  EXPECT_EQ(Run({"import", file}).Out, "imported 2\nskipped 0\n");
  EXPECT_EQ(Run({"list"}).Out, "Alpha one\nbeta\nImports Alpha one\nImports beta\n");

  // Rename, backup, delete, restore.
  EXPECT_EQ(Run({"rename", "beta", "Imports beta"}).Status, 1);
  EXPECT_EQ(Run({"rename", "beta", "gamma"}).Status, 0);
  EXPECT_EQ(Run({"backup"}).Out, "backed up 4\n");
  EXPECT_EQ(Run({"delete", "gamma"}).Status, 0);
  EXPECT_EQ(Run({"restore"}).Out, "restored 4\n");
  EXPECT_EQ(Run({"list"}).Out, "Alpha one\ngamma\nImports Alpha one\nImports beta\n");

  // The same seed makes the same puzzle.
  Run({"add", "--shape", "3x3", "--level", "expert", "--seed", "7", "--name", "twin"});
  Run({"export", (home_ / "g.cnf").string(), "gamma"});
  Run({"export", (home_ / "t.cnf").string(), "twin"});
  const auto givens = [](const std::string& text) { return text.substr(text.find("\nM2="), 4 + 162); };
  EXPECT_EQ(givens(FileText(home_ / "g.cnf")), givens(FileText(home_ / "t.cnf")));
}

TEST_F(NovletToolCollection, TextPuzzlesComeInCheckedAndGoOutOneALine) {
  const std::string twoSolutions =
      "..3456789456789123789123456..4365897365897214897214365531642978642978531978531642";
  const auto file = home_ / "paper.txt";
  std::ofstream(file, std::ios::binary) << "\xEF\xBB\xBF# from the paper\r\n"
                                        << twoSolutions << "\r\n1" << twoSolutions.substr(1) << " rated 5\r\n"
                                        << twoSolutions.substr(1) << "\r\n";
  // A puzzle of the user's holds the name the import asks for, in other letters.
  Run({"add", "--shape", "2x3", "--level", "0", "--seed", "7", "--name", "PAPER 2"});
  const TRun imported = Run({"import-text", file.string()});
  EXPECT_EQ(imported.Status, 0);
  EXPECT_EQ(imported.Out, "imported 1, already there 0, refused 2\n");
  EXPECT_EQ(imported.Err, "line 2: several solutions\nline 4: 80 cells, expected 81\n");
  const TRun again = Run({"import-text", file.string()});
  EXPECT_EQ(again.Status, 0);
  EXPECT_EQ(again.Out, "imported 0, already there 1, refused 2\n");
  EXPECT_EQ(Run({"list"}).Out, "PAPER 2\npaper 2 (2)\n");
  EXPECT_NE(Run({"show", "paper 2 (2)"}).Out.find("Origin Self Designed (imported)"), std::string::npos);

  // The box shape goes out with each puzzle and comes back with it.
  const auto out = home_ / "out.txt";
  EXPECT_EQ(Run({"export-text", out.string(), "paper 2 (2)"}).Out, "exported 1\n");
  EXPECT_EQ(FileText(out), "# paper 2 (2) (3x3)\n1" + twoSolutions.substr(1) + "\n");
  EXPECT_EQ(Run({"export-text", out.string()}).Out, "exported 2\n");
  EXPECT_EQ(Run({"import-text", out.string()}).Out, "imported 2, already there 0, refused 0\n");
  EXPECT_NE(Run({"show", "out 1"}).Out.find("Level Rookie 2x3 "), std::string::npos);
  // A grid after a title line is named by it.
  std::string grid = "Grid 01\n";
  const std::string unique = "1" + twoSolutions.substr(1);
  for (std::size_t row = 0; row < 9; ++row) grid += unique.substr(row * 9, 9) + "\n";
  std::ofstream(home_ / "week.txt") << grid;
  EXPECT_EQ(Run({"import-text", (home_ / "week.txt").string()}).Out, "imported 1, already there 0, refused 0\n");
  EXPECT_NE(Run({"list"}).Out.find("week Grid 01\n"), std::string::npos);
  // A file of puzzles that all fail says so; the program's own files are no targets.
  std::ofstream(home_ / "bad.txt") << twoSolutions << "\n";
  EXPECT_EQ(Run({"import-text", (home_ / "bad.txt").string()}).Status, 1);
  EXPECT_EQ(Run({"export-text", (home_ / "novlet.dat").string()}).Status, 1);
}

TEST_F(NovletToolCollection, PuzzlesMadeInOneSecondGetNumberedNames) {
  // Four runs take well under two seconds, so two of them share a second.
  for (int run = 0; run < 4; ++run) EXPECT_EQ(Run({"add", "--shape", "2x2", "--level", "0"}).Status, 0);
  const std::string names = Run({"list"}).Out;
  EXPECT_EQ(std::count(names.begin(), names.end(), '\n'), 4) << names;
  EXPECT_NE(names.find(" (2)\n"), std::string::npos) << names;
}

TEST_F(NovletToolCollection, UsageErrorsAndUnknownNamesExitWithTwoAndChangeNothing) {
  Run({"add", "--shape", "2x2", "--level", "0", "--seed", "1", "--name", "one"});
  const std::string before = FileText(home_ / "novlet.dat");
  const std::vector<std::vector<std::string>> cases = {
      {},         {"bogus"},          {"list", "extra"},     {"show", "two"},   {"delete", "two"},
      {"rename", "two", "three"},     {"rename", "one", " "}, {"export", "x.cnf", "two"},
      {"list", "--shape", "3x3"},     {"add", "--shape", "5x5", "--level", "0"}, {"add", "--level", "0"},
      {"--bogus", "list"},            {"show"},
  };
  for (const auto& args : cases) {
    const TRun run = Run(args);
    EXPECT_EQ(run.Status, 2) << testing::PrintToString(args);
    EXPECT_NE(run.Err.find("novlet-tool collection: "), std::string::npos) << testing::PrintToString(args);
  }
  EXPECT_EQ(FileText(home_ / "novlet.dat"), before);
  EXPECT_NE(Run({"--help"}).Out.find("Exit status"), std::string::npos);
}

TEST_F(NovletToolCollection, RefusedWritesAndDamagedFilesAreToldAndLoseNothing) {
  Run({"add", "--shape", "2x2", "--level", "0", "--seed", "1", "--name", "one"});
  const auto handed = home_ / "handed.cnf";
  std::ofstream(handed) << FileText(home_ / "novlet.dat") << "[bob@Cut]\nNc=2\nNr=2\nM1=0102\n";
  const TRun imported = Run({"import", handed.string()});
  EXPECT_EQ(imported.Status, 0);
  EXPECT_EQ(imported.Out, "imported 1\nskipped 1\n");
  EXPECT_EQ(imported.Err, "1 damaged Novlet puzzle(s) could not be copied and were left out.\n");

  std::ofstream(home_ / "empty.cnf") << "no sections here\n";
  EXPECT_EQ(Run({"import", (home_ / "empty.cnf").string()}).Err,
            "No Novlet puzzles were found in " + (home_ / "empty.cnf").string() + ".\n");
  std::ofstream(home_ / "binary.cnf") << std::string("[a@b]\n\0\0", 8);
  const TRun binary = Run({"import", (home_ / "binary.cnf").string()});
  EXPECT_EQ(binary.Status, 1);
  EXPECT_EQ(binary.Err.rfind("Unable to read ", 0), 0u) << binary.Err;

  const std::string before = FileText(home_ / "novlet.dat");
  using std::filesystem::perms;
  std::filesystem::permissions(home_, perms::owner_read | perms::owner_exec | perms::group_read | perms::group_exec |
                                          perms::others_read | perms::others_exec);
  for (const std::vector<std::string>& args : {std::vector<std::string>{"rename", "one", "two"},
                                               {"delete", "one"}, {"import", handed.string()}, {"backup"}}) {
    const TRun run = Run(args, true);
    EXPECT_EQ(run.Status, 1) << args[0];
    EXPECT_EQ(run.Err.rfind("Unable to write to " + home_.string(), 0), 0u) << run.Err;
  }
  EXPECT_EQ(FileText(home_ / "novlet.dat"), before);
  EXPECT_EQ(Run({"list"}, true).Out, "Imports one\none\n");
}

// The tool in a program folder of its own, run in the data folder.
TEST_F(NovletToolCollection, NoSpellingOfAProgramsFileIsAnExportTargetAndAHomeRunWritesNothingElsewhere) {
  Run({"add", "--shape", "2x2", "--level", "0", "--seed", "1", "--name", "one"});
  const TTempFolder program;
  const auto tool = program / "novlet-tool";
  std::filesystem::copy_file(NOVLET_TOOL_PATH, tool);
  const auto untouched = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  std::filesystem::last_write_time(program.Path(), untouched);
  std::filesystem::create_symlink("novlet.ini", home_ / "link.cnf");
  for (const std::string& target : {std::string("novlet.ini"), std::string("./novlet.bak"), std::string("link.cnf"),
                                    (program / "corvex-novlet.png").string()}) {
    const TRun run = RunProgram(tool, {"collection", "--home", home_, "--account", "alice", "export", target, "one"},
                                "", false, home_);
    EXPECT_EQ(run.Status, 1) << target;
    EXPECT_NE(run.Err.find("own data files"), std::string::npos) << run.Err;
  }
  EXPECT_FALSE(std::filesystem::exists(home_ / "novlet.ini"));
  EXPECT_FALSE(std::filesystem::exists(home_ / "novlet.bak"));
  EXPECT_EQ(std::filesystem::last_write_time(program.Path()), untouched) << "nothing made beside the tool";
}

}  // namespace
