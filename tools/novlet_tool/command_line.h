// The options of novlet-tool's commands.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "engine/geometry.h"
#include "tool_commands.h"

namespace novlet::tool {

// The options of one command: "--name value" pairs and "--flag" switches.
// Parse errors are kept as one message for the command to print.
class TCommandLine {
 public:
  TCommandLine(const TArguments& args, const std::set<std::string>& valueOptions, const std::set<std::string>& flags);

  bool Ok() const { return error_.empty(); }
  const std::string& Error() const { return error_; }
  bool HelpWanted() const { return help_; }
  bool Has(const std::string& name) const { return values_.count(name) != 0 || flags_.count(name) != 0; }

  // Each reads its option and records an error (and returns nullopt) when it
  // is missing but required, or malformed.
  std::optional<TGeometry> Shape();
  std::optional<int> Level();
  std::optional<std::int64_t> NonNegative(const std::string& name, std::int64_t fallback);
  std::optional<std::uint64_t> Seed();
  std::optional<std::string> Choice(const std::string& name, const std::set<std::string>& choices,
                                    const std::string& fallback);

 private:
  void Fail(const std::string& message);

  std::map<std::string, std::string> values_;
  std::set<std::string> flags_;
  std::string error_;
  bool help_ = false;
};

}  // namespace novlet::tool
