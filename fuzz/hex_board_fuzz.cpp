// Feeds arbitrary bytes to the engine's readers of the hex board text and the
// pencil-note record, for a box shape chosen by the first byte. Whatever they
// accept must write back to a text that reads as the same board.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/board_text.h"
#include "engine/geometry.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto& shape = novlet::kBoxShapes[data[0] % novlet::kBoxShapes.size()];
  novlet::TGeometry geometry;
  geometry.SetBoxShape(shape.BoxWidth, shape.BoxHeight);
  const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);

  novlet::TBoard board;
  novlet::HexToBoard(geometry, input, board);
  const std::string hex = novlet::BoardToHex(geometry, board);
  Require(hex.size() == 2u * geometry.GridSize * geometry.GridSize);
  novlet::TBoard again;
  novlet::HexToBoard(geometry, hex, again);
  Require(again == board);

  novlet::TCellTexts texts;
  novlet::HexToTexts(geometry, input, texts);
  novlet::TextsToBoard(geometry, texts, again);
  Require(novlet::BoardsEqual(geometry, again, board));
  novlet::TextToGridNotes(geometry, input, texts);
  novlet::GridNotesToText(geometry, texts);
  return 0;
}
