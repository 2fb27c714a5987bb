// The commands of novlet-tool.
#pragma once

#include <string>
#include <vector>

// Each command of novlet-tool takes the arguments after its name and returns
// the exit status: 0 done, 2 bad usage or bad input; the collection command
// also 1 when the store refused a change, explain 1 when a line was no puzzle.
namespace novlet::tool {

using TArguments = std::vector<std::string>;

int RunGenerate(const TArguments& args);
int RunSolve(const TArguments& args);
int RunAlternatives(const TArguments& args);
int RunReduce(const TArguments& args);
int RunLng(const TArguments& args);
int RunCollection(const TArguments& args);
int RunExplain(const TArguments& args);

}  // namespace novlet::tool
