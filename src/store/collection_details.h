// What the collection page and the command line show of one stored puzzle.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "store/date_time.h"
#include "store/options_record.h"
#include "store/puzzle_record.h"
#include "store/text_lookup.h"

namespace novlet {

// A collection puzzle as it stands in the file at the moment it is read.
struct TCollectionEntry {
  bool Found = false;
  // The record reads: its details can be shown, and it can be played or
  // designed.
  bool Readable = false;
  // Every board of the record is complete (IsWholePuzzleRecord), so Rename
  // may write it anew.
  bool Whole = false;
  TNovletFileData Record;
};

TCollectionEntry ReadCollectionEntry(const std::filesystem::path& collectionFile, std::string_view section);

// The language the details are told in.
struct TDetailsLanguage {
  TTextLookup Text;
  // The items of the Options page's level list.
  std::array<std::string, kLevelCount> LevelNames;
  std::array<std::string_view, 12> MonthNames = kEnglishMonthNames;
};

// The pieces of the language: the level names from the level ids, the month
// names as given.
TDetailsLanguage DetailsLanguage(const TTextLookup& text,
                                 const std::array<std::string_view, 12>& monthNames = kEnglishMonthNames);

// The eight lines of the details text, "\n" between them: creation time,
// level with box shape and time limit, time played, origin, status, an empty
// line, and the six counters in two rows of three, TAB between them. A level
// outside the list shows its number.
std::string PuzzleDetailsText(const TNovletFileData& record, const TDetailsLanguage& language);

// "hh:mm:ss" of a duration with the hours in full, so that 25 hours of play
// read "25:00:00", never "01:00:00"; milliseconds are dropped.
std::string FormatDuration(TDateTime duration);

}  // namespace novlet
