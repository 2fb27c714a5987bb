// The arguments of `novlet-tool collection`: where, whose, which command.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tool_commands.h"

namespace novlet::tool {

struct TCollectionArguments {
  std::optional<std::string> Home;     // --home DIR
  std::optional<std::string> Account;  // --account NAME
  std::string Command;
  std::vector<std::string> Operands;
  // The options of "add": --shape, --level, --seed and --name; and the
  // --shape of "import-text".
  std::map<std::string, std::string> AddOptions;
  bool HelpWanted = false;
  // Set when the arguments make no sense; nothing may run then.
  std::string Error;
};

// Options may stand anywhere; "--" ends them, so that a puzzle name may
// begin with "-".
TCollectionArguments ParseCollectionArguments(const TArguments& args);

}  // namespace novlet::tool
