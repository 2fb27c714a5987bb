// `novlet-tool collection`: the account's collection on the command line,
// through the same collection session as the "My Novlets" page.
#include <langinfo.h>

#include <clocale>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "collection_arguments.h"
#include "collection_folders.h"
#include "command_line.h"
#include "engine/novlet_engine.h"
#include "session/collection_session.h"
#include "session/play_session.h"
#include "store/account_name.h"
#include "store/date_time.h"
#include "store/ini_file.h"
#include "store/language/language_detection.h"
#include "store/language/text_ids.h"
#include "store/language/translator.h"
#include "store/puzzle_naming.h"
#include "store/text_export.h"
#include "store/transfer_notice.h"
#include "tool_commands.h"

namespace novlet::tool {
namespace {

constexpr char kCollectionHelp[] = R"help(novlet-tool collection [--home DIR] [--account NAME] COMMAND [ARGUMENTS]

Works on an account's stored puzzles ("My Novlets") with the program's own
code, so it is safe to run while the program is open: every change holds the
data file's lock and replaces the file in one step.

Commands:
  list                  the puzzle names, one per line, sorted as the page
                        sorts them (accents beside their letter, letter
                        case ignored)
  show NAME             the details the page shows for the puzzle
  add --shape WxH --level L [--seed S] [--name NAME]
                        generates a puzzle as New does (shape 3x3, 2x2 ..
                        8x2; level rookie, normal, skilled, expert or 0..3;
                        the account's time limit), stores it as a new puzzle
                        and prints its name; without --name it is named after
                        the moment it was made, with the first free number in
                        brackets added when that name is taken; the same seed
                        makes the same puzzle
  export FILE [NAME...] writes the named puzzles, or all of the account's,
                        into FILE (replaced); prints "exported N"
  import FILE           adds the puzzles of FILE as "Imports " + their name,
                        replacing earlier imports of that name; prints
                        "imported N" and "skipped N" (damaged records)
  import-text FILE [--shape WxH]
                        reads puzzles in the common text forms (one puzzle a
                        line of N x N cells, "." or "0" for an empty cell;
                        or one grid of N rows), checks each and stores those
                        with exactly one solution, named after the file and
                        their number in it, never over a stored puzzle: a
                        taken name gets the first free number in brackets,
                        and a puzzle whose name holds the same givens is
                        already there; prints "line N: reason" on standard
                        error for each one refused and "imported K, already
                        there A, refused R"; a shape overrides the usual one for the size (6x6 is
                        read as 3x2, 12x12 as 4x3, ...), and so does the
                        shape a comment line before a puzzle names, as
                        export-text writes it
  export-text FILE [NAME...]
                        writes the named puzzles, or all of the account's,
                        into FILE (replaced): their givens one puzzle a line,
                        each after a line "# NAME (WxH)" naming its shape
  backup                copies the account's puzzles into novlet.bak
  restore               copies them back from novlet.bak
  rename OLD NEW        renames a puzzle; NEW must not name another puzzle
  delete NAME           deletes a puzzle, damaged or not

Options:
  --home DIR      the data folder holding novlet.dat, novlet.ini and
                  novlet.bak (as NOVLET_HOME does for the program). Without it
                  and NOVLET_HOME, the program's own: the folder of the
                  corvex-novlet program beside this tool (or one folder up)
                  when that folder is writable and the program is not
                  installed, else $XDG_DATA_HOME/corvex-novlet or
                  ~/.local/share/corvex-novlet.
  --account NAME  whose puzzles (default: the logged-on account)
  --              ends the options, for names that begin with "-"

Puzzle names are the bare names the page lists; a name differing only in
letter case finds the puzzle too. Notices (damaged records left out, nothing
found) go to standard error.

Exit status: 0 done; 1 the store refused (the message on standard error, as
the page shows it; nothing changed), or import-text found puzzles of which
none is in the collection now; 2 a usage error or an unknown name.
)help";

int Usage(const std::string& error) {
  std::cerr << "novlet-tool collection: " << error << "\nRun \"novlet-tool collection --help\" for the usage.\n";
  return 2;
}

int Refused(const std::string& message) {
  std::cerr << message << '\n';
  return 1;
}

std::filesystem::path ToolFile() {
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path() / "novlet-tool" : path;
}

// The month names of the user's locale, as the page takes them from its own.
std::array<std::string, 12> LocaleMonthNames() {
  std::setlocale(LC_TIME, "");
  std::array<std::string, 12> names;
  for (int month = 0; month < 12; ++month) names[month] = nl_langinfo(static_cast<nl_item>(MON_1 + month));
  return names;
}

class TCollectionRun {
 public:
  explicit TCollectionRun(const TCollectionArguments& arguments)
      : args_(arguments),
        folders_(ResolveToolFolders(ToolFile(), arguments.Home)),
        userName_(arguments.Account ? *arguments.Account : CurrentUserName()),
        session_(folders_.Data, userName_) {}

