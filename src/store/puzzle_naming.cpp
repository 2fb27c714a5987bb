// Section names of puzzles, default names and entered names.
#include "store/puzzle_naming.h"

#include "store/text_case.h"

namespace novlet {

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7F'; }

}  // namespace

std::string AccountPrefix(std::string_view userName) { return std::string(userName) + "@"; }

std::string CollectionSectionName(std::string_view userName, std::string_view bareName) {
  return AccountPrefix(userName) + std::string(bareName);
}

bool IsAccountSection(std::string_view section, std::string_view userName) {
  return section.size() > userName.size() && section.starts_with(userName) && section[userName.size()] == '@';
}

std::string BarePuzzleName(std::string_view section) {
  const std::size_t at = section.find('@');
  return std::string(at == std::string_view::npos ? section : section.substr(at + 1));
}

std::string DefaultPuzzleName(std::string_view userName, TDateTime created,
                              const std::array<std::string_view, 12>& monthNames) {
  return CollectionSectionName(userName, FormatCreationDateTime(created, monthNames));
}

std::string FreePuzzleName(const std::function<bool(const std::string&)>& taken, std::string_view base) {
  std::string name(base);
  for (int number = 2; taken(name); ++number) name = std::string(base) + " (" + std::to_string(number) + ")";
  return name;
}

std::string TrimEnteredName(std::string_view typed) {
  while (!typed.empty() && IsBlankOrControl(typed.front())) typed.remove_prefix(1);
  while (!typed.empty() && IsBlankOrControl(typed.back())) typed.remove_suffix(1);
  std::string name(typed);
  for (char& c : name) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return name;
}

}  // namespace novlet
