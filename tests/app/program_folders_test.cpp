// Where an installed or a portable program finds its resources and keeps its data.
#include "app/program_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

#include "store/collection_transfer.h"

namespace novlet {
namespace {

// Runs with HOME inside a temporary folder and no data-folder overrides.
class ProgramFoldersTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    for (const char* name : {"HOME", "NOVLET_HOME", "XDG_DATA_HOME"}) saved_.push_back(qgetenv(name));
    qputenv("HOME", root_.filePath("home").toLocal8Bit());
    qunsetenv("NOVLET_HOME");
    qunsetenv("XDG_DATA_HOME");
  }
  void TearDown() override {
    const char* names[] = {"HOME", "NOVLET_HOME", "XDG_DATA_HOME"};
    for (int index = 0; index < 3; ++index) {
      if (saved_[index].isEmpty())
        qunsetenv(names[index]);
      else
        qputenv(names[index], saved_[index]);
    }
  }

  std::filesystem::path Path(const QString& relative) const { return root_.filePath(relative).toStdString(); }
  void Touch(const QString& relative) {
    QDir().mkpath(QFileInfo(root_.filePath(relative)).path());
    QFile file(root_.filePath(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }

  QTemporaryDir root_;
  std::vector<QByteArray> saved_;
};

TEST_F(ProgramFoldersTest, AnInstalledProgramKeepsDataInTheUsersFolderAndAPortableCopyBesideItself) {
  Touch("prefix/bin/corvex-novlet");
  Touch("prefix/share/corvex-novlet/Novlet.lng");
  const TProgramFolders folders = ResolveProgramFolders(Path("prefix/bin"));
  EXPECT_EQ(folders.ResourceFolder, Path("prefix/share/corvex-novlet"));
  EXPECT_EQ(folders.LanguageFile(), Path("prefix/share/corvex-novlet/Novlet.lng"));
  // The bin folder is writable here, and still holds no puzzles.
  EXPECT_EQ(folders.Data.DataFolder, Path("home/.local/share/corvex-novlet"));
  // Debian keeps games in <prefix>/games, beside bin.
  Touch("prefix/games/corvex-novlet");
  EXPECT_EQ(ResolveProgramFolders(Path("prefix/games")).ResourceFolder, Path("prefix/share/corvex-novlet"));

  Touch("copy/corvex-novlet");
  Touch("copy/Novlet.lng");
  Touch("share/corvex-novlet/Novlet.lng");
  const TProgramFolders portable = ResolveProgramFolders(Path("copy"));
  EXPECT_EQ(portable.ResourceFolder, Path("copy"));
  EXPECT_EQ(portable.Data.DataFolder, Path("copy"));
  EXPECT_EQ(portable.Data.OptionsFile, Path("copy/novlet.ini"));
  EXPECT_TRUE(RefuseOwnFile(portable.Data, Path("copy/corvex-novlet.png"))) << "no export over the icon";

  qputenv("NOVLET_HOME", root_.filePath("elsewhere").toLocal8Bit());
  EXPECT_EQ(ResolveProgramFolders(Path("prefix/bin")).Data.DataFolder, Path("elsewhere")) << "NOVLET_HOME wins";
  EXPECT_EQ(ResolveProgramFolders(Path("copy")).Data.DataFolder, Path("elsewhere"));
}

}  // namespace
}  // namespace novlet
