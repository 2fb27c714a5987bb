// Reads the program's command line.
#include "app/command_line.h"

namespace novlet {

TCommandLine ParseCommandLine(const QStringList& arguments) {
  TCommandLine commandLine;
  if (arguments.isEmpty()) return commandLine;
  const QString first = arguments.front().toLower();
  commandLine.Uninstall = first == QStringLiteral("uninstall");
  commandLine.AskQuitAtStart = first == QStringLiteral("/s");
  commandLine.Booklet = arguments.contains(QStringLiteral("--booklet"), Qt::CaseInsensitive);
  return commandLine;
}

}  // namespace novlet
