// The built-in English texts of every text id.
#include "store/language/text_ids.h"

#include <algorithm>
#include <array>

namespace novlet {
namespace {

using namespace TextId;

constexpr TBuiltInText kTexts[] = {
    {Ok, "Ok", ""},
    {Cancel, "Cancel", ""},
    {NameYes, "Yes", ""},
    {NameNo, "No", ""},
    {SaveNovletAs, "Save Novlet as...", ""},
    {EnterAName, "Please enter a name", ""},
    {AlreadyExists, "\" already exists, overwrite existing Novlet?", ""},
    {DeleteQuestion, "Delete \"", ""},
    {ImportTitle, "Import Novlet puzzle(s)", ""},
    {ExportTitle, "Export Novlet puzzle", ""},
    {ExportAllTitle, "Export Novlet puzzles", ""},
    {HelpBtn, "?", "Corvex Novlet Online Help"},
    {InfoBtn, "i", "Show About Corvex Novlet"},
    {MinimizeBtn, "_", "Minimize Corvex Novlet"},
    {HideBtn, "x", "Quit Corvex Novlet"},
    {WebsiteBtn, "", "Go to the Corvex Software website"},
    {PureShape, "3 x 3 (Pure Novlet)", ""},
    {Variants, "Variants", ""},
    {PlayNSolvePage, "Play & Solve", ""},
    {PlayNew, "New", "Generate a new Novlet"},
    {PlaySave, "Save", "Save Novlet"},
    {PlayPrint, "Print", "Print Novlet"},
    {PlayClipboard, "Clipboard", "Paste Novlet to the Windows clipboard"},
    {Pause, "Pause", "Pause solving"},
    {Continue, "Continue", "Continue solving"},
    {Restart, "Restart", "Restart solving"},
    {Undo, "Undo", "Undo the last entry"},
    {Hint, "Hint", "Give one hint"},
    {Errors, "Errors", "Show errors"},
    {Solution, "Solution", "Show the solution"},
    {PlayAlternatives, "Alternatives", ""},
    {PencilNote, "Pencil Note", ""},
    {Time, "Time ", ""},
    {Pausing, "Pausing", ""},
    {PlayThinking, "Thinking", ""},
    {PuzzleSolution, "Puzzle Solution", ""},
    {PuzzleSolved, "Puzzle Solved!", ""},
    {PlayStrip, "",
     "Select a cell and click here to enter a value or ctrl + click to enter a pencil note or shift + click to "
     "highlight a value"},
    {NothingGenerated, "No puzzle could be made this time. Please try again.", ""},
    {EnterNDesignPage, "Enter & Design", ""},
    {DesignNew, "New", "Clear all cells and enter or design a new Novlet"},
    {DesignSave, "Save", "Save Novlet"},
    {DesignPlayNSolve, "Play & Solve", "Play & Solve current Novlet"},
    {DesignPrint, "Print", "Print Novlet"},
    {DesignClipboard, "Clipboard", "Paste Novlet to the Windows clipboard"},
    {CheckPuzzle, "Check Puzzle", "Check if puzzle can be solved"},
    {Generate, "Generate", "Generate a new Novlet"},
    {DesignModeBtn, "Design Mode", "Switch to design mode"},
    {PuzzleModeBtn, "Puzzle Mode", "Switch to puzzle mode"},
    {MakePuzzle, "Puzzle", "Generate Puzzle"},
    {Complete, "Complete", "Fill all cells and complete Novlet"},
    {DesignAlternatives, "Alternatives", ""},
    {Validating, "Validating...", ""},
    {PuzzleInvalid, "Puzzle Invalid", ""},
    {PuzzleSolvable, "Puzzle Solvable", ""},
    {PuzzleModeName, "Puzzle Mode", ""},
    {DesignModeName, "Design Mode", ""},
    {DesignThinking, "Thinking", ""},
    {DesignStrip, "", "Select a cell and click here to enter a value and ctrl + click to enter a pencil note"},
    {MyNovletsPage, "My Novlets", ""},
    {MyNovletsHeader, "My Novlets", ""},
    {Rename, "Rename", "Rename current Novlet"},
    {Delete, "Delete", "Delete current Novlet"},
    {Import, "Import", "Import Novlet puzzles"},
    {Export, "Export", "Export current Novlet puzzle"},
    {ExportAll, "Export All", "Export all Novlet puzzles"},
    {CollectionPlayNSolve, "Play & Solve", "Play & Solve current Novlet"},
    {ReplayNSolve, "Replay & Solve", "Replay & Solve current Novlet"},
    {CollectionEnterNDesign, "Enter & Design", "Enter & Design current Novlet"},
    {BackupAll, "Backup All", "Make a backup of My Novlet puzzles"},
    {BackupQuestion, "Create a backup off all Novlet puzzles? A previous backup will be overwritten.", ""},
    {RestoreAll, "Restore All", "Restore My Novlet puzzles from a previous backup"},
    {RestoreQuestion, "Restore Novlet puzzles from latest backup? Current Novlet puzzles will be overwritten.", ""},
    {OptionsPage, "Options", ""},
    {OptionsHeader, "Options", ""},
    {BackgroundColorHeader, "Background Color", ""},
    {BackgroundColorBtn, "Select...", "Select a background color"},
    {ContrastColorHeader, "Contrast Color", ""},
    {ContrastColorBtn, "Select...", "Select a contrast color"},
    {ContrastPuzzle, "Contrast Puzzle", "Use the contrast color for the puzzle - Click to (de)activate this option"},
    {RulerColorHeader, "Ruler Color", ""},
    {RulerColorBtn, "Select...", "Select a ruler color"},
    {RulerVisible, "Ruler Visible", "Show ruler when solving - Click to (de)activate this option"},
    {FontHeader, "Font", ""},
    {FontBtn, "Select...", "Select a font"},
    {DisplaySet, "Display Set", ""},
    {Level, "Level", ""},
    {Rookie, "Rookie", ""},
    {Normal, "Normal", ""},
    {Skilled, "Skilled", ""},
    {Expert, "Expert", ""},
    {Hints, "Hints", "Enable hints when solving - Click to (de)activate this option"},
    {ErrorsOption, "Errors", "Show errors for cells when solving - Click to (de)activate this option"},
    {AlternativesOption, "Alternatives", "Show alternatives for cells when solving - Click to (de)activate this option"},
    {TimeLimited, "Time Limited", "Use a time limit when solving - Click to (de)activate this option"},
    {TimeLimit, "", "Enter Hour:Minute:Second"},
    {DesktopShortcut, "Show Shortcut On Desktop",
     "Shows or hides a Corvex Novlet icon on your Desktop - Click to (de)activate this option"},
    {Language, "Language", ""},
    {ScreenSize, "Screen Size", ""},
    {Automatic, "Automatic", ""},
    {Ignore, "Ignore", ""},
    {DefaultOptions, "Default Options", ""},
    {QuitBtn, "Quit", "Quit Corvex Novlet"},
    {QuitQuestion, "Do you really want to close Corvex Novlet?", ""},
    {QuitExplanation, "Click Yes to quit and No to continue.", ""},
    {About, "About Corvex Novlet", ""},
    {AboutWebsite, "", "Go to the Corvex Software website"},
    {AboutClose, "Close", ""},
    {AboutHide, "x", "Close About Corvex Novlet"},
    {Yes, "Yes", ""},
    {No, "No", ""},
    {OriginCorvex, "Corvex", ""},
    {OriginSelf, "Self Designed", ""},
    {OriginImported, " (imported)", ""},
    {StatusPlaying, "Playing", ""},
    {StatusSolution, "Solution", ""},
    {StatusDesigning, "Designing", ""},
    {Created, "Created ", ""},
    {LevelPrefix, "Level ", ""},
    {TimeLimitPrefix, " (Time Limit ", ""},
    {TimePlayed, "Time Played ", ""},
    {Origin, "Origin ", ""},
    {Status, "Status ", ""},
    {Entries, " Entries      ", ""},
    {Pauses, " Pauses       ", ""},
    {HintsCount, " Hints        ", ""},
    {ErrorsCount, " Errors       ", ""},
    {Restarts, " Restarts     ", ""},
    {AlternativesCount, " Alternatives ", ""},
};

constexpr std::array kSortedTexts = [] {
  std::array<TBuiltInText, std::size(kTexts)> sorted{};
  std::copy(std::begin(kTexts), std::end(kTexts), sorted.begin());
  std::sort(sorted.begin(), sorted.end(), [](const TBuiltInText& a, const TBuiltInText& b) { return a.Id < b.Id; });
  return sorted;
}();

}  // namespace

std::span<const TBuiltInText> BuiltInTexts() { return kSortedTexts; }

TBuiltInText BuiltInText(int id) {
  const auto found = std::lower_bound(kSortedTexts.begin(), kSortedTexts.end(), id,
                                      [](const TBuiltInText& text, int wanted) { return text.Id < wanted; });
  if (found == kSortedTexts.end() || found->Id != id) return {id, "", ""};
  return *found;
}

}  // namespace novlet
