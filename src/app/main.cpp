// The program's entry point.
#include "app/program_entry.h"

int main(int argc, char** argv) { return novlet::RunProgram(argc, argv); }
