// The life of the process: hand-over, uninstall, booklet, or the game until its window closes.
#include "app/program_entry.h"

#include "app/booklet_command.h"
#include "app/command_line.h"
#include "app/desktop_links.h"
#include "app/display_check.h"
#include "app/program_folders.h"
#include "app/single_instance.h"
#include "app/startup_probe.h"
#include "app/stop_signals.h"
#include "app/uninstaller.h"
#include "game/main_form.h"
#include "store/account_name.h"
#include "store/language/text_ids.h"
#include "store/stale_temporary_files.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

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
// window is needed for either. A packaged copy is the package manager's to
// remove: the user is told how, and the running game is left alone.
int RunUninstall(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const TProgramFolders folders = ResolveProgramFolders(ProgramFolder());
  if (const auto command = PackageRemovalCommand(folders.ResourceFolder)) {
    std::fprintf(stderr, "Corvex Novlet was installed by the package manager; remove it with: %s\n", command->c_str());
    return 1;
  }
  TSingleInstance(InstanceName(folders)).SendToRunningInstance(TInstanceRequest::Close);
  RunUninstaller(folders.ProgramFolder);
  return 0;
}

// The splash goes by itself after its time, and then `ended` runs; the
// window's timer waits meanwhile.
void ShowSplash(TMainForm& mainForm, const std::function<void()>& ended) {
  mainForm.MainTimer()->stop();
  mainForm.Dialogs().ShowSplash(QString::fromStdString(mainForm.Texts().Text(TextId::AboutVersion)),
                                kSplashMilliseconds, [&mainForm, ended] {
                                  mainForm.MainTimer()->start();
                                  ended();
                                });
}

TDesktopLinks::TLauncher LauncherFor(const TProgramFolders& folders) {
  const std::filesystem::path icon = folders.IconFile();
  return {QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
          QCoreApplication::applicationFilePath(), QString::fromStdString(folders.ProgramFolder.string()),
          std::filesystem::exists(icon) ? QString::fromStdString(icon.string()) : QString()};
}

// A booklet is drawn off screen: no display is needed, none is used. Its
// output is meant for scripts, so the toolkit's own notes (a missing runtime
// folder, a font substituted) stay off standard error; ours go there.
int RunBookletWithoutWindow(int argc, char** argv, const QStringList& arguments) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "corvex-novlet: %s\n", qPrintable(message));
  });
  QGuiApplication application(argc, argv);
  return RunBooklet(arguments, ResolveProgramFolders(ProgramFolder()));
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
  if (commandLine.Booklet) return RunBookletWithoutWindow(argc, argv, rawArguments);

  if (const auto reason = MissingDisplayReason(CurrentDisplayEnvironment())) {
    std::fprintf(stderr, "corvex-novlet: %s\n", reason->c_str());
    return 1;
  }

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("corvex-novlet"));
  // The desktop matches the window to its menu entry by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("com.corvexsoftware.novlet"));
  const TProgramFolders folders = ResolveProgramFolders(ProgramFolder());

  // A stop signal closes the program as a second start's request does, also
  // one that comes while the window is still being made.
  TMainForm* running = nullptr;
  bool stopAsked = false;
  HandleStopSignals([&running, &stopAsked] {
    if (running)
      running->CloseWithoutAsking();
    else
      stopAsked = true;
  });

  TSingleInstance instance(InstanceName(folders));
  if (instance.SendToRunningInstance(TInstanceRequest::Raise)) return 0;
  instance.Listen();
  // What a killed write left behind goes now, before anything is written.
  RemoveStaleDataTemporaryFiles(folders.Data);

  TDesktopLinks desktopLinks(LauncherFor(folders));
  TMainFormSetup setup;
  setup.Folders = folders;
  if (commandLine.AskQuitAtStart) setup.StartupFlags |= StartupAskQuit;
  setup.ShellLinks = &desktopLinks;
  TMainForm mainForm(std::move(setup));
  if (stopAsked) {
    mainForm.CloseWithoutAsking();
    return 0;
  }
  // The window comes up after the splash; a stop or a second start's
  // request that came meanwhile is answered only then.
  const auto bringUp = [&] {
    running = &mainForm;
    if (stopAsked) {
      mainForm.CloseWithoutAsking();
      QCoreApplication::exit(0);
      return;
    }
    mainForm.show();
    mainForm.activateWindow();
    instance.HandleRequests([&mainForm](TInstanceRequest request) {
      if (request == TInstanceRequest::Raise)
        mainForm.FormRestore();
      else
        mainForm.CloseWithoutAsking();
    });
  };
  const std::int64_t probeLaunch = StartupProbeLaunchTime();
  if (probeLaunch > 0) {
    new TStartupProbe(&mainForm, probeLaunch, [&mainForm] { mainForm.CloseWithoutAsking(); });
    bringUp();
  } else if ((mainForm.StartupFlags() & StartupWindowCreated) && (mainForm.StartupFlags() & StartupShowSplash)) {
    ShowSplash(mainForm, bringUp);
  } else {
    bringUp();
  }
  return QApplication::exec();
}

}  // namespace novlet
