// The profile operations on INI files by path: streamed reads, and locked, atomic changes.
#include "store/ini_file.h"

#include <unordered_set>

#include "store/atomic_file.h"
#include "store/data_file_lock.h"
#include "store/section_name.h"

namespace novlet {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A byte-order mark written by some editors would otherwise glue itself to
// the first section's name.
void DropByteOrderMark(std::string& text) {
  // Every leading mark goes: a file saved twice by such an editor carries two,
  // and dropping only one would leave the second to be dropped by the next
  // read, after a store, changing what the first line means.
  while (text.starts_with(kByteOrderMark)) text.erase(0, kByteOrderMark.size());
}

// Where the complete lines of a text end, looking for line ends from `from`
// on: a CR at the very end may be the first half of a CR LF still to come.
std::size_t EndOfCompleteLines(std::string_view text, std::size_t from) {
  for (std::size_t i = text.size(); i > from; --i) {
    const char c = text[i - 1];
    if (c == '\n' || (c == '\r' && i < text.size())) return i;
  }
  return 0;
}

// Streams the file's lines to visit, until it returns false.
TFileReadResult ForEachFileLine(const std::filesystem::path& path,
                                const std::function<bool(const TIniLine&)>& visit) {
  std::string pending;
  bool first = true;
  bool stopped = false;
  const auto visitUpTo = [&](std::size_t end) {
    ForEachIniLine(std::string_view(pending).substr(0, end), [&](const TIniLine& line) {
      stopped = !visit(line);
      return !stopped;
    });
    pending.erase(0, end);
  };
  auto read = ReadFileInPieces(path, [&](std::string_view piece) {
    // Lines already cut off end before the pending text, except a held CR.
    const std::size_t searchFrom = pending.empty() ? 0 : pending.size() - 1;
    pending += piece;
    if (std::exchange(first, false)) DropByteOrderMark(pending);
    visitUpTo(EndOfCompleteLines(pending, searchFrom));
    return !stopped;
  });
  if (read.Status == TFileReadStatus::Read && !stopped) visitUpTo(pending.size());
  return read;
}

}  // namespace

TFileContent ReadIniFile(const std::filesystem::path& path) {
  auto content = ReadWholeFile(path);
  DropByteOrderMark(content.Text);
  return content;
}

std::string ReadIniText(const std::filesystem::path& path) { return std::move(ReadIniFile(path).Text); }

std::vector<std::string> ReadIniSectionNames(const std::filesystem::path& path) {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
  ForEachFileLine(path, [&](const TIniLine& line) {
    if (line.SectionName && seen.insert(SectionNameKey(*line.SectionName)).second) {
      names.emplace_back(*line.SectionName);
    }
    return true;
  });
  return names;
}

std::optional<TIniSectionCopy> ReadIniSectionFromFile(const std::filesystem::path& path, std::string_view section) {
  std::optional<TIniSectionCopy> found;
  ForEachFileLine(path, [&](const TIniLine& line) {
    if (line.SectionName) {
      if (found) return false;
      if (SameSectionName(*line.SectionName, section)) found = TIniSectionCopy{std::string(*line.SectionName), {}};
    } else if (found) {
      found->Body += line.Raw;
    }
    return true;
  });
  return found;
}

std::vector<std::string> ReadIniKeyNames(const std::filesystem::path& path, std::string_view section) {
  const auto found = ReadIniSectionFromFile(path, section);
  return found ? found->View().KeyNames() : std::vector<std::string>{};
}

std::string ReadIniString(const std::filesystem::path& path, std::string_view section,
                          std::string_view key, std::string_view defaultValue) {
  const auto found = ReadIniSectionFromFile(path, section);
  return found ? found->View().ReadString(key, defaultValue) : std::string(defaultValue);
}

