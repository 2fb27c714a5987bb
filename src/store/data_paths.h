// Where the data files live, and which files of the program no export may replace.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/store_result.h"

// Where the data files live. The program folder holds them when it is
// writable (a build tree, a portable copy); an installed, read-only program
// keeps them in the user's data folder; NOVLET_HOME overrides both.
namespace novlet {

struct TDataPathInputs {
  std::filesystem::path ExecutableFolder;
  bool ExecutableFolderWritable = false;
  std::optional<std::string> NovletHome;    // $NOVLET_HOME
  std::optional<std::string> XdgDataHome;   // $XDG_DATA_HOME
  std::optional<std::string> Home;          // $HOME
};

struct TDataPaths {
  std::filesystem::path DataFolder;
  std::filesystem::path CollectionFile;  // novlet.dat
  std::filesystem::path OptionsFile;     // novlet.ini
  std::filesystem::path BackupFile;      // novlet.bak
  // The program's other own files, which no export may replace: for example
  // the program file, the language file, and the display-set and skin
  // folders (a folder protects every file below it). The caller fills this;
  // ResolveDataPaths leaves it empty.
  std::vector<std::filesystem::path> ProtectedPaths;
};

// NOVLET_HOME when set and not empty; else the executable's folder when
// writable; else $XDG_DATA_HOME/corvex-novlet when that is an absolute path;
// else $HOME/.local/share/corvex-novlet; else, with no home at all, the
// executable's folder after all.
TDataPaths ResolveDataPaths(const TDataPathInputs& inputs);

// Creates the data folder when it is missing; "Unable to write to %s" when it
// cannot be made.
TStoreResult EnsureDataFolder(const TDataPaths& paths);

// The inputs of this process: the environment, and whether a file can be
// created in the executable's folder. A given home stands in for NOVLET_HOME
// (novlet-tool's --home). The folder is probed only when no home decides the
// data folder, as the probe writes a file there and a run given a home must
// touch nothing outside it.
TDataPathInputs CurrentDataPathInputs(const std::filesystem::path& executableFolder,
                                      const std::optional<std::string>& home = std::nullopt);

}  // namespace novlet
