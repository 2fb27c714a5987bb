// The desktop's services for the program: web pages and the desktop launcher.
#include "app/desktop_links.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QUrl>

#include <utility>

namespace novlet {

namespace {

// Marks a launcher as written by this program: only such a file is ever
// removed, so a launcher of the user's own making is safe.
const QString kOwnerKey = QStringLiteral("X-Corvex-Novlet-Launcher=true");

// One argument of an Exec line: quoted, with the characters the desktop
// entry format reserves escaped, then escaped once more as a string value.
QString ExecArgument(const QString& argument) {
  QString quoted;
  for (const QChar c : argument) {
    if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
      quoted += QLatin1Char('\\');
    quoted += c;
  }
  quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
  quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A plain string value: no line breaks, backslashes escaped.
QString StringValue(QString value) {
  value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  return value;
}

}  // namespace

TDesktopLinks::TDesktopLinks(TLauncher launcher) : launcher_(std::move(launcher)) {}

bool TDesktopLinks::OpenWebPage(const QString& url) {
  if (QDesktopServices::openUrl(QUrl(url))) return true;
  // A platform without desktop services (a bare session, a kiosk) still has
  // the desktop's own opener.
  return QProcess::startDetached(QStringLiteral("xdg-open"), {url});
}

QString TDesktopLinks::LauncherPath() const {
  return QDir(launcher_.DesktopFolder).filePath(QString::fromLatin1(kDesktopLauncherName));
}

bool TDesktopLinks::DesktopShortcutExists() const {
  return !launcher_.DesktopFolder.isEmpty() && QFileInfo::exists(LauncherPath());
}

QString TDesktopLinks::LauncherText() const {
  QString text = QStringLiteral(
                     "[Desktop Entry]\n"
                     "Type=Application\n"
                     "Version=1.0\n"
                     "Name=Corvex Novlet\n"
                     "Comment=Play, design and collect Novlet number-placement puzzles\n"
                     "Categories=Game;LogicGame;\n") +
                 QStringLiteral("Exec=%1\n").arg(ExecArgument(launcher_.ProgramFile)) +
                 QStringLiteral("Path=%1\n").arg(StringValue(launcher_.WorkingFolder));
  if (!launcher_.IconFile.isEmpty()) text += QStringLiteral("Icon=%1\n").arg(StringValue(launcher_.IconFile));
  return text + QStringLiteral("Terminal=false\n") + kOwnerKey + QLatin1Char('\n');
}

bool TDesktopLinks::LauncherIsOurs() const {
  QFile file(LauncherPath());
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  // A launcher is a few hundred bytes; anything far larger is not ours.
  const QByteArray content = file.read(64 * 1024);
  return content.split('\n').contains(kOwnerKey.toUtf8());
}

bool TDesktopLinks::CreateDesktopShortcut() {
  if (launcher_.DesktopFolder.isEmpty() || launcher_.ProgramFile.isEmpty() || DesktopShortcutExists()) return false;
  if (!QDir().mkpath(launcher_.DesktopFolder)) return false;
  QSaveFile file(LauncherPath());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  file.write(LauncherText().toUtf8());
  if (!file.commit()) return false;
  // Desktops start only launchers that are marked executable.
  return QFile::setPermissions(LauncherPath(), QFile::permissions(LauncherPath()) | QFileDevice::ExeOwner |
                                                   QFileDevice::ExeUser);
}

bool TDesktopLinks::RemoveDesktopShortcut() {
  if (!DesktopShortcutExists() || !LauncherIsOurs()) return false;
  return QFile::remove(LauncherPath());
}

}  // namespace novlet
