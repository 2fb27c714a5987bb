// The life of the process, from the command line to the window's close.
#pragma once

namespace novlet {

// The whole life of the process: hand over to a running instance, run the
// uninstaller, or run the game until its window closes. Returns the exit
// status.
int RunProgram(int argc, char** argv);

}  // namespace novlet
