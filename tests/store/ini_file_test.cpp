// Tests of the INI file operations: streamed reads, atomic and locked replacement.
#include "store/ini_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "store/atomic_file.h"
#include "store/data_file_lock.h"
#include "store/stale_temporary_files.h"
#include "temp_folder.h"

namespace novlet {
namespace {

// A data file in a fresh folder of its own.
class IniFile : public ::testing::Test {
 protected:
  TTempFolder folder;
  std::filesystem::path path = folder / "novlet.dat";
};

TEST_F(IniFile, AMissingFileIsCreatedByTheFirstWriteAndWritesKeepEveryOtherSectionAndKey) {
  EXPECT_TRUE(ReadIniSectionNames(path).empty());
  EXPECT_EQ(ReadIniString(path, "S", "k", "default"), "default");
  EXPECT_TRUE(EraseIniSection(path, "S"));
  EXPECT_FALSE(std::filesystem::exists(path)) << "erasing nothing creates no file";
  ASSERT_TRUE(WriteIniString(path, "S", "k", "v"));
  EXPECT_EQ(FileText(path), "[S]\nk=v\n");

  WriteFileText(path, "\xEF\xBB\xBF[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
  EXPECT_EQ(ReadIniSectionNames(path), (std::vector<std::string>{"A", "B"}));
  ASSERT_TRUE(WriteIniString(path, "b", "k", "3"));
  ASSERT_TRUE(EraseIniSection(path, "a"));
  EXPECT_EQ(FileText(path), "[B]\r\nk=3\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << "no temporary left";

  // Every leading byte order mark is dropped, so that a store keeps the first section.
  WriteFileText(path, "\xEF\xBB\xBF\xEF\xBB\xBF[A]\nk=1\n");
  EXPECT_EQ(ReadIniSectionNames(path), std::vector<std::string>{"A"});
  ASSERT_TRUE(WriteIniString(path, "B", "k", "2"));
  EXPECT_EQ(ReadIniSectionNames(path), (std::vector<std::string>{"A", "B"}));
}

// The file is read in pieces of 1 MiB; line ends that fall on the cut must
// read as they would in one piece.
TEST_F(IniFile, LinesCutBetweenReadPiecesReadAndRewriteWhole) {
  constexpr std::size_t kPiece = 1 << 20;
  const std::string head = "[A]\r\nk=";
  const std::string value(kPiece - head.size() - 1, 'v');  // its CR ends the first piece, the LF starts the next
  const std::string second(kPiece - 9, 'w');  // its lone CR ends the second piece
  const std::string text = head + value + "\r\n[B]\r\n" + "y=" + second + "\r[C]\rz=1";
  ASSERT_EQ(text[kPiece - 1], '\r');
  ASSERT_EQ(text[2 * kPiece - 1], '\r');
  WriteFileText(path, text);
  EXPECT_EQ(ReadIniSectionNames(path), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(ReadIniString(path, "A", "k", ""), value);
  EXPECT_EQ(ReadIniString(path, "B", "y", ""), second);
  EXPECT_EQ(ReadIniString(path, "C", "z", ""), "1");
  ASSERT_TRUE(ReplaceIniSection(path, "b", {{"y", "2"}}));
  EXPECT_EQ(FileText(path), head + value + "\r\n[C]\rz=1\n[b]\ny=2\n");
}

TEST_F(IniFile, ReplacedFileKeepsItsPermissions) {
  using std::filesystem::perms;
  WriteFileText(path, "[A]\nk=1\n");
  std::filesystem::permissions(path, perms::owner_read | perms::owner_write | perms::group_read);
  ASSERT_TRUE(WriteIniString(path, "A", "k", "2"));
  EXPECT_EQ(std::filesystem::status(path).permissions() & perms::all,
            perms::owner_read | perms::owner_write | perms::group_read);
}

TEST_F(IniFile, AWriteInterruptedBeforeTheRenameLeavesTheOldFile) {
  WriteFileText(path, "[A]\nk=old\n");
  std::filesystem::path temporary;
  {
    auto staged = TStagedFile::Stage(path, "[A]\nk=new\n");
    ASSERT_TRUE(staged.Result());
    temporary = staged.TemporaryPath();
    EXPECT_EQ(FileText(temporary), "[A]\nk=new\n");
  }  // dropped without Commit, as a process killed at this point would
  EXPECT_EQ(FileText(path), "[A]\nk=old\n");
  EXPECT_FALSE(std::filesystem::exists(temporary));
}

TEST_F(IniFile, RefusedWritesReportThePathAndLoseNothing) {
  const auto missingFolder = folder / "no such folder" / "novlet.dat";
  const auto result = WriteIniString(missingFolder, "A", "k", "v");
  EXPECT_FALSE(result);
  EXPECT_EQ(result.Message, "Unable to write to " + missingFolder.string());

  // A folder in the file's place: the rename is refused after staging.
  const auto folderInTheWay = folder / "novlet.ini";
  std::filesystem::create_directory(folderInTheWay);
  EXPECT_EQ(WriteIniString(folderInTheWay, "A", "k", "v").Message, "Unable to write to " + folderInTheWay.string());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << "no temporary left";
}

// Root writes through permission bits, so as root the write is made by a
// child process that has given up its rights to an ordinary account.
bool WriteAsOrdinaryUser(const std::function<bool()>& write) {
  if (::geteuid() != 0) return write();
  const pid_t child = ::fork();
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
    ::_exit(write() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(IniFile, ReadOnlyFolderRefusesTheWriteAndKeepsTheFile) {
  WriteFileText(path, "[A]\nk=old\n");
  using std::filesystem::perms;
  std::filesystem::permissions(folder.Path(), perms::owner_read | perms::owner_exec | perms::group_read |
                                                  perms::group_exec | perms::others_read | perms::others_exec);
  EXPECT_TRUE(WriteAsOrdinaryUser(
      [&] { return WriteIniString(path, "A", "k", "new").Message == "Unable to write to " + path.string(); }));
  EXPECT_EQ(FileText(path), "[A]\nk=old\n");
}

TEST_F(IniFile, ACancelledEditOrAFileThatCannotBeReadWritesNothing) {
  WriteFileText(path, "[A]\nk=old\n");
  const auto result = EditIniFile(path, [](TIniDocument& document) {
    document.WriteString("A", "k", "new");
    return TStoreResult::Failure("changed my mind");
  });
  EXPECT_EQ(result.Message, "changed my mind");
  EXPECT_EQ(FileText(path), "[A]\nk=old\n");
  // A file that cannot be read, here a pipe, is never replaced.
  const auto pipe = folder / "pipe.dat";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(EditIniFile(pipe, [](TIniDocument&) { return TStoreResult::Success(); }));
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

TEST_F(IniFile, WritesThroughASymbolicLinkReplaceTheFileItLeadsTo) {
  std::filesystem::create_directory(folder / "synced");
  WriteFileText(folder / "synced" / "novlet.dat", "[A]\nk=1\n");
  std::filesystem::create_symlink("synced/novlet.dat", path);
  ASSERT_TRUE(WriteIniString(path, "A", "k", "2"));
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  EXPECT_EQ(FileText(folder / "synced" / "novlet.dat"), "[A]\nk=2\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "synced"), {}), 1) << "no temporary or lock left";
}

// A killed write leaves its temporary file; a later write of the same file,
// or the start, removes it unless a live writer may still own it.
TEST_F(IniFile, WritesAndTheStartRemoveOnlyStaleTemporaryFilesOfTheirOwnFiles) {
  const struct {
    const char* Name;
    bool Old;
    bool GoneAfterWrite;
    bool GoneAfterStart;
  } files[] = {
      {".novlet.dat.k1Ll3d", true, true, true},
      {".novlet.dat.fResh1", false, false, false},  // its lock may not be taken yet
      {".novlet.dat.L1ve22", true, false, true},    // locked by a live writer until the start
      {".novlet.ini.k1Ll3d", true, false, true},    // another data file's
      {".novlet.dat.notmine", true, false, false},
  };
  for (const auto& file : files) {
    WriteFileText(folder / file.Name, "x");
    const auto age = std::chrono::minutes(file.Old ? 5 : 0);
    std::filesystem::last_write_time(folder / file.Name, std::filesystem::file_time_type::clock::now() - age);
  }
  const int live = ::open((folder / ".novlet.dat.L1ve22").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(live, LOCK_EX), 0);
  ASSERT_TRUE(WriteIniString(path, "A", "k", "v"));
  for (const auto& file : files) EXPECT_EQ(!std::filesystem::exists(folder / file.Name), file.GoneAfterWrite) << file.Name;
  ::close(live);
  RemoveStaleDataTemporaryFiles(ResolveDataPaths({folder.Path(), true, std::nullopt, std::nullopt, std::nullopt}));
  for (const auto& file : files) EXPECT_EQ(!std::filesystem::exists(folder / file.Name), file.GoneAfterStart) << file.Name;
}

TEST_F(IniFile, AWriteWaitsBrieflyForAnotherWritersLockAndThenRefuses) {
  WriteFileText(path, "[A]\nk=old\n");
  {
    const TDataFileLock otherWriter(path);
    ASSERT_TRUE(otherWriter.Result());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WriteIniString(path, "A", "k", "new").Message,
              "Unable to write to " + path.string() + ": it is in use by another program; please try again");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  }
  EXPECT_EQ(FileText(path), "[A]\nk=old\n");
}

}  // namespace
}  // namespace novlet