  int Run() {
    const std::string& command = args_.Command;
    if (command == "list") return WithOperands(0, 0) ? List() : Bad();
    if (command == "show") return WithOperands(1, 1) ? Show() : Bad();
    if (command == "add") return WithOperands(0, 0) ? Add() : Bad();
    if (command == "export") return WithOperands(1, SIZE_MAX) ? Export() : Bad();
    if (command == "import") return WithOperands(1, 1) ? Import() : Bad();
    if (command == "import-text") return WithOperands(1, 1) ? ImportText() : Bad();
    if (command == "export-text") return WithOperands(1, SIZE_MAX) ? ExportText() : Bad();
    if (command == "backup") return WithOperands(0, 0) ? Backup() : Bad();
    if (command == "restore") return WithOperands(0, 0) ? Restore() : Bad();
    if (command == "rename") return WithOperands(2, 2) ? Rename() : Bad();
    if (command == "delete") return WithOperands(1, 1) ? Delete() : Bad();
    return Usage(command.empty() ? "a command is needed" : "unknown command \"" + command + "\"");
  }

 private:
  bool WithOperands(std::size_t least, std::size_t most) {
    const std::size_t count = args_.Operands.size();
    if (count >= least && count <= most) return true;
    const std::string wanted = least == most ? std::to_string(least) : "at least " + std::to_string(least);
    error_ = "\"" + args_.Command + "\" takes " + (most == 0 ? "no" : wanted) + " argument" +
             (least == 1 ? "" : "s") + ", not " + std::to_string(count);
    return false;
  }
  int Bad() const { return Usage(error_); }

  const std::filesystem::path& CollectionFile() const { return folders_.Data.CollectionFile; }
  std::string SectionOf(const std::string& bareName) const { return session_.SectionOf(bareName); }

  // The puzzle's name as it stands in the file now.
  std::optional<std::string> Resolve(const std::string& typed) {
    session_.Reload();
    return session_.Resolve(typed);
  }
  // The puzzles named after the file operand; `unknown` the first name not found.
  std::vector<std::string> NamedPuzzles(std::optional<std::string>& unknown) {
    if (args_.Operands.size() > 1) session_.Reload();
    std::vector<std::string> names;
    for (auto typed = args_.Operands.begin() + 1; typed != args_.Operands.end(); ++typed) {
      const auto name = session_.Resolve(*typed);
      if (!name) {
        unknown = *typed;
        return {};
      }
      names.push_back(*name);
    }
    return names;
  }
  int UnknownName(const std::string& typed) const {
    return Usage("no puzzle \"" + typed + "\" in the collection of " + userName_ + " (" +
                 CollectionFile().string() + ")");
  }

  // The texts of the account's language, as the window shows them.
  const TTranslator& Texts() {
    if (translator_.LngID() < 0) {
      TOptions options;
      options.LngID = DetectLanguage();
      ReadOptions(folders_.Data.OptionsFile, userName_, options);
      translator_.SetLanguage(folders_.LanguageFile, options.LngID);
    }
    return translator_;
  }
  TTextLookup Lookup() {
    return [this](int id) { return Texts().Text(id); };
  }

  int Finish(const TTransferResult& result, const std::filesystem::path& source, const std::string& verb) {
    if (!result.Result) return Refused(result.Result.Message);
    std::cout << verb << ' ' << result.SectionsCopied << '\n';
    if (const auto notice = TransferNotice(result, source, Lookup())) std::cerr << *notice << '\n';
    return 0;
  }

  int List() {
    session_.Reload();
    for (const auto& name : session_.Names()) std::cout << name << '\n';
    return 0;
  }

  int Show() {
    const auto name = Resolve(args_.Operands[0]);
    if (!name) return UnknownName(args_.Operands[0]);
    const TCollectionEntry entry = session_.Entry(*name);
    if (!entry.Found) return UnknownName(args_.Operands[0]);
    if (!entry.Readable) return Refused(Texts().Text(TextId::DamagedPuzzle));
    const auto months = LocaleMonthNames();
    std::array<std::string_view, 12> monthViews;
    for (std::size_t i = 0; i < months.size(); ++i) monthViews[i] = months[i];
    std::cout << PuzzleDetailsText(entry.Record, DetailsLanguage(Lookup(), monthViews)) << '\n';
    return 0;
  }

