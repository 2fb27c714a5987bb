// The INI text layer: parsing, scanning and editing the text of the data files.
#include "store/ini_document.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "store/section_name.h"
#include "store/text_case.h"

namespace novlet {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// One line of a text: its content without the line end, and the offset just
// past the line end.
struct TLine {
  std::string_view Content;
  std::size_t Begin;
  std::size_t Next;
};

// Calls visit(line) for each line; stops early when visit returns false.
// Lines end at LF, CR LF or a lone CR, so that no name or value read from a
// file can hold a line break the writer could not put back.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  const auto find = [&](char c, std::size_t from) {
    if (from >= text.size()) return text.size();
    const void* found = std::memchr(text.data() + from, c, text.size() - from);
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) : text.size();
  };
  // Each search result is kept until passed, so the scan stays linear.
  std::size_t nextLineFeed = find('\n', 0);
  std::size_t nextReturn = find('\r', 0);
  std::size_t begin = 0;
  while (begin < text.size()) {
    if (nextLineFeed < begin) nextLineFeed = find('\n', begin);
    if (nextReturn < begin) nextReturn = find('\r', begin);
    const std::size_t end = std::min(nextLineFeed, nextReturn);
    std::size_t next = end;
    if (end < text.size()) {
      next = end + 1;
      if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    }
    if (!visit(TLine{text.substr(begin, end - begin), begin, next})) return;
    begin = next;
  }
}

// The section name of a header line, or nothing when the line is no header.
// The name ends at the line's last "]", so that names holding "]" read back.
std::optional<std::string_view> HeaderName(std::string_view line) {
  std::size_t first = 0;
  while (first < line.size() && IsBlank(line[first])) ++first;
  if (first == line.size() || line[first] != '[') return std::nullopt;
  const std::string_view rest = line.substr(first + 1);
  const std::size_t close = rest.rfind(']');
  return close == std::string_view::npos ? rest : rest.substr(0, close);
}

struct TKeyLine {
  std::string_view Key;
  std::string_view RawValue;
};

std::optional<TKeyLine> ParseKeyLine(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const std::string_view key = TrimBlanks(trimmed.substr(0, equals));
  if (key.empty()) return std::nullopt;
  return TKeyLine{key, TrimBlanks(trimmed.substr(equals + 1))};
}

bool IsQuoted(std::string_view value) {
  return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

std::string DecodeValue(std::string_view raw) {
  if (!IsQuoted(raw)) return std::string(raw);
  const std::string_view inner = raw.substr(1, raw.size() - 2);
  std::string value;
  value.reserve(inner.size());
  for (std::size_t i = 0; i < inner.size(); ++i) {
    if (inner[i] == '\\' && i + 1 < inner.size()) {
      const char next = inner[i + 1];
      if (next == '\\' || next == 'n' || next == 'r') {
        value += next == 'n' ? '\n' : next == 'r' ? '\r' : '\\';
        ++i;
        continue;
      }
    }
    value += inner[i];
  }
  return value;
}

bool NeedsQuoting(std::string_view value) {
  if (value.empty()) return false;
  return value.find_first_of("\r\n") != std::string_view::npos || IsBlank(value.front()) ||
         IsBlank(value.back()) || IsQuoted(value);
}

std::string EncodeValue(std::string_view value) {
  if (!NeedsQuoting(value)) return std::string(value);
  std::string encoded = "\"";
  for (const char c : value) {
    if (c == '\\') encoded += "\\\\";
    else if (c == '\n') encoded += "\\n";
    else if (c == '\r') encoded += "\\r";
    else encoded += c;
  }
  return encoded + "\"";
}

std::string KeyLine(std::string_view key, std::string_view value) {
  std::string line(key);
  line += '=';
  line += EncodeValue(value);
  line += '\n';
  return line;
}

bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

void AppendWithLineBreak(std::string& text, std::string_view piece) {
  if (!text.empty() && !IsLineBreak(text.back())) text += '\n';
  text += piece;
}

// A section of a text and where its header line starts.
struct TLocatedSection {
  TIniSectionView View;
  std::size_t HeaderBegin;
};

std::vector<TLocatedSection> LocateSections(std::string_view text) {
  std::vector<TLocatedSection> sections;
  const auto endBodyAt = [&](std::size_t end) {
    if (sections.empty()) return;
    auto& body = sections.back().View.Body;
    body = std::string_view(body.data(), text.data() + end - body.data());
  };
  ForEachLine(text, [&](const TLine& line) {
    if (const auto name = HeaderName(line.Content)) {
      endBodyAt(line.Begin);
      sections.push_back({{*name, text.substr(line.Next, 0)}, line.Begin});
    }
    return true;
  });
  endBodyAt(text.size());
  return sections;
}

}  // namespace

