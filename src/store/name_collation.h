// The order of names as people read them, from ICU's collation.
#pragma once

#include <string>
#include <vector>

namespace novlet {

// One key per UTF-8 name whose byte order (as unsigned bytes, as std::string
// compares) is the order a person expects: letters with accents beside their
// base letter, just after it, and letter case ignored. The order is ICU's for
// the root locale, the same for every user and every language, so that the
// page and novlet-tool list a collection alike whatever locale each runs in.
// Bytes that are not UTF-8 order as U+FFFD.
std::vector<std::string> CollationKeys(const std::vector<std::string>& names);

}  // namespace novlet
