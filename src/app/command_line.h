// The arguments the program understands on its command line.
#pragma once

#include <QStringList>

namespace novlet {

// The two words the program understands, each only as the first argument and
// in any letter case, and the booklet's options wherever "--booklet" stands.
struct TCommandLine {
  // "uninstall": close a running instance and run the recorded uninstaller.
  bool Uninstall = false;
  // "/s": ask the quit question as soon as the window is first activated.
  bool AskQuitAtStart = false;
  // "--booklet" anywhere, even last and without its file: print fresh
  // puzzles to a PDF file with no window (or say how, when it is incomplete).
  bool Booklet = false;
};

// arguments without the program name.
TCommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace novlet