bool IniSectionExists(const std::filesystem::path& path, std::string_view section) {
  bool exists = false;
  ForEachFileLine(path, [&](const TIniLine& line) {
    exists = line.SectionName && SameSectionName(*line.SectionName, section);
    return !exists;
  });
  return exists;
}

TStoreResult WriteIniString(const std::filesystem::path& path, std::string_view section,
                            std::string_view key, std::string_view value) {
  return EditIniFile(path, [&](TIniDocument& document) {
    return document.WriteString(section, key, value) ? TStoreResult::Success()
                                                     : TStoreResult::Failure(UnableToWriteMessage(path));
  });
}

TStoreResult EraseIniSection(const std::filesystem::path& path, std::string_view section) {
  const auto result = RewriteIniFile(path, {section}, [](const std::optional<TIniSectionCopy>& erased) {
    return erased ? TIniRewriteEnd::Adding({}) : TIniRewriteEnd::NoChange();
  });
  // Erasing what is not there has nothing to write, so it cannot fail for
  // want of the lock or of a writable folder.
  return result || IniSectionExists(path, section) ? result : TStoreResult::Success();
}

TStoreResult ReplaceIniSection(const std::filesystem::path& path, std::string_view section,
                               const std::vector<TIniEntry>& entries) {
  auto added = NewSectionText(section, entries);
  if (!added) return TStoreResult::Failure(UnableToWriteMessage(path));
  return RewriteIniFile(path, {section}, [&](const std::optional<TIniSectionCopy>&) {
    return TIniRewriteEnd::Adding(std::move(*added));
  });
}

TStoreResult RewriteIniFile(const std::filesystem::path& path, const std::vector<std::string_view>& dropped,
                            const std::function<TIniRewriteEnd(const std::optional<TIniSectionCopy>&)>& finish,
                            const std::function<void(const TIniLine&)>& observe) {
  const TDataFileLock lock(path);
  if (!lock.Result()) return lock.Result();
  auto staged = TStagedFile::Begin(path);
  if (!staged.Result()) return staged.Result();
  std::vector<TSectionFilter> filters(dropped.begin(), dropped.end());
  std::optional<TIniSectionCopy> first;
  bool inFirst = false;
  bool endsWithLineBreak = true;
  const auto read = ForEachFileLine(path, [&](const TIniLine& line) {
    if (observe) observe(line);
    bool inDropped = false;
    for (auto& filter : filters) inDropped = filter.InSection(line) || inDropped;
    if (line.SectionName) {
      inFirst = !first && !dropped.empty() && SameSectionName(*line.SectionName, dropped.front());
      if (inFirst) first = TIniSectionCopy{std::string(*line.SectionName), {}};
    } else if (inFirst) {
      first->Body += line.Raw;
    }
    if (!inDropped) {
      staged.Write(line.Raw);
      endsWithLineBreak = line.Raw.size() > line.Content.size();
    }
    return true;
  });
  // Replacing a file we could not read would throw away whatever it holds.
  if (read.Status == TFileReadStatus::Unreadable) return TStoreResult::Failure(UnableToWriteMessage(path));
  auto end = finish(first);
  if (!end.Result || end.Unchanged) return end.Result;
  if (!end.Added.empty()) {
    if (!endsWithLineBreak) staged.Write("\n");
    staged.Write(end.Added);
  }
  return staged.Commit();
}

TStoreResult EditIniFile(const std::filesystem::path& path,
                         const std::function<TStoreResult(TIniDocument&)>& edit) {
  const TDataFileLock lock(path);
  if (!lock.Result()) return lock.Result();
  auto content = ReadIniFile(path);
  if (content.Status == TFileReadStatus::Unreadable) {
    return TStoreResult::Failure(UnableToWriteMessage(path));
  }
  auto document = TIniDocument::Parse(content.Text);
  content.Text.clear();
  content.Text.shrink_to_fit();
  if (auto result = edit(document); !result) return result;
  return ReplaceFileAtomically(path, document.Text());
}

}  // namespace novlet
