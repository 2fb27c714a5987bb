// Reading and changing INI files by path, one profile operation at a time.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/atomic_file.h"
#include "store/ini_document.h"
#include "store/store_result.h"

// The profile operations on INI files by path. Each one reads the file, works
// and, when it changes something, replaces the file atomically while holding
// the file's lock (data_file_lock.h); no file stays open between operations.
// A missing file reads as having no sections; a file that exists but cannot
// be read is never replaced. The operations on one section stream the file
// through a small buffer, so that a collection of many megabytes is never
// held whole for one record.
namespace novlet {

// A section read from a file, holding its own text.
struct TIniSectionCopy {
  std::string Name;
  std::string Body;
  TIniSectionView View() const { return {Name, Body}; }
};

// The file's whole text without a leading byte-order mark, and whether it
// could be read.
TFileContent ReadIniFile(const std::filesystem::path& path);
// The file's whole text: empty when the file is missing or unreadable.
std::string ReadIniText(const std::filesystem::path& path);

// Each name once (its first spelling), in file order.
std::vector<std::string> ReadIniSectionNames(const std::filesystem::path& path);
// The first section of that name.
std::optional<TIniSectionCopy> ReadIniSectionFromFile(const std::filesystem::path& path, std::string_view section);
std::vector<std::string> ReadIniKeyNames(const std::filesystem::path& path, std::string_view section);
std::string ReadIniString(const std::filesystem::path& path, std::string_view section,
                          std::string_view key, std::string_view defaultValue);
bool IniSectionExists(const std::filesystem::path& path, std::string_view section);

TStoreResult WriteIniString(const std::filesystem::path& path, std::string_view section,
                            std::string_view key, std::string_view value);
TStoreResult EraseIniSection(const std::filesystem::path& path, std::string_view section);
// Erases the section and writes it anew at the end with these entries.
TStoreResult ReplaceIniSection(const std::filesystem::path& path, std::string_view section,
                               const std::vector<TIniEntry>& entries);

// Reads the file (missing: empty), lets edit change the document, and writes
// the result back in one atomic replacement, so that a batch of changes
// either all reach the file or none does. An edit that returns a failure
// cancels: nothing is written and its message is the result.
TStoreResult EditIniFile(const std::filesystem::path& path,
                         const std::function<TStoreResult(TIniDocument&)>& edit);

}  // namespace novlet