std::optional<std::string> TIniSectionView::Value(std::string_view key) const {
  std::optional<std::string> value;
  ForEachLine(Body, [&](const TLine& line) {
    const auto keyLine = ParseKeyLine(line.Content);
    if (keyLine && EqualsIgnoringCase(keyLine->Key, key)) value = DecodeValue(keyLine->RawValue);
    return !value;
  });
  return value;
}

std::string TIniSectionView::ReadString(std::string_view key, std::string_view defaultValue) const {
  auto value = Value(key);
  return value ? std::move(*value) : std::string(defaultValue);
}

std::vector<std::string> TIniSectionView::KeyNames() const {
  std::vector<std::string> names;
  for (auto& entry : Entries()) names.push_back(std::move(entry.Key));
  return names;
}

std::vector<TIniEntry> TIniSectionView::Entries() const {
  std::vector<TIniEntry> entries;
  // A set rather than a search of the list, so that a handed file with a
  // huge section cannot make this quadratic.
  std::unordered_set<std::string> seen;
  ForEachLine(Body, [&](const TLine& line) {
    const auto keyLine = ParseKeyLine(line.Content);
    if (keyLine && seen.insert(ChangeCase(keyLine->Key, 1)).second) {
      entries.push_back({std::string(keyLine->Key), DecodeValue(keyLine->RawValue)});
    }
    return true;
  });
  return entries;
}

std::vector<TIniSectionView> ScanIniSections(std::string_view text) {
  std::vector<TIniSectionView> sections;
  for (const auto& located : LocateSections(text)) sections.push_back(located.View);
  return sections;
}

std::vector<TIniSectionView> DistinctSections(const std::vector<TIniSectionView>& sections) {
  std::vector<TIniSectionView> distinct;
  distinct.reserve(sections.size());
  std::unordered_set<std::string> seen;
  for (const auto& section : sections) {
    if (seen.insert(SectionNameKey(section.Name)).second) distinct.push_back(section);
  }
  return distinct;
}

std::vector<std::string> DistinctSectionNames(const std::vector<TIniSectionView>& sections) {
  std::vector<std::string> names;
  for (const auto& section : DistinctSections(sections)) names.emplace_back(section.Name);
  return names;
}

void ForEachIniLine(std::string_view text, const std::function<bool(const TIniLine&)>& visit) {
  ForEachLine(text, [&](const TLine& line) {
    return visit(TIniLine{text.substr(line.Begin, line.Next - line.Begin), line.Content, HeaderName(line.Content)});
  });
}

bool TSectionFilter::InSection(const TIniLine& line) {
  if (line.SectionName) inside_ = SameSectionName(*line.SectionName, section_);
  return inside_;
}

std::optional<std::string> NewSectionText(std::string_view section, const std::vector<TIniEntry>& entries) {
  if (!IsValidSectionName(section) ||
      !std::all_of(entries.begin(), entries.end(), [](const TIniEntry& entry) { return IsValidKeyName(entry.Key); })) {
    return std::nullopt;
  }
  std::string text = "[" + std::string(section) + "]\n";
  for (const auto& entry : entries) text += KeyLine(entry.Key, entry.Value);
  return text;
}

bool IsValidSectionName(std::string_view section) {
  return section.find_first_of("\r\n") == std::string_view::npos;
}

bool IsValidKeyName(std::string_view key) {
  return !key.empty() && key.find_first_of("=\r\n") == std::string_view::npos &&
         key.front() != '[' && key.front() != ';' && !IsBlank(key.front()) && !IsBlank(key.back());
}

TIniDocument TIniDocument::Parse(std::string_view text) {
  TIniDocument document;
  const auto sections = LocateSections(text);
  document.preamble_ = std::string(text.substr(0, sections.empty() ? text.size() : sections.front().HeaderBegin));
  document.sections_.reserve(sections.size());
  for (const auto& [view, headerBegin] : sections) {
    const auto bodyBegin = static_cast<std::size_t>(view.Body.data() - text.data());
    document.sections_.push_back({std::string(view.Name), std::string(text.substr(headerBegin, bodyBegin - headerBegin)),
                                  std::string(view.Body)});
  }
  return document;
}