  int Add() {
    TArguments options;
    for (const auto& [name, value] : args_.AddOptions) {
      if (name != "--name") options.insert(options.end(), {name, value});
    }
    TCommandLine line(options, {"--shape", "--level", "--seed"}, {});
    const auto shape = line.Shape();
    const auto level = line.Level();
    const auto seed = line.Seed();
    if (!line.Ok()) return Usage(line.Error());
    std::optional<std::string> name;
    if (const auto given = args_.AddOptions.find("--name"); given != args_.AddOptions.end()) {
      name = TrimEnteredName(given->second);
      if (name->empty()) return Usage("--name needs a name that is not blank");
    }

    TOptions accountOptions;
    ReadOptions(folders_.Data.OptionsFile, userName_, accountOptions);
    TNewGameSettings settings;
    settings.BoxWidth = shape->BoxWidth;
    settings.BoxHeight = shape->BoxHeight;
    settings.Level = *level;
    settings.TimeLimited = accountOptions.TimeLimited;
    settings.PlayTimeLimit = accountOptions.PlayTimeLimit;
    settings.UserName = userName_;
    settings.MonthNames = LocaleMonthNames();
    settings.Seed = seed;

    TNovletEngine engine;
    TPlaySession session(engine, SystemTimeSource());
    session.BeginNewGame(settings);
    engine.Random().ReseedFromClock();
    if (!session.GenerateNewGame()) return Refused(Texts().Text(TextId::NothingGenerated));
    // Two puzzles made in one second would share the default name.
    if (!name) name = FreePuzzleName(
        [this](const std::string& candidate) { return IniSectionExists(CollectionFile(), SectionOf(candidate)); },
        session.Record().Name.substr(AccountPrefix(userName_).size()));
    session.SetName(SectionOf(*name));
    const std::string section = session.Record().Name;
    if (IniSectionExists(CollectionFile(), section)) {
      return Refused("\"" + section.substr(AccountPrefix(userName_).size()) + "\" already exists; nothing was stored");
    }
    TStoreResult result = session_.PrepareDataFolder();
    if (result) result = WritePuzzleRecord(CollectionFile(), section, session.RecordToStore());
    if (!result) return Refused(result.Message);
    std::cout << section.substr(AccountPrefix(userName_).size()) << '\n';
    return 0;
  }

  int Export() {
    const std::filesystem::path target = args_.Operands[0];
    std::optional<std::string> unknown;
    const std::vector<std::string> names = NamedPuzzles(unknown);
    if (unknown) return UnknownName(*unknown);
    const TTransferResult result = names.empty() ? session_.ExportAll(target) : session_.Export(names, target);
    return Finish(result, CollectionFile(), "exported");
  }

  int Import() {
    const std::filesystem::path source = args_.Operands[0];
    std::error_code error;
    if (!std::filesystem::exists(source, error)) return Refused(UnableToReadMessage(source, "there is no such file"));
    const TStoreResult ready = session_.PrepareDataFolder();
    if (!ready) return Refused(ready.Message);
    const TTransferResult result = session_.Import(source);
    const int status = Finish(result, source, "imported");
    if (status == 0) std::cout << "skipped " << result.SectionsSkipped << '\n';
    return status;
  }

  int ImportText() {
    std::optional<TGeometry> shape;
    if (!args_.AddOptions.empty()) {
      TCommandLine line({"--shape", args_.AddOptions.at("--shape")}, {"--shape"}, {});
      shape = line.Shape();
      if (!line.Ok()) return Usage(line.Error());
    }
    const TTextImportResult result = session_.ImportText(args_.Operands[0], shape, NowDateTime());
    if (!result.Result) return Refused(result.Result.Message);
    for (const std::string& refusal : result.Refusals) std::cerr << refusal << '\n';
    std::cout << "imported " << result.Imported << ", already there " << result.AlreadyThere << ", refused "
              << result.Refusals.size() << '\n';
    return result.Imported + result.AlreadyThere > 0 || result.Found == 0 ? 0 : 1;
  }

  int ExportText() {
    std::optional<std::string> unknown;
    std::vector<std::string> names = NamedPuzzles(unknown);
    if (unknown) return UnknownName(*unknown);
    if (names.empty()) {
      session_.Reload();
      names = session_.Names();
    }
    const TStoreResult result = ExportTextPuzzles(folders_.Data, userName_, names, args_.Operands[0]);
    if (!result) return Refused(result.Message);
    std::cout << "exported " << names.size() << '\n';
    return 0;
  }

  int Backup() { return Finish(session_.Backup(), CollectionFile(), "backed up"); }

  int Restore() {
    const TStoreResult ready = session_.PrepareDataFolder();
    if (!ready) return Refused(ready.Message);
    return Finish(session_.Restore(), folders_.Data.BackupFile, "restored");
  }

  int Rename() {
    const auto oldName = Resolve(args_.Operands[0]);
    if (!oldName) return UnknownName(args_.Operands[0]);
    const std::string newName = TrimEnteredName(args_.Operands[1]);
    if (newName.empty()) return Usage("the new name must not be blank");
    const TRenameOutcome outcome = session_.Rename(*oldName, newName, false);
    if (outcome.Kind == TRenameOutcome::TKind::Exists)
      return Refused("\"" + newName + "\" already exists; nothing was renamed");
    return outcome.Result ? 0 : Refused(outcome.Result.Message);
  }

  int Delete() {
    const auto name = Resolve(args_.Operands[0]);
    if (!name) return UnknownName(args_.Operands[0]);
    const TStoreResult result = session_.Delete(*name);
    return result ? 0 : Refused(result.Message);
  }

  const TCollectionArguments& args_;
  TToolFolders folders_;
  std::string userName_;
  TCollectionSession session_;
  TTranslator translator_;
  std::string error_;
};

}  // namespace

int RunCollection(const TArguments& args) {
  const TCollectionArguments arguments = ParseCollectionArguments(args);
  if (arguments.HelpWanted) {
    std::cout << kCollectionHelp;
    return 0;
  }
  if (!arguments.Error.empty()) return Usage(arguments.Error);
  return TCollectionRun(arguments).Run();
}

}  // namespace novlet::tool
