// Starts the uninstall script the installation recorded, or names the package that owns the program.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace novlet {

// The uninstall script that installing records beside the program.
inline constexpr const char* kUninstallScriptName = "corvex-novlet-uninstall";

// The note a package puts in the share folder; its first line is the command
// that removes the package.
inline constexpr const char* kPackageNoteName = "installed-by-package";

// Starts the recorded uninstall script from its own folder and does not wait
// for it. False, and nothing happens, when none is recorded.
bool RunUninstaller(const std::filesystem::path& programFolder);

// The command that removes this copy when a package manager installed it
// (its resource folder holds the package's note), else nothing. The package
// manager owns such a copy's files: no script may remove them behind its back.
std::optional<std::string> PackageRemovalCommand(const std::filesystem::path& resourceFolder);

}  // namespace novlet
