// How the section names of the data files compare: the account exactly, the rest ignoring case.
#pragma once

#include <string>
#include <string_view>

// Every section the program writes starts with the account name, and Linux
// account names are case-sensitive: "alice" and "Alice" are two people whose
// puzzles and options must never meet. The account part of a name is
// everything up to and including its first "@", or, in the options file,
// everything before ".Options", ".Last_PlayNSolve" or ".Last_EnterNDesign".
// It compares exactly; the rest (the puzzle name) ignores letter case, so that
// one account's "Ärger" and "ärger" are one puzzle. A name with no account
// part ignores case throughout.
namespace novlet {

inline constexpr std::string_view kOptionsSuffix = ".Options";
inline constexpr std::string_view kLastPlayNSolveSuffix = ".Last_PlayNSolve";
inline constexpr std::string_view kLastEnterNDesignSuffix = ".Last_EnterNDesign";

bool SameSectionName(std::string_view a, std::string_view b);

// Equal for exactly the names SameSectionName takes as one: the key of sets
// and maps of section names.
std::string SectionNameKey(std::string_view section);

}  // namespace novlet
