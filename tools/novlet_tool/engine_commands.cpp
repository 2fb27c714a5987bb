#include <iostream>

#include "tool_commands.h"

namespace novlet::tool {

int RunGenerate(const TArguments&) { return 2; }
int RunSolve(const TArguments&) { return 2; }
int RunAlternatives(const TArguments&) { return 2; }
int RunReduce(const TArguments&) { return 2; }

}  // namespace novlet::tool
