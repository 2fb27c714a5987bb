// Where `novlet-tool collection` finds the program's data and language files.
#include "collection_folders.h"

#include <system_error>

namespace novlet::tool {
namespace {

constexpr char kProgramName[] = "corvex-novlet";

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::filesystem::path ProgramFolderOf(const std::filesystem::path& toolFile) {
  const std::filesystem::path own = toolFile.parent_path();
  for (const auto& folder : {own, own.parent_path()}) {
    if (IsFile(folder / kProgramName)) return folder;
  }
  return own;
}

}  // namespace

TToolFolders ResolveToolFolders(const std::filesystem::path& toolFile, const std::optional<std::string>& home) {
  const std::filesystem::path programFolder = ProgramFolderOf(toolFile);
  const std::filesystem::path installed = programFolder.parent_path() / "share" / "corvex-novlet";
  const bool isInstalled = !IsFile(programFolder / "Novlet.lng") && IsFile(installed / "Novlet.lng");
  const std::filesystem::path resources = isInstalled ? installed : programFolder;

  TDataPathInputs inputs = CurrentDataPathInputs(programFolder, home);
  if (isInstalled) inputs.ExecutableFolderWritable = false;
  TToolFolders folders{ResolveDataPaths(inputs), resources / "Novlet.lng"};
  // Export must never write over a file the program or the tool runs from.
  folders.Data.ProtectedPaths = {programFolder / kProgramName, toolFile,
                                 folders.LanguageFile,         resources / "corvex-novlet.png",
                                 resources / "Display Sets",   resources / "I",
                                 resources / "help"};
  return folders;
}

}  // namespace novlet::tool
