// Runs a program as a child process and collects what it says, for the tests of novlet-tool.
#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "store/temp_folder.h"

struct TRun {
  int Status = -1;
  std::string Out;
  std::string Err;
};

// The text is the program's standard input. As root, a run as an ordinary
// user is made by a child that gives up its rights first, since root writes
// through permission bits. The run starts in workingFolder when one is given.
inline TRun RunProgram(const std::string& program, const std::vector<std::string>& args, const std::string& input = {},
                       bool asOrdinaryUser = false, const std::filesystem::path& workingFolder = {}) {
  const TTempFolder folder;
  WriteFileText(folder / "in", input);
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(::open((folder / "in").c_str(), O_RDONLY), 0);
    ::dup2(::open((folder / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
    ::dup2(::open((folder / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
    constexpr uid_t kNobody = 65534;
    if (asOrdinaryUser && ::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(99);
    if (!workingFolder.empty() && ::chdir(workingFolder.c_str()) != 0) ::_exit(97);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(98);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(folder / "out"), FileText(folder / "err")};
}
