// Collation keys of names, made by ICU's root collator.
#include "store/name_collation.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "store/text_case.h"

namespace novlet {

namespace {

// A name past this length orders by its beginning (ties still go by the whole
// text elsewhere), so that a handed file cannot make a key of any size.
constexpr std::size_t kLongestCollated = 1 << 16;

}  // namespace

std::vector<std::string> CollationKeys(const std::vector<std::string>& names) {
  std::vector<std::string> keys;
  keys.reserve(names.size());
  UErrorCode status = U_ZERO_ERROR;
  const std::unique_ptr<UCollator, decltype(&ucol_close)> collator(ucol_open("", &status), &ucol_close);
  if (U_FAILURE(status)) {
    // Without the collation data, at least letter case is ignored.
    for (const auto& name : names) keys.push_back(ChangeCase(name, 1));
    return keys;
  }
  // Secondary strength: accents count, after the base letters; case does not.
  ucol_setStrength(collator.get(), UCOL_SECONDARY);
  std::u16string text;
  std::string key(64, '\0');
  for (const auto& name : names) {
    const auto bytes = static_cast<std::int32_t>(std::min(name.size(), kLongestCollated));
    // UTF-16 never needs more units than UTF-8 has bytes.
    text.resize(static_cast<std::size_t>(bytes) + 1);
    std::int32_t length = 0;
    UErrorCode converted = U_ZERO_ERROR;
    u_strFromUTF8WithSub(text.data(), static_cast<std::int32_t>(text.size()), &length, name.data(), bytes, 0xFFFD,
                         nullptr, &converted);
    if (U_FAILURE(converted)) length = 0;
    const auto keyInto = [&] {
      return ucol_getSortKey(collator.get(), text.data(), length, reinterpret_cast<std::uint8_t*>(key.data()),
                             static_cast<std::int32_t>(key.size()));
    };
    auto size = static_cast<std::size_t>(keyInto());
    if (size > key.size()) {
      key.resize(size);
      keyInto();
    }
    // Without the zero byte that ends every key.
    keys.emplace_back(key.data(), size > 0 ? size - 1 : 0);
  }
  return keys;
}

}  // namespace novlet
