#include "app/program_entry.h"

#include "app/command_line.h"
#include "app/desktop_links.h"
#include "app/display_check.h"
#include "app/program_folders.h"
#include "app/single_instance.h"
#include "app/startup_probe.h"
#include "app/uninstaller.h"
#include "game/main_form.h"
#include "store/account_name.h"
#include "ui/intro_form.h"

#include <QApplication>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <filesystem>

namespace novlet {

namespace {

constexpr int kSplashMilliseconds = 2000;

std::filesystem::path ProgramFolder() {
  return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

QString InstanceName(const TProgramFolders& folders) {
  return TSingleInstance::ServerName(QString::fromStdString(CurrentUserName()),
                                     QString::fromStdString(folders.Data.DataFolder.string()));
}

// "uninstall": the running game closes (through its close query, so its
// options and last game are kept), then the recorded uninstaller starts. No
// window is needed for either.
int RunUninstall(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const TProgramFolders folders = ResolveProgramFolders(ProgramFolder());
  TSingleInstance(InstanceName(folders)).SendToRunningInstance(TInstanceRequest::Close);
  RunUninstaller(folders.ProgramFolder);
  return 0;
}

void ShowSplash(const TProgramFolders& folders) {
  ShowIntro(QString::fromStdString(folders.SkinFolder().string()));
  QCoreApplication::processEvents();
  QEventLoop wait;
  QTimer::singleShot(kSplashMilliseconds, &wait, &QEventLoop::quit);
  wait.exec();
  DestroyIntro();
}

TDesktopLinks::TLauncher LauncherFor(const TProgramFolders& folders) {
  const std::filesystem::path icon = folders.ResourceFolder / "corvex-novlet.png";
  return {QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
          QCoreApplication::applicationFilePath(), QString::fromStdString(folders.ProgramFolder.string()),
          std::filesystem::exists(icon) ? QString::fromStdString(icon.string()) : QString()};
}

}  // namespace

int RunProgram(int argc, char** argv) {
  const QStringList rawArguments = [&] {
    QStringList list;
    for (int index = 1; index < argc; ++index) list << QString::fromLocal8Bit(argv[index]);
    return list;
  }();
  const TCommandLine commandLine = ParseCommandLine(rawArguments);
  if (commandLine.Uninstall) return RunUninstall(argc, argv);

  if (const auto reason = MissingDisplayReason(CurrentDisplayEnvironment())) {
    std::fprintf(stderr, "corvex-novlet: %s\n", reason->c_str());
    return 1;
  }

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("corvex-novlet"));
  const TProgramFolders folders = ResolveProgramFolders(ProgramFolder());

  TSingleInstance instance(InstanceName(folders));
  if (instance.SendToRunningInstance(TInstanceRequest::Raise)) return 0;
  instance.Listen();

  TDesktopLinks desktopLinks(LauncherFor(folders));
  TMainFormSetup setup;
  setup.Folders = folders;
  if (commandLine.AskQuitAtStart) setup.StartupFlags |= StartupAskQuit;
  setup.ShellLinks = &desktopLinks;
  TMainForm mainForm(std::move(setup));
  const std::int64_t probeLaunch = StartupProbeLaunchTime();
  if (probeLaunch > 0)
    new TStartupProbe(&mainForm, probeLaunch);
  else if ((mainForm.StartupFlags() & StartupWindowCreated) && (mainForm.StartupFlags() & StartupShowSplash))
    ShowSplash(folders);

  mainForm.show();
  mainForm.activateWindow();
  instance.HandleRequests([&mainForm](TInstanceRequest request) {
    if (request == TInstanceRequest::Raise)
      mainForm.FormRestore();
    else
      mainForm.close();
  });
  return QApplication::exec();
}

}  // namespace novlet
