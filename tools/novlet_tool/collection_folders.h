// Where `novlet-tool collection` finds the program's data and language files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "store/data_paths.h"

namespace novlet::tool {

struct TToolFolders {
  TDataPaths Data;
  std::filesystem::path LanguageFile;
};

// The tool works on the files of the program it is built or installed with.
// Its program folder is the folder of corvex-novlet beside it, or one folder
// up (a build tree keeps the tool in tools/), else its own folder. From there
// the program's own rules apply: an installed program (its Novlet.lng in
// ../share/corvex-novlet) keeps the data in the user's data folder, a
// writable program folder holds it, and NOVLET_HOME overrides both; `home`
// (--home) overrides NOVLET_HOME.
TToolFolders ResolveToolFolders(const std::filesystem::path& toolFile, const std::optional<std::string>& home);

}  // namespace novlet::tool
