#include "app/program_folders.h"

#include <system_error>

namespace novlet {

namespace {

bool HoldsLanguageFile(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::is_regular_file(folder / "Novlet.lng", error);
}

}  // namespace

TProgramFolders ResolveProgramFolders(const std::filesystem::path& programFolder) {
  TProgramFolders folders;
  folders.ProgramFolder = programFolder;
  folders.Data = ResolveDataPaths(CurrentDataPathInputs(programFolder));
  const std::filesystem::path installed = programFolder.parent_path() / "share" / "corvex-novlet";
  // An installed program lives in <prefix>/bin with its resources in
  // <prefix>/share; anything else carries them beside itself.
  folders.ResourceFolder = !HoldsLanguageFile(programFolder) && HoldsLanguageFile(installed) ? installed : programFolder;
  return folders;
}

}  // namespace novlet