std::string TIniDocument::Text() const {
  std::size_t size = preamble_.size();
  for (const auto& section : sections_) size += section.Header.size() + section.Body.size() + 1;
  std::string text;
  text.reserve(size);
  text += preamble_;
  for (const auto& section : sections_) {
    AppendWithLineBreak(text, section.Header);
    AppendWithLineBreak(text, section.Body);
  }
  return text;
}

std::vector<std::string> TIniDocument::SectionNames() const {
  std::vector<TIniSectionView> views;
  views.reserve(sections_.size());
  for (const auto& section : sections_) views.push_back({section.Name, section.Body});
  return DistinctSectionNames(views);
}

std::optional<TIniSectionView> TIniDocument::Section(std::string_view section) const {
  for (const auto& candidate : sections_) {
    if (SameSectionName(candidate.Name, section)) return TIniSectionView{candidate.Name, candidate.Body};
  }
  return std::nullopt;
}

TIniDocument::TSection* TIniDocument::FindSection(std::string_view section) {
  for (auto& candidate : sections_) {
    if (SameSectionName(candidate.Name, section)) return &candidate;
  }
  return nullptr;
}

bool TIniDocument::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (!IsValidSectionName(section) || !IsValidKeyName(key)) return false;
  TSection* target = FindSection(section);
  if (!target) {
    sections_.push_back({std::string(section), "[" + std::string(section) + "]\n", KeyLine(key, value)});
    return true;
  }
  std::optional<TLine> keyLine;
  std::size_t endOfLastContent = 0;
  ForEachLine(target->Body, [&](const TLine& line) {
    const auto parsed = ParseKeyLine(line.Content);
    if (parsed && EqualsIgnoringCase(parsed->Key, key)) {
      keyLine = line;
      return false;
    }
    if (!TrimBlanks(line.Content).empty()) endOfLastContent = line.Next;
    return true;
  });
  std::string newLine = KeyLine(key, value);
  if (keyLine) {
    // The line keeps its own line end, whatever style the file uses.
    newLine.pop_back();
    const std::size_t contentEnd = keyLine->Begin + keyLine->Content.size();
    target->Body.replace(keyLine->Begin, contentEnd - keyLine->Begin, newLine);
  } else {
    if (endOfLastContent > 0 && !IsLineBreak(target->Body[endOfLastContent - 1])) {
      target->Body.insert(endOfLastContent++, "\n");
    }
    target->Body.insert(endOfLastContent, newLine);
  }
  return true;
}

void TIniDocument::EraseSection(std::string_view section) {
  std::erase_if(sections_, [&](const TSection& candidate) { return SameSectionName(candidate.Name, section); });
}

bool TIniDocument::ReplaceSection(std::string_view section, const std::vector<TIniEntry>& entries) {
  return ReplaceSections({{std::string(section), entries}});
}

bool TIniDocument::ReplaceSections(const std::vector<TIniSection>& sections) {
  const bool valid = std::all_of(sections.begin(), sections.end(), [](const TIniSection& section) {
    return IsValidSectionName(section.Name) &&
           std::all_of(section.Entries.begin(), section.Entries.end(),
                       [](const TIniEntry& entry) { return IsValidKeyName(entry.Key); });
  });
  if (!valid) return false;
  // Sets of folded names keep this linear for a file with thousands of
  // sections, whoever made it.
  std::unordered_set<std::string> replaced;
  std::vector<const TIniSection*> added;
  for (auto it = sections.rbegin(); it != sections.rend(); ++it) {
    if (replaced.insert(SectionNameKey(it->Name)).second) added.push_back(&*it);
  }
  std::erase_if(sections_, [&](const TSection& kept) { return replaced.contains(SectionNameKey(kept.Name)); });
  for (auto it = added.rbegin(); it != added.rend(); ++it) {
    TSection section{(*it)->Name, "[" + (*it)->Name + "]\n", {}};
    for (const auto& entry : (*it)->Entries) section.Body += KeyLine(entry.Key, entry.Value);
    sections_.push_back(std::move(section));
  }
  return true;
}

}  // namespace novlet
