// Reading, checking and writing puzzle records.
#include "store/puzzle_record.h"

#include <algorithm>
#include <cctype>

#include "engine/geometry.h"
#include "store/atomic_file.h"
#include "store/ini_file.h"
#include "store/integer_text.h"
#include "store/time_text.h"

namespace novlet {

namespace {

std::int32_t ReadInteger(const TIniSectionView& section, std::string_view key, std::int32_t current) {
  const auto value = section.Value(key);
  return value ? ReadIntegerText(*value, current) : current;
}

std::uint8_t ReadByte(const TIniSectionView& section, std::string_view key, std::uint8_t current) {
  return static_cast<std::uint8_t>(ReadInteger(section, key, current));
}

TDateTime ReadTime(const TIniSectionView& section, std::string_view key, TDateTime current) {
  const auto value = section.Value(key);
  return value ? DecodeTimeText(*value) : current;
}

std::string ReadText(const TIniSectionView& section, std::string_view key, const std::string& current) {
  return section.ReadString(key, current);
}

bool IsHexBoard(std::string_view text, std::size_t cells) {
  return text.size() == 2 * cells &&
         std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

bool IsGridNotes(std::string_view text, std::size_t cells) {
  return !text.empty() && text.back() == '|' && static_cast<std::size_t>(std::count(text.begin(), text.end(), '|')) == cells;
}

}  // namespace

void InitPuzzleRecord(TNovletFileData& record) { record = TNovletFileData{}; }

std::vector<TIniEntry> PuzzleRecordEntries(const TNovletFileData& record) {
  std::vector<TIniEntry> entries;
  entries.reserve(23);
  const auto add = [&](std::string_view key, std::string value) {
    entries.push_back({std::string(key), std::move(value)});
  };
  add("Name", record.Name);
  add("Tc", EncodeTimeText(record.Created));
  add("L", std::to_string(record.Level));
  if (record.Origin & OriginCorvex) add("O", "Corvex");
  else if (record.Origin & OriginSelf) add("O", "Self");
  add("I", (record.Origin & OriginImported) ? "1" : "0");
  add("Nc", std::to_string(record.BoxWidth));
  add("Nr", std::to_string(record.BoxHeight));
  add("M1", record.SolutionHex);
  add("M2", record.PuzzleHex);
  add("M3", record.GridHex);
  add("M4", record.GridNotes);
  add("Tpts", EncodeTimeText(record.StartTime));
  add("Tptl", EncodeTimeText(record.ResumeTime));
  add("Tpt", EncodeTimeText(record.TimePlayed));
  add("Tptm", EncodeTimeText(record.TimeLimit));
  add("Sn", std::to_string(record.EntryCount));
  add("Sp", std::to_string(record.PauseCount));
  add("Sh", std::to_string(record.HintCount));
  add("Se", std::to_string(record.ErrorCount));
  add("Sr", std::to_string(record.RestartCount));
  add("Sa", std::to_string(record.AlternativesCount));
  add("U", record.History);
  add("S", std::to_string(record.Status));
  return entries;
}

bool PuzzleRecordFromSection(const TIniSectionView& section, TNovletFileData& record) {
  InitPuzzleRecord(record);
  TNovletFileData read;
  read.Name = ReadText(section, "Name", read.Name);
  read.Created = ReadTime(section, "Tc", read.Created);
  const std::string origin = section.ReadString("O", "");
  if (origin == "Corvex") read.Origin |= OriginCorvex;
  if (origin == "Self") read.Origin |= OriginSelf;
  if (ReadInteger(section, "I", 0) != 0) read.Origin |= OriginImported;
  read.Level = ReadByte(section, "L", read.Level);
  read.BoxWidth = ReadInteger(section, "Nc", read.BoxWidth);
  read.BoxHeight = ReadInteger(section, "Nr", read.BoxHeight);
  if (!FindBoxShape(read.BoxWidth, read.BoxHeight)) return false;
  read.SolutionHex = ReadText(section, "M1", read.SolutionHex);
  read.PuzzleHex = ReadText(section, "M2", read.PuzzleHex);
  read.GridHex = ReadText(section, "M3", read.GridHex);
  read.GridNotes = ReadText(section, "M4", read.GridNotes);
  read.StartTime = ReadTime(section, "Tpts", read.StartTime);
  read.ResumeTime = ReadTime(section, "Tptl", read.ResumeTime);
  read.TimePlayed = ReadTime(section, "Tpt", read.TimePlayed);
  read.TimeLimit = ReadTime(section, "Tptm", read.TimeLimit);
  read.EntryCount = ReadInteger(section, "Sn", read.EntryCount);
  read.PauseCount = ReadInteger(section, "Sp", read.PauseCount);
  read.HintCount = ReadInteger(section, "Sh", read.HintCount);
  read.ErrorCount = ReadInteger(section, "Se", read.ErrorCount);
  read.RestartCount = ReadInteger(section, "Sr", read.RestartCount);
  read.AlternativesCount = ReadInteger(section, "Sa", read.AlternativesCount);
  read.History = ReadText(section, "U", read.History);
  read.Status = ReadByte(section, "S", read.Status);
  record = std::move(read);
  return true;
}

bool IsWholePuzzleRecord(const TIniSectionView& section) {
  // Only the keys that decide, read as PuzzleRecordFromSection reads them:
  // batched transfers check thousands of records.
  const TNovletFileData defaults;
  const std::int32_t width = ReadInteger(section, "Nc", defaults.BoxWidth);
  const std::int32_t height = ReadInteger(section, "Nr", defaults.BoxHeight);
  if (!FindBoxShape(width, height)) return false;
  const auto cells = static_cast<std::size_t>(width * height * width * height);
  const std::string grid = section.ReadString("M3", "");
  const std::string notes = section.ReadString("M4", "");
  return IsHexBoard(section.ReadString("M1", ""), cells) && IsHexBoard(section.ReadString("M2", ""), cells) &&
         (grid.empty() || IsHexBoard(grid, cells)) && (notes.empty() || IsGridNotes(notes, cells));
}

bool ReadPuzzleRecord(const std::filesystem::path& path, std::string_view section, TNovletFileData& record) {
  InitPuzzleRecord(record);
  const auto found = ReadIniSectionFromFile(path, section);
  return found && PuzzleRecordFromSection(found->View(), record);
}

TStoreResult WritePuzzleRecord(const std::filesystem::path& path, std::string_view section,
                               TNovletFileData record) {
  return ReplaceIniSection(path, section, PuzzleRecordEntries(record));
}

bool SectionExistsInFile(const std::filesystem::path& path, std::string_view section) {
  return IniSectionExists(path, section);
}

bool EraseSectionInFile(const std::filesystem::path& path, std::string_view section) {
  if (ReadWholeFile(path).Status != TFileReadStatus::Read) return false;
  return EraseIniSection(path, section) && !IniSectionExists(path, section);
}

}  // namespace novlet
