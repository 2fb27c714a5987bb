#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "store/puzzle_record.h"

// The name-entry flow of a Save: the player names the puzzle, and is asked
// before an existing puzzle of that name is overwritten.
namespace novlet {

// The two questions the flow asks; the window shows its own boxes, tests
// answer them directly.
struct TNameEntryDialogs {
  // The entered text, or empty for Cancel.
  std::function<QString(const QString& message, const QString& ok, const QString& cancel, const QString& initial)>
      AskName;
  // True for "Yes".
  std::function<bool(const QString& message, const QString& yes, const QString& no)> AskYesNo;
};

using TTextTranslator = std::function<QString(int textId, const QString& builtIn)>;

// Asks for the name, starting from the record's bare name. Returns the
// section to store under, or nothing when the player cancelled, gave no
// name, or refused to overwrite. A new name gives the record's Name the new
// section (the account part of `section`, or of the user's account when the
// section has none, followed by the name).
std::optional<std::string> RunNameEntryFlow(const std::filesystem::path& file, const std::string& section,
                                            const std::string& userName, TNovletFileData& record,
                                            const TNameEntryDialogs& dialogs, const TTextTranslator& translate);

}  // namespace novlet
