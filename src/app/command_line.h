// The arguments the program understands on its command line.
#pragma once

#include <QStringList>

namespace novlet {

// The two arguments the program understands, each only as the first one and
// in any letter case.
struct TCommandLine {
  // "uninstall": close a running instance and run the recorded uninstaller.
  bool Uninstall = false;
  // "/s": ask the quit question as soon as the window is first activated.
  bool AskQuitAtStart = false;
  // "--booklet": print fresh puzzles to a PDF file, with no window.
  bool Booklet = false;
};

// arguments without the program name.
TCommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace novlet
