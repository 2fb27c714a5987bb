// A packaged copy is told apart from one with a recorded uninstaller.
#include "app/uninstaller.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace novlet {
namespace {

TEST(UninstallerTest, APackagesNoteNamesItsRemovalCommand) {
  struct TCase {
    const char* Note;  // nullptr: no note
    std::optional<std::string> Command;
  };
  const TCase cases[] = {
      {nullptr, std::nullopt},
      {"sudo apt remove corvex-novlet\nsecond line\n", "sudo apt remove corvex-novlet"},
      {"", "your package manager"},
  };
  for (const TCase& testCase : cases) {
    QTemporaryDir share;
    ASSERT_TRUE(share.isValid());
    const std::filesystem::path folder = share.path().toStdString();
    if (testCase.Note) std::ofstream(folder / kPackageNoteName) << testCase.Note;
    EXPECT_EQ(PackageRemovalCommand(folder), testCase.Command) << (testCase.Note ? testCase.Note : "no note");
  }
}

}  // namespace
}  // namespace novlet
