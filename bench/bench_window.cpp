// The program's main window as the widget benchmarks open it.
#include "bench_window.h"

#include <QTimer>

namespace novlet {

std::unique_ptr<TMainForm> OpenBenchWindow(const TDataPaths& data, const std::string& account, TDialogs* dialogs) {
  TMainFormSetup setup;
  setup.Folders.ProgramFolder = data.DataFolder;
  setup.Folders.ResourceFolder = data.DataFolder;
  setup.Folders.Data = data;
  setup.StartupFlags = 0;
  setup.AccountName = [account] { return account; };
  setup.Dialogs = dialogs;
  auto form = std::make_unique<TMainForm>(std::move(setup));
  form->show();
  form->MainTimer()->stop();
  return form;
}

std::unique_ptr<TMainForm> OpenBenchWindow(const std::filesystem::path& folder) {
  return OpenBenchWindow(ResolveDataPaths(CurrentDataPathInputs(folder)));
}

}  // namespace novlet
