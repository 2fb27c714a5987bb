// The arguments of `novlet-tool collection`.
#include "collection_arguments.h"

#include <set>

namespace novlet::tool {

TCollectionArguments ParseCollectionArguments(const TArguments& args) {
  static const std::set<std::string> kAddOptions{"--shape", "--level", "--seed", "--name"};
  TCollectionArguments parsed;
  auto fail = [&parsed](const std::string& message) {
    if (parsed.Error.empty()) parsed.Error = message;
  };
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool isOption = !optionsEnded && arg.size() > 1 && arg[0] == '-';
    if (!isOption) {
      (parsed.Command.empty() ? parsed.Command : parsed.Operands.emplace_back()) = arg;
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      parsed.HelpWanted = true;
    } else if (arg == "--home" || arg == "--account" || kAddOptions.contains(arg)) {
      if (i + 1 == args.size() || args[i + 1].empty()) {
        fail("option " + arg + " needs a value");
        break;
      }
      const std::string& value = args[++i];
      if (arg == "--home") {
        parsed.Home = value;
      } else if (arg == "--account") {
        parsed.Account = value;
      } else {
        parsed.AddOptions[arg] = value;
      }
    } else {
      fail("unknown option \"" + arg + "\"");
    }
  }
  // "import-text" takes a shape of its own; everything else is add's.
  const bool shapeOnly = parsed.AddOptions.size() == 1 && parsed.AddOptions.contains("--shape");
  if (!parsed.AddOptions.empty() && parsed.Command != "add" && !(parsed.Command == "import-text" && shapeOnly)) {
    fail("option " + parsed.AddOptions.begin()->first + " belongs to \"add\"");
  }
  return parsed;
}

}  // namespace novlet::tool
