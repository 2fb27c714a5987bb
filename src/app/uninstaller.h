// Starts the uninstall script the installation recorded.
#pragma once

#include <filesystem>

namespace novlet {

// The uninstall script that installing records beside the program.
inline constexpr const char* kUninstallScriptName = "corvex-novlet-uninstall";

// Starts the recorded uninstall script from its own folder and does not wait
// for it. False, and nothing happens, when none is recorded.
bool RunUninstaller(const std::filesystem::path& programFolder);

}  // namespace novlet
