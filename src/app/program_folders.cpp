// Where the program, its resources and the user's data are found.
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
  const std::filesystem::path installed = programFolder.parent_path() / "share" / "corvex-novlet";
  // An installed program lives in <prefix>/bin with its resources in
  // <prefix>/share; anything else carries them beside itself.
  const bool isInstalled = !HoldsLanguageFile(programFolder) && HoldsLanguageFile(installed);
  folders.ResourceFolder = isInstalled ? installed : programFolder;
  TDataPathInputs inputs = CurrentDataPathInputs(programFolder);
  // An installed program keeps the users' files in their own data folders,
  // even when its bin folder happens to be writable (a prefix in the home
  // folder): a bin folder is no place for puzzles.
  if (isInstalled) inputs.ExecutableFolderWritable = false;
  folders.Data = ResolveDataPaths(inputs);
  // Export must never write over a file the program runs from.
  folders.Data.ProtectedPaths = {programFolder / "corvex-novlet", folders.LanguageFile(), folders.IconFile(),
                                 folders.DisplaySetsFolder(),     folders.SkinFolder(),   folders.ResourceFolder / "help"};
  return folders;
}

}  // namespace novlet
