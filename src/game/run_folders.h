// Where the program finds its files in this run.
#pragma once

#include <filesystem>

#include "store/data_paths.h"

namespace novlet {

// Where the program finds its files.
struct TProgramFolders {
  // The folder of the program file.
  std::filesystem::path ProgramFolder;
  // novlet.dat, novlet.ini and novlet.bak: ProgramFolder when writable, else
  // the user's data folder, NOVLET_HOME above both.
  TDataPaths Data;
  // The read-only resources: Novlet.lng, "Display Sets/" and the skin
  // override folder "I/". ProgramFolder in a build tree or a portable copy,
  // the installed share folder otherwise.
  std::filesystem::path ResourceFolder;

  std::filesystem::path LanguageFile() const { return ResourceFolder / "Novlet.lng"; }
  std::filesystem::path DisplaySetsFolder() const { return ResourceFolder / "Display Sets"; }
  std::filesystem::path SkinFolder() const { return ResourceFolder / "I"; }
  std::filesystem::path IconFile() const { return ResourceFolder / "corvex-novlet.png"; }
};

}  // namespace novlet
