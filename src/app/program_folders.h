// Where the program, its resources and the user's data are found.
#pragma once

#include "game/run_folders.h"

#include <filesystem>

namespace novlet {

// The folders of this run: the program's own, the data folder by the data
// path rule, and the resources beside the program (a build tree, a portable
// copy) or in the installed share folder.
TProgramFolders ResolveProgramFolders(const std::filesystem::path& programFolder);

}  // namespace novlet
