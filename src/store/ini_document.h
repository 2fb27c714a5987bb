// The INI text of the data files: scanning it, and editing it as a document.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The INI text the collection, export, backup and options files are made of:
// "[section]" lines, each followed by its "key=value" lines. Key look-ups
// ignore letter case, and section look-ups too except in the account part of
// a name (section_name.h); keys keep their written order and sections the
// order of their creation; lines this layer does not understand (comments,
// lines without "=") are kept as they are.
//
// A value the line syntax cannot carry as it is (one holding a line break,
// starting or ending with a blank, or starting and ending with a double
// quote) is written between double quotes with "\\", "\n" and "\r" standing
// for a backslash, a line feed and a carriage return; a value read between
// double quotes is unescaped the same way. Every other value is written and
// read literally, so the files of older versions read as before.
namespace novlet {

struct TIniEntry {
  std::string Key;
  std::string Value;
};

struct TIniSection {
  std::string Name;
  std::vector<TIniEntry> Entries;
};

// One section of a text, as views into it.
struct TIniSectionView {
  std::string_view Name;
  std::string_view Body;  // the lines after the section's header line

  std::optional<std::string> Value(std::string_view key) const;
  std::string ReadString(std::string_view key, std::string_view defaultValue) const;
  // Every key once, in written order, with the value of its first line.
  std::vector<std::string> KeyNames() const;
  std::vector<TIniEntry> Entries() const;
};

// The sections of a text in file order, without copying it: the fast path for
// reading a collection of thousands of puzzles.
std::vector<TIniSectionView> ScanIniSections(std::string_view text);

// The first of the sections of each name, in order: later sections of a name
// already seen are what no look-up would find.
std::vector<TIniSectionView> DistinctSections(const std::vector<TIniSectionView>& sections);
std::vector<std::string> DistinctSectionNames(const std::vector<TIniSectionView>& sections);

// One line of an INI text.
struct TIniLine {
  std::string_view Raw;      // with its line end
  std::string_view Content;  // without it
  std::optional<std::string_view> SectionName;  // on a header line
};

// Calls visit for each line; stops when visit returns false. Lines end at LF,
// CR LF or a lone CR.
void ForEachIniLine(std::string_view text, const std::function<bool(const TIniLine&)>& visit);

// Follows a text line by line and tells the lines of the sections of one
// name (headers included) from the others.
class TSectionFilter {
 public:
  explicit TSectionFilter(std::string_view section) : section_(section) {}
  bool InSection(const TIniLine& line);

 private:
  std::string section_;
  bool inside_ = false;
};

// The lines of a new section as a store writes it; nothing when a name is
// invalid.
std::optional<std::string> NewSectionText(std::string_view section, const std::vector<TIniEntry>& entries);

// Section names must fit on their header line; keys must not begin like a
// header or a comment, hold "=" or begin or end with a blank.
bool IsValidSectionName(std::string_view section);
bool IsValidKeyName(std::string_view key);

// A whole INI text, editable. The edits reject invalid names and then change
// nothing.
class TIniDocument {
 public:
  static TIniDocument Parse(std::string_view text);
  std::string Text() const;

  // Each name once (the first spelling), in file order.
  std::vector<std::string> SectionNames() const;
  std::optional<TIniSectionView> Section(std::string_view section) const;
  bool HasSection(std::string_view section) const { return Section(section).has_value(); }

  // Replaces the key's first line in place, or adds the key at the end of the
  // section, or adds the section at the end of the text.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Removes every section of that name.
  void EraseSection(std::string_view section);
  // Erases the section and writes it anew at the end with exactly these keys,
  // as a record is stored.
  bool ReplaceSection(std::string_view section, const std::vector<TIniEntry>& entries);
  // The same for many sections in one pass, in their order; of two of one
  // name the later wins.
  bool ReplaceSections(const std::vector<TIniSection>& sections);

 private:
  struct TSection {
    std::string Name;
    std::string Header;  // the header line with its line end
    std::string Body;
  };

  TSection* FindSection(std::string_view section);

  std::string preamble_;
  std::vector<TSection> sections_;
};

}  // namespace novlet
