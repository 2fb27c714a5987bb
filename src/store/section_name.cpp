// Comparing section names: the account part exactly, the puzzle name ignoring case.
#include "store/section_name.h"

#include <array>

#include "store/text_case.h"

namespace novlet {

namespace {

constexpr std::array<std::string_view, 3> kAccountSuffixes{kOptionsSuffix, kLastPlayNSolveSuffix,
                                                           kLastEnterNDesignSuffix};

std::size_t AccountPartLength(std::string_view section) {
  if (const std::size_t at = section.find('@'); at != std::string_view::npos) return at + 1;
  for (const std::string_view suffix : kAccountSuffixes) {
    if (section.size() >= suffix.size() &&
        EqualsIgnoringCase(section.substr(section.size() - suffix.size()), suffix)) {
      return section.size() - suffix.size();
    }
  }
  return 0;
}

}  // namespace

bool SameSectionName(std::string_view a, std::string_view b) {
  const std::size_t account = AccountPartLength(a);
  return account == AccountPartLength(b) && a.substr(0, account) == b.substr(0, account) &&
         EqualsIgnoringCase(a.substr(account), b.substr(account));
}

std::string SectionNameKey(std::string_view section) {
  const std::size_t account = AccountPartLength(section);
  // A section name never holds a line break, so none can pass for the border
  // between the two parts.
  return std::string(section.substr(0, account)) + '\n' + ChangeCase(section.substr(account), 1);
}

}  // namespace novlet
