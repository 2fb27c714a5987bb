// Feeds arbitrary bytes to the puzzle-record reader as a collection file, and
// sets up the boards of every record it accepts as a game would. A record
// written back and read again must write the same keys and values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/board_text.h"
#include "store/ini_document.h"
#include "store/puzzle_record.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void SetUpBoards(const novlet::TNovletFileData& record) {
  novlet::TGeometry geometry;
  geometry.SetBoxShape(record.BoxWidth, record.BoxHeight);
  Require(geometry.BoxWidth == record.BoxWidth && geometry.BoxHeight == record.BoxHeight);
  novlet::TBoard solution;
  novlet::HexToBoard(geometry, record.SolutionHex, solution);
  novlet::TCellTexts grid;
  novlet::HexToTexts(geometry, record.GridHex.empty() ? record.PuzzleHex : record.GridHex, grid);
  novlet::TextToGridNotes(geometry, record.GridNotes, grid);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (const auto& section : novlet::ScanIniSections(input)) {
    novlet::TNovletFileData record;
    if (!novlet::PuzzleRecordFromSection(section, record)) continue;
    SetUpBoards(record);

    const auto written = novlet::PuzzleRecordEntries(record);
    novlet::TIniDocument document;
    Require(document.ReplaceSection("again", written));
    const std::string text = document.Text();
    novlet::TNovletFileData reread;
    Require(novlet::PuzzleRecordFromSection(*novlet::TIniDocument::Parse(text).Section("again"), reread));
    const auto rewritten = novlet::PuzzleRecordEntries(reread);
    Require(rewritten.size() == written.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
      Require(rewritten[i].Key == written[i].Key && rewritten[i].Value == written[i].Value);
    }
  }
  return 0;
}
