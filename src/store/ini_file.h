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
// A missing section is nothing to do: success, and the file is not rewritten.
TStoreResult EraseIniSection(const std::filesystem::path& path, std::string_view section);
// Erases the section and writes it anew at the end with these entries.
TStoreResult ReplaceIniSection(const std::filesystem::path& path, std::string_view section,
                               const std::vector<TIniEntry>& entries);

// How a streamed rewrite (RewriteIniFile) ends: with a text added at the end
// of the file, with no change at all, or refused with the failure's message;
// in the last two cases nothing is written.
struct TIniRewriteEnd {
  TStoreResult Result;
  bool Unchanged = false;
  std::string Added;  // whole lines: a section as NewSectionText makes it

  static TIniRewriteEnd Adding(std::string text) { return {TStoreResult::Success(), false, std::move(text)}; }
  static TIniRewriteEnd NoChange() { return {TStoreResult::Success(), true, {}}; }
  static TIniRewriteEnd Refused(std::string message) { return {TStoreResult::Failure(std::move(message)), false, {}}; }
};

// Streams the file, under its lock, into its atomic replacement without every
// section of the dropped names, then lets finish decide the end, given the
// first section of the first dropped name as the file held it. The file is
// read once and written once, and never held whole: this is what keeps
// Rename and Delete quick on a collection of tens of megabytes. Every line
// outside the dropped sections is kept byte for byte.
// Every line read also goes to observe, when given: what the file holds under
// the lock, for a finish that decides by it.
TStoreResult RewriteIniFile(const std::filesystem::path& path, const std::vector<std::string_view>& dropped,
                            const std::function<TIniRewriteEnd(const std::optional<TIniSectionCopy>&)>& finish,
                            const std::function<void(const TIniLine&)>& observe = {});

// Reads the file (missing: empty), lets edit change the document, and writes
// the result back in one atomic replacement, so that a batch of changes
// either all reach the file or none does. An edit that returns a failure
// cancels: nothing is written and its message is the result.
TStoreResult EditIniFile(const std::filesystem::path& path,
                         const std::function<TStoreResult(TIniDocument&)>& edit);

}  // namespace novlet
