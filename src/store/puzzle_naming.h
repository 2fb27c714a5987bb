// How puzzles are named in the files.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/date_time.h"

// How puzzles are named in the files: every section is UserName + "@" +
// puzzle name, and the first "@" ends the account part, so accounts sharing
// a folder keep separate collections and a puzzle name may hold "@" itself.
namespace novlet {

std::string AccountPrefix(std::string_view userName);
std::string CollectionSectionName(std::string_view userName, std::string_view bareName);

// Whether the section belongs to the account (exact letter case).
bool IsAccountSection(std::string_view section, std::string_view userName);

// Everything after the first "@"; the whole name when it holds none.
std::string BarePuzzleName(std::string_view section);

// The name a puzzle gets when none was given: UserName + "@" + its creation
// time as "December 5 2026 19:17:16", with the caller's month names.
std::string DefaultPuzzleName(std::string_view userName, TDateTime created,
                              const std::array<std::string_view, 12>& monthNames = kEnglishMonthNames);

// The first of base, "base (2)", "base (3)", ... that is not taken, asked in
// that order: the name a new puzzle gets where its own is taken, so that
// nothing stored is ever overwritten by an import or a second puzzle made in
// the same second. The caller's predicate decides what "taken" means (it
// should ignore letter case, as section look-ups do).
std::string FreePuzzleName(const std::function<bool(const std::string&)>& taken, std::string_view base);

// A name as the user typed it, without the blanks and control characters
// around it, and with any line break inside (a pasted text) made a blank, as
// a section name cannot hold one; empty means no name was given.
std::string TrimEnteredName(std::string_view typed);

}  // namespace novlet
