// What the user is told after Export, Import, Backup All or Restore All.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "store/collection_transfer.h"
#include "store/text_lookup.h"

namespace novlet {

// The notice for a transfer from `source`, or nothing when all went well: a
// refusal's own message; that damaged records were left out, with their
// count; that the source held nothing to copy. The page shows it in its
// message box and the command line on its error output, so that neither
// ever lets a transfer that did less than asked pass as done.
std::optional<std::string> TransferNotice(const TTransferResult& result, const std::filesystem::path& source,
                                          const TTextLookup& text);

// The text with "%1" replaced by the value.
std::string WithArgument(std::string text, const std::string& value);

}  // namespace novlet
