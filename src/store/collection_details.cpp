// The details text of a stored puzzle, and reading a collection entry for it.
#include "store/collection_details.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "store/ini_file.h"
#include "store/language/text_ids.h"

namespace novlet {
namespace {

std::string Padded(std::int64_t value, std::size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

// A counter right-aligned in at least three places: 7 reads "  7", 1234 "1234".
std::string Counter(std::int32_t value) {
  std::string text = std::to_string(value);
  if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
  return text;
}

std::string OriginText(std::uint8_t origin, const TTextLookup& text) {
  std::string shown = "?";
  if (origin & OriginCorvex) {
    shown = text(TextId::OriginCorvex);
  } else if (origin & OriginSelf) {
    shown = text(TextId::OriginSelf);
  }
  if (origin & OriginImported) shown += text(TextId::OriginImported);
  return shown;
}

std::string StatusWord(std::uint8_t status, const TTextLookup& text) {
  switch (status) {
    case StatusPlaying:
    case StatusPaused: return text(TextId::StatusPlaying);
    case StatusFinished: return text(TextId::StatusSolution);
    case StatusDesignPuzzle:
    case StatusDesignMode: return text(TextId::StatusDesigning);
    default: return {};
  }
}

}  // namespace

TCollectionEntry ReadCollectionEntry(const std::filesystem::path& collectionFile, std::string_view section) {
  TCollectionEntry entry;
  const auto found = ReadIniSectionFromFile(collectionFile, section);
  if (!found) return entry;
  entry.Found = true;
  entry.Readable = PuzzleRecordFromSection(found->View(), entry.Record);
  entry.Whole = entry.Readable && IsWholePuzzleRecord(found->View());
  return entry;
}

TDetailsLanguage DetailsLanguage(const TTextLookup& text, const std::array<std::string_view, 12>& monthNames) {
  TDetailsLanguage language{text, {}, monthNames};
  for (int level = 0; level < kLevelCount; ++level) language.LevelNames[level] = text(kLevelNameIds[level]);
  return language;
}

std::string FormatDuration(TDateTime duration) {
  const double milliseconds = std::isfinite(duration) ? std::round(duration * kSecondsPerDay * 1000) : 0;
  // Past a hundred million hours a duration is garbage in the file, not play.
  const auto seconds = static_cast<std::int64_t>(std::clamp(milliseconds, 0.0, 3.6e14) / 1000);
  return Padded(seconds / 3600, 2) + ':' + Padded(seconds / 60 % 60, 2) + ':' + Padded(seconds % 60, 2);
}

std::string PuzzleDetailsText(const TNovletFileData& record, const TDetailsLanguage& language) {
  const TTextLookup& text = language.Text;
  const std::string level =
      record.Level < kLevelCount ? language.LevelNames[record.Level] : std::to_string(record.Level);
  std::string details;
  details += text(TextId::Created) + FormatCreationDateTime(record.Created, language.MonthNames) + '\n';
  details += text(TextId::LevelPrefix) + level + ' ' + std::to_string(record.BoxWidth) + 'x' +
             std::to_string(record.BoxHeight) + ' ' + text(TextId::TimeLimitPrefix) +
             FormatDuration(record.TimeLimit) + ")\n";
  details += text(TextId::TimePlayed) + FormatDuration(record.TimePlayed) + '\n';
  details += text(TextId::Origin) + OriginText(record.Origin, text) + '\n';
  details += text(TextId::Status) + StatusWord(record.Status, text) + "\n\n";
  details += Counter(record.EntryCount) + text(TextId::Entries) + '\t' + Counter(record.PauseCount) +
             text(TextId::Pauses) + '\t' + Counter(record.HintCount) + text(TextId::HintsCount) + '\n';
  details += Counter(record.ErrorCount) + text(TextId::ErrorsCount) + '\t' + Counter(record.RestartCount) +
             text(TextId::Restarts) + '\t' + Counter(record.AlternativesCount) + text(TextId::AlternativesCount);
  return details;
}

}  // namespace novlet
