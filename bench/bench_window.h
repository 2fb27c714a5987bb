// The program's main window as the widget benchmarks open it.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "game/main_form.h"
#include "store/data_paths.h"

namespace novlet {

// Shown, with its files in `data`, no splash and the main timer stopped, so
// that only what a benchmark does takes time.
std::unique_ptr<TMainForm> OpenBenchWindow(const TDataPaths& data, const std::string& account = "bench",
                                           TDialogs* dialogs = nullptr);

// The same, keeping every file in `folder` as a portable copy does.
std::unique_ptr<TMainForm> OpenBenchWindow(const std::filesystem::path& folder);

}  // namespace novlet
