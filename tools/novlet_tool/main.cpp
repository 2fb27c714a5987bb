// novlet-tool: the engine, the language files and the collection on the command line.
#include <iostream>
#include <string_view>

#include "tool_commands.h"

namespace {

constexpr std::string_view kUsage = R"(novlet-tool: the Corvex Novlet puzzle engine and collection on the command line.

Usage: novlet-tool COMMAND [OPTIONS]

Commands:
  generate      --shape WxH --level L [--count N] [--seed S] [--full] [--solution]
                [--format hex|line|grid]
  solve         --shape WxH [--cap K] [--no-guess]          (positions on stdin)
  alternatives  --shape WxH [--passes P]                    (record lines on stdin)
  reduce        --shape WxH --level L [--seed S]            (hex boards on stdin)
  lng           build DIR -o FILE [--scramble] | dump FILE | languages FILE
                | text FILE LNGID TEXTID BUILTIN              (language files)
  collection    [--home DIR] [--account NAME] list | show NAME | add ... | export FILE [NAME...]
                | import FILE | backup | restore | rename OLD NEW | delete NAME
                                                            (the stored puzzles)
  explain       --shape WxH [--next]                        (puzzles on stdin: the steps
                                                            a person takes, explained)

Run "novlet-tool COMMAND --help" for the details of one command.
)";

struct TCommand {
  std::string_view Name;
  int (*Run)(const novlet::tool::TArguments&);
};

constexpr TCommand kCommands[] = {
    {"generate", novlet::tool::RunGenerate},
    {"solve", novlet::tool::RunSolve},
    {"alternatives", novlet::tool::RunAlternatives},
    {"reduce", novlet::tool::RunReduce},
    {"lng", novlet::tool::RunLng},
    {"collection", novlet::tool::RunCollection},
    {"explain", novlet::tool::RunExplain},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h") {
    std::cout << kUsage;
    return argc < 2 ? 2 : 0;
  }
  const std::string_view name = argv[1];
  for (const TCommand& command : kCommands) {
    if (command.Name == name) return command.Run(novlet::tool::TArguments(argv + 2, argv + argc));
  }
  std::cerr << "novlet-tool: unknown command \"" << name << "\"; see novlet-tool --help\n";
  return 2;
}
