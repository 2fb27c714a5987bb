// Where the data files live: the data path rule, and making the data folder.
#include "store/data_paths.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace novlet {

namespace {

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (!value || !*value) return std::nullopt;
  return std::string(value);
}

// Creating a file is the only sure test: permission bits do not tell about
// read-only mounts, and root may write where the bits say no.
bool CanCreateFileIn(const std::filesystem::path& folder) {
  const auto probe = folder / ".novlet-write-test";
  bool created = false;
  {
    std::ofstream file(probe);
    created = file.good();
  }
  std::error_code ignored;
  if (created) std::filesystem::remove(probe, ignored);
  return created;
}

}  // namespace

TDataPaths ResolveDataPaths(const TDataPathInputs& inputs) {
  std::filesystem::path folder = inputs.ExecutableFolder;
  if (inputs.NovletHome && !inputs.NovletHome->empty()) {
    folder = *inputs.NovletHome;
  } else if (!inputs.ExecutableFolderWritable) {
    if (inputs.XdgDataHome && std::filesystem::path(*inputs.XdgDataHome).is_absolute()) {
      folder = std::filesystem::path(*inputs.XdgDataHome) / "corvex-novlet";
    } else if (inputs.Home && !inputs.Home->empty()) {
      folder = std::filesystem::path(*inputs.Home) / ".local" / "share" / "corvex-novlet";
    }
  }
  return {folder, folder / "novlet.dat", folder / "novlet.ini", folder / "novlet.bak", {}};
}

TStoreResult EnsureDataFolder(const TDataPaths& paths) {
  std::error_code error;
  std::filesystem::create_directories(paths.DataFolder, error);
  if (error || !std::filesystem::is_directory(paths.DataFolder, error)) {
    return TStoreResult::Failure(UnableToWriteMessage(paths.DataFolder));
  }
  return TStoreResult::Success();
}

TDataPathInputs CurrentDataPathInputs(const std::filesystem::path& executableFolder,
                                      const std::optional<std::string>& home) {
  TDataPathInputs inputs{executableFolder, false, home && !home->empty() ? home : Environment("NOVLET_HOME"),
                         Environment("XDG_DATA_HOME"), Environment("HOME")};
  if (!inputs.NovletHome) inputs.ExecutableFolderWritable = CanCreateFileIn(executableFolder);
  return inputs;
}

}  // namespace novlet
