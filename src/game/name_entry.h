// The name-entry flow of Save and Rename: the user names the puzzle, and is
// asked before an existing puzzle of that name is overwritten.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace novlet {

class TDialogs;
class TTranslator;

// Asks for a name, starting from the bare name of `recordName`. Returns the
// full section name to store under, or nothing when the user cancelled, gave
// no name, or refused to overwrite. An unchanged name gives `section` back;
// a new one gives the account part of `section` (of the user's account when
// it has none) followed by the name.
std::optional<std::string> RunNameEntryFlow(const std::filesystem::path& file, const std::string& section,
                                            const std::string& userName, const std::string& recordName,
                                            TDialogs& dialogs, const TTranslator& texts);

}  // namespace novlet
