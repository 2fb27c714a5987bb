// Where the data files live: the override, a writable program folder, the user's data folder.
#include "store/data_paths.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace novlet {
namespace {

TEST(DataPaths, TheOverrideWinsThenAWritableProgramFolderThenTheUsersDataFolder) {
  TDataPathInputs inputs{"/opt/novlet/bin", true, "/tmp/novlet-home", "/home/u/.data", "/home/u"};
  EXPECT_EQ(ResolveDataPaths(inputs).CollectionFile, "/tmp/novlet-home/novlet.dat");
  inputs.NovletHome = "";
  EXPECT_EQ(ResolveDataPaths(inputs).OptionsFile, "/opt/novlet/bin/novlet.ini");
  inputs.ExecutableFolderWritable = false;
  EXPECT_EQ(ResolveDataPaths(inputs).BackupFile, "/home/u/.data/corvex-novlet/novlet.bak");
  inputs.XdgDataHome = "relative/data";
  EXPECT_EQ(ResolveDataPaths(inputs).DataFolder, "/home/u/.local/share/corvex-novlet");
  inputs.XdgDataHome.reset();
  inputs.Home.reset();
  EXPECT_EQ(ResolveDataPaths(inputs).DataFolder, "/opt/novlet/bin");
}

TEST(DataPaths, TheDataFolderIsCreatedOrReportedAsUnwritableAndTheProgramFolderProbed) {
  TTempFolder folder;
  const auto paths = ResolveDataPaths({"/nowhere", false, (folder / "a" / "b").string(), {}, {}});
  EXPECT_TRUE(EnsureDataFolder(paths));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "a" / "b"));
  WriteFileText(folder / "file", "");
  const auto blocked = ResolveDataPaths({"/nowhere", false, (folder / "file" / "sub").string(), {}, {}});
  EXPECT_EQ(EnsureDataFolder(blocked).Message, "Unable to write to " + (folder / "file" / "sub").string());

  // The current inputs probe the program folder, and leave no probe file.
  EXPECT_TRUE(CurrentDataPathInputs(folder / "a").ExecutableFolderWritable);
  EXPECT_FALSE(CurrentDataPathInputs(folder / "missing").ExecutableFolderWritable);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "a"), {}), 1);
}

}  // namespace
}  // namespace novlet
