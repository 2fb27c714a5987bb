// The options of novlet-tool's commands.
#include "command_line.h"

#include <cctype>
#include <charconv>

#include "engine/level_table.h"

namespace novlet::tool {
namespace {

template <typename T>
std::optional<T> ParseNumber(const std::string& text) {
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

TCommandLine::TCommandLine(const TArguments& args, const std::set<std::string>& valueOptions,
                           const std::set<std::string>& flags) {
  for (std::size_t i = 0; i < args.size() && Ok(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      help_ = true;
    } else if (valueOptions.count(arg)) {
      if (i + 1 == args.size()) {
        Fail("option " + arg + " needs a value");
      } else {
        values_[arg] = args[++i];
      }
    } else if (flags.count(arg)) {
      flags_.insert(arg);
    } else {
      Fail("unknown argument \"" + arg + "\"");
    }
  }
}

void TCommandLine::Fail(const std::string& message) {
  if (error_.empty()) error_ = message;
}

std::optional<TGeometry> TCommandLine::Shape() {
  const auto found = values_.find("--shape");
  if (found == values_.end()) {
    Fail("--shape WxH is required (for example --shape 3x3)");
    return std::nullopt;
  }
  const std::string& text = found->second;
  const std::size_t x = text.find_first_of("xX");
  const auto width = x == std::string::npos ? std::nullopt : ParseNumber<int>(text.substr(0, x));
  const auto height = x == std::string::npos ? std::nullopt : ParseNumber<int>(text.substr(x + 1));
  if (!width || !height || !FindBoxShape(*width, *height)) {
    Fail("unknown shape \"" + text + "\"; the shapes are 3x3, 2x2..2x8, 3x2, 3x4, 3x5, 4x2, 4x3, 4x4, 5x2, 5x3, 6x2, 7x2, 8x2");
    return std::nullopt;
  }
  TGeometry g;
  g.SetBoxShape(*width, *height);
  return g;
}

std::optional<int> TCommandLine::Level() {
  const auto found = values_.find("--level");
  if (found == values_.end()) {
    Fail("--level is required (rookie, normal, skilled, expert or 0..3)");
    return std::nullopt;
  }
  static const std::map<std::string, int> kNames{{"rookie", kLevelRookie}, {"normal", kLevelNormal},
                                                 {"skilled", kLevelSkilled}, {"expert", kLevelExpert},
                                                 {"0", kLevelRookie}, {"1", kLevelNormal},
                                                 {"2", kLevelSkilled}, {"3", kLevelExpert}};
  std::string name = found->second;
  for (char& ch : name) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  const auto level = kNames.find(name);
  if (level == kNames.end()) {
    Fail("unknown level \"" + found->second + "\"; use rookie, normal, skilled, expert or 0..3");
    return std::nullopt;
  }
  return level->second;
}

std::optional<std::int64_t> TCommandLine::NonNegative(const std::string& name, std::int64_t fallback) {
  const auto found = values_.find(name);
  if (found == values_.end()) return fallback;
  const auto value = ParseNumber<std::int64_t>(found->second);
  if (!value || *value < 0) {
    Fail(name + " needs a whole number of 0 or more, not \"" + found->second + "\"");
    return std::nullopt;
  }
  return value;
}

std::optional<std::uint64_t> TCommandLine::Seed() {
  const auto found = values_.find("--seed");
  if (found == values_.end()) return std::nullopt;
  const auto value = ParseNumber<std::uint64_t>(found->second);
  if (!value) Fail("--seed needs a whole number of 0 or more, not \"" + found->second + "\"");
  return value;
}

std::optional<std::string> TCommandLine::Choice(const std::string& name, const std::set<std::string>& choices,
                                                const std::string& fallback) {
  const auto found = values_.find(name);
  if (found == values_.end()) return fallback;
  if (!choices.count(found->second)) {
    Fail("unknown value \"" + found->second + "\" for " + name);
    return std::nullopt;
  }
  return found->second;
}

}  // namespace novlet::tool
