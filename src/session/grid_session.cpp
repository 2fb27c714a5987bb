// The board of a game page and the shared steps of its sessions.
#include "session/grid_session.h"

#include "engine/board_text.h"
#include "engine/novlet_engine.h"
#include "session/key_map.h"
#include "store/puzzle_naming.h"

namespace novlet {

TGridSession::TGridSession(TNovletEngine& engine, TTimeSource now, TSessionHost* host)
    : now_(std::move(now)), engine_(engine), host_(host) {}

bool TGridSession::Load(const std::filesystem::path& file, const std::string& section) {
  return Open([&](TNovletFileData& record) { return ReadPuzzleRecord(file, section, record); });
}

bool TGridSession::Resume(const TNovletFileData& unstored) {
  return Open([&](TNovletFileData& record) {
    record = unstored;
    return true;
  });
}

bool TGridSession::ReadRecord(const std::function<bool(TNovletFileData&)>& read) {
  if (state_.Has(TGameFlag::Loading)) return false;
  state_ = TGameFlag::Loading;
  StateChanged();
  ClearBoards();
  if (!read(record_)) {
    state_ = TGameState();
    return false;
  }
  ClearSolutionChoices();
  SetBoxShape(record_.BoxWidth, record_.BoxHeight);
  HexToBoard(geometry_, record_.SolutionHex, solution_);
  HexToTexts(geometry_, record_.PuzzleHex, puzzleTexts_);
  return true;
}

void TGridSession::NameIfUnnamed(const TNewGameSettings& settings) {
  if (!record_.Name.empty()) return;
  std::array<std::string_view, 12> months = kEnglishMonthNames;
  for (std::size_t i = 0; i < months.size(); ++i)
    if (!settings.MonthNames[i].empty()) months[i] = settings.MonthNames[i];
  record_.Name = DefaultPuzzleName(settings.UserName, record_.Created, months);
}

std::optional<int> TGridSession::SymbolOfKey(int key) const {
  return KeySymbol(KeyMapFor(geometry_.GridSize, displaySetIndex_), key, geometry_.GridSize);
}

bool TGridSession::InsideBoard(int column, int row) const {
  return column >= 1 && row >= 1 && column <= geometry_.GridSize && row <= geometry_.GridSize;
}

void TGridSession::SetBoxShape(int boxWidth, int boxHeight) { geometry_.SetBoxShape(boxWidth, boxHeight); }

TNovletEngine& TGridSession::Engine() {
  const TGeometry& engineShape = engine_.Geometry();
  if (engineShape.BoxWidth != geometry_.BoxWidth || engineShape.BoxHeight != geometry_.BoxHeight)
    engine_.SetBoxShape(geometry_.BoxWidth, geometry_.BoxHeight);
  return engine_;
}

bool TGridSession::SearchForChoices(TBoard& board, TCellTexts& texts, bool guess) {
  TNovletEngine& engine = Engine();
  const bool unique = engine.SolveAndCount(board, texts, true, guess);
  choices_.Lines = engine.SolutionList();
  choices_.MenuItems = engine.SolutionMenuItems();
  choices_.CountSuffix = engine.SolutionCountSuffix();
  return unique;
}

void TGridSession::ClearBoards() {
  ClearBoard(solution_);
  ClearCellTexts(puzzleTexts_);
  ClearCellTexts(alternativeTexts_);
  ClearCellTexts(grid_);
}

void TGridSession::StateChanged() {
  if (host_) host_->StateChanged();
}

}  // namespace novlet
