// Starts the uninstall script the installation recorded.
#include "app/uninstaller.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>

namespace novlet {

bool RunUninstaller(const std::filesystem::path& programFolder) {
  const QFileInfo script(QString::fromStdString((programFolder / kUninstallScriptName).string()));
  if (!script.isFile()) return false;
  // Through the shell, so that a script that lost its executable bit on a
  // copy still runs.
  return QProcess::startDetached(QStringLiteral("/bin/sh"), {script.absoluteFilePath()}, script.absolutePath());
}

}  // namespace novlet
