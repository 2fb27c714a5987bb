// Starts the uninstall script the installation recorded, or names the package that owns the program.
#include "app/uninstaller.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <fstream>

namespace novlet {

bool RunUninstaller(const std::filesystem::path& programFolder) {
  const QFileInfo script(QString::fromStdString((programFolder / kUninstallScriptName).string()));
  if (!script.isFile()) return false;
  // Through the shell, so that a script that lost its executable bit on a
  // copy still runs.
  return QProcess::startDetached(QStringLiteral("/bin/sh"), {script.absoluteFilePath()}, script.absolutePath());
}

std::optional<std::string> PackageRemovalCommand(const std::filesystem::path& resourceFolder) {
  std::ifstream note(resourceFolder / kPackageNoteName);
  if (!note) return std::nullopt;
  std::string command;
  std::getline(note, command);
  // A note that lost its line still means a package owns the files.
  if (command.empty()) command = "your package manager";
  return command;
}

}  // namespace novlet
