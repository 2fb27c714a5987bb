// The engine object: its shape, solution list, and what the last search offers.
#include "engine/novlet_engine.h"

#include "engine/board_text.h"

namespace novlet {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

std::string WorkBoardToHex(int cells, const detail::TWorkBoard& board) {
  std::string hex(2 * static_cast<std::size_t>(cells), '0');
  for (int i = 0; i < cells; ++i) {
    hex[2 * i] = kHexDigits[board.Values[i] >> 4];
    hex[2 * i + 1] = kHexDigits[board.Values[i] & 15];
  }
  return hex;
}

}  // namespace

void TNovletEngine::SetBoxShape(int boxWidth, int boxHeight) {
  geometry_.SetBoxShape(boxWidth, boxHeight);
  layout_ = detail::TLayout(geometry_);
  solutionCap_ = kRestingSolutionCap;
}

const std::vector<std::string>& TNovletEngine::SolutionList() const {
  if (solutionListStale_) {
    solutionList_.clear();
    solutionList_.push_back("Solutions=" + std::to_string(solutions_.size()));
    for (auto it = solutions_.rbegin(); it != solutions_.rend(); ++it) {
      solutionList_.push_back(WorkBoardToHex(layout_.Cells, *it));
    }
    solutionListStale_ = false;
  }
  return solutionList_;
}

void TNovletEngine::ProcessPendingMessages() {
  if (host_) host_->ProcessPendingMessages();
}

bool TNovletEngine::ComputeAlternatives(TBoard& board, TCellTexts& texts) {
  TWorkBoard workBoard;
  TWorkTexts workTexts;
  detail::LoadTexts(layout_, texts, workTexts);
  const bool anyPlace = detail::ComputeAlternatives(layout_, workBoard, workTexts);
  detail::StoreBoard(layout_, workBoard, board);
  ClearCellTexts(texts);
  detail::StoreTexts(layout_, workTexts, texts);
  return anyPlace;
}

bool TNovletEngine::SolveAndCount(TBoard& board, TCellTexts& texts, bool display, bool guess) {
  if (busy_) return false;
  busy_ = true;
  TWorkBoard workBoard;
  TWorkTexts workTexts;
  detail::LoadBoard(layout_, board, workBoard);
  detail::LoadTexts(layout_, texts, workTexts);
  const bool solved = RunSearch(workBoard, workTexts, guess);
  if (!solutions_.empty()) {
    ClearBoard(board);
    detail::StoreBoard(layout_, solutions_.back(), board);
  } else {
    detail::StoreBoard(layout_, workBoard, board);
  }
  detail::StoreTexts(layout_, workTexts, texts);
  if (display) ShowSolutionChoices();
  busy_ = false;
  return solved;
}

int TNovletEngine::SolutionMenuItems() const {
  constexpr int kMostMenuItems = 10;
  const int found = SolutionCount();
  if (found <= 1) return 0;
  return found < kMostMenuItems ? found : kMostMenuItems;
}

std::string TNovletEngine::SolutionCountSuffix() const {
  const int found = SolutionCount();
  if (found <= 1) return std::string();
  return found <= solutionCap_ ? " [" + std::to_string(found) + "]" : std::string(" [10+]");
}

void TNovletEngine::ShowSolutionChoices() {
  if (host_) host_->ShowSolutionChoices(SolutionMenuItems(), SolutionCountSuffix());
}

}  // namespace novlet
