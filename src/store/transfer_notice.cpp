// What the user is told after a transfer of puzzles.
#include "store/transfer_notice.h"

#include "store/language/text_ids.h"

namespace novlet {

std::string WithArgument(std::string text, const std::string& value) {
  const std::size_t at = text.find("%1");
  if (at != std::string::npos) text.replace(at, 2, value);
  return text;
}

std::optional<std::string> TransferNotice(const TTransferResult& result, const std::filesystem::path& source,
                                          const TTextLookup& text) {
  if (!result.Result) return result.Result.Message;
  if (result.SectionsSkipped > 0) {
    return WithArgument(text(TextId::DamagedLeftOut), std::to_string(result.SectionsSkipped));
  }
  if (result.SectionsCopied == 0) return WithArgument(text(TextId::NothingFound), source.string());
  return std::nullopt;
}

}  // namespace novlet
