// novlet-tool's language-file command: build, dump and look up.
#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "store/language/language_source.h"
#include "store/language/row_store_dump.h"
#include "store/language/row_store_reader.h"
#include "store/language/row_store_writer.h"
#include "store/language/translation.h"
#include "tool_commands.h"

namespace novlet::tool {
namespace {

constexpr std::string_view kLngUsage = R"(Usage: novlet-tool lng SUBCOMMAND ...

  build DIR -o FILE [--scramble]       build a language file from the text sources
                                       (*.txt) in DIR; --scramble stores the texts
                                       scrambled
  dump FILE                            every table: "[name]", the column names, then
                                       one line per row, fields joined by TAB
  text FILE LNGID TEXTID BUILTIN       the text the program shows for TEXTID
  languages FILE                       the languages the Options page offers

A missing or damaged FILE reads as the program reads it: no tables, built-in texts.
)";

int UsageError(const std::string& message) {
  std::cerr << "novlet-tool lng: " << message << "\nRun \"novlet-tool lng --help\" for the usage.\n";
  return 2;
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  std::int32_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

void NoteUnreadable(const std::string& file) {
  std::cerr << "novlet-tool lng: " << file << " is missing or damaged; the program shows its built-in texts\n";
}

int Build(const TArguments& args) {
  std::optional<std::string> folder;
  std::optional<std::string> output;
  bool scrambled = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size()) {
      output = args[++i];
    } else if (args[i] == "--scramble") {
      scrambled = true;
    } else if (!folder && !args[i].starts_with('-')) {
      folder = args[i];
    } else {
      return UsageError("build: unexpected argument \"" + args[i] + "\"");
    }
  }
  if (!folder || !output) return UsageError("build needs a source folder and -o FILE");

  row_store::TRowStoreContent content;
  std::string problem;
  if (!ReadLanguageSources(*folder, scrambled, content, problem) ||
      !row_store::WriteRowStore(*output, content, problem)) {
    std::cerr << "novlet-tool lng build: " << problem << "\n";
    return 2;
  }
  return 0;
}

int Dump(const std::string& file) {
  const std::optional<row_store::TRowStoreReader> reader = row_store::TRowStoreReader::Open(file);
  if (!reader) {
    NoteUnreadable(file);
    return 0;
  }
  row_store::WriteDump(*reader, std::cout);
  return 0;
}

int Text(const TArguments& args) {
  const std::optional<std::int32_t> lngId = ParseInteger(args[2]);
  const std::optional<std::int32_t> textId = ParseInteger(args[3]);
  if (!lngId || !textId) return UsageError("text: LNGID and TEXTID are whole numbers");
  std::cout << TranslateText(args[1], *lngId, *textId, args[4]) << "\n";
  return 0;
}

int Languages(const std::string& file) {
  if (!row_store::TRowStoreReader::Open(file)) NoteUnreadable(file);
  for (const std::string& language : OfferedLanguages(file)) std::cout << language << "\n";
  return 0;
}

}  // namespace

int RunLng(const TArguments& args) {
  if (args.empty()) return UsageError("a subcommand is needed");
  const std::string& command = args[0];
  if (command == "--help" || command == "-h") {
    std::cout << kLngUsage;
    return 0;
  }
  if (command == "build") return Build(args);
  if (command == "dump" && args.size() == 2) return Dump(args[1]);
  if (command == "text" && args.size() == 5) return Text(args);
  if (command == "languages" && args.size() == 2) return Languages(args[1]);
  if (command == "dump" || command == "text" || command == "languages") {
    return UsageError(command + ": wrong number of arguments");
  }
  return UsageError("unknown subcommand \"" + command + "\"");
}

}  // namespace novlet::tool
