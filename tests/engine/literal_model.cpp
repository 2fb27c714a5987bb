// The literal model's algorithms, kept as close to their plain wording as C++ allows.
#include "literal_model.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "engine/geometry.h"

namespace novlet {
namespace {

constexpr int kNodeBudget = 250;
constexpr int kMaxPropagationPasses = 28;
constexpr std::string_view kBranchingSentinel = "0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F,";
constexpr int kMaxPlacementDraws = 500;
constexpr int kBoxClearAfterTries = 12;
constexpr int kBoxGiveUpTries = 26;
constexpr int kReductionAttempts = 101;

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// The string list's name look-ups: a line "name=value" is named by the text
// before its first "=", compared without regard to case.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

int IndexOfName(const std::vector<std::string>& list, std::string_view name) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    const auto equals = list[i].find('=');
    if (equals != std::string::npos && SameName(std::string_view(list[i]).substr(0, equals), name)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// Exact, although the list's own look-up ignores case: the lines searched for
// are hex board texts, always in upper case.
int IndexOf(const std::vector<std::string>& list, std::string_view line) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i] == line) return static_cast<int>(i);
  }
  return -1;
}

int ValueOf(const std::vector<std::string>& list, std::string_view name) {
  const int index = IndexOfName(list, name);
  if (index < 0) return 0;
  const std::string& line = list[static_cast<std::size_t>(index)];
  return TLiteralModel::ReadValue(std::string_view(line).substr(line.find('=') + 1));
}

void SetValueOf(std::vector<std::string>& list, std::string_view name, int value) {
  std::string line = std::string(name) + "=" + std::to_string(value);
  const int index = IndexOfName(list, name);
  if (index < 0) {
    list.push_back(std::move(line));
  } else {
    list[static_cast<std::size_t>(index)] = std::move(line);
  }
}

void DeleteLine(std::vector<std::string>& list, int index) {
  if (index >= 0) list.erase(list.begin() + index);
}

std::string FormatHex(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(value));
  return text;
}

// At least two upper-case hexadecimal digits, as the hex board text and the
// deduced marks write a value. The pairs a board can hold are made once:
// formatting them anew for every cell would dominate the run time.
std::string HexPair(int value) {
  static const std::array<std::string, 256> kPairs = [] {
    std::array<std::string, 256> pairs;
    for (int v = 0; v < 256; ++v) pairs[static_cast<std::size_t>(v)] = FormatHex(v);
    return pairs;
  }();
  return value >= 0 && value < 256 ? kPairs[static_cast<std::size_t>(value)] : FormatHex(value);
}

// How many cells (c, r) of the N x N board, visited row by row, pass the test.
template <typename Test>
int CountCells(int gridSize, Test test) {
  int count = 0;
  for (int r = 1; r <= gridSize; ++r) {
    for (int c = 1; c <= gridSize; ++c) count += test(c, r) ? 1 : 0;
  }
  return count;
}

}  // namespace

TLiteralModel::TLiteralModel() { SetBoxShape(3, 3); }

void TLiteralModel::SetBoxShape(int boxWidth, int boxHeight) {
  bool known = false;
  for (const TBoxShape& shape : kBoxShapes) {
    known = known || (shape.BoxWidth == boxWidth && shape.BoxHeight == boxHeight);
  }
  boxWidth_ = known ? boxWidth : 3;
  boxHeight_ = known ? boxHeight : 3;
  boxesAcross_ = boxHeight_;
  boxesDown_ = boxWidth_;
  gridSize_ = boxWidth_ * boxHeight_;
  lineSum_ = 0;
  for (int v = 1; v <= gridSize_; ++v) lineSum_ += v;
  solutionCap_ = 10;
}

int TLiteralModel::SolutionCount() const { return ValueOf(solutionList_, "Solutions"); }

// ---- Text forms and small operations ------------------------------------

int TLiteralModel::ReadValue(std::string_view text) {
  const bool hex = !text.empty() && text.front() == '$';
  const std::string_view digits = hex ? text.substr(1) : text;
  if (digits.empty()) return 0;
  std::int64_t value = 0;
  for (char ch : digits) {
    int digit;
    if (ch >= '0' && ch <= '9') {
      digit = ch - '0';
    } else if (hex && ch >= 'A' && ch <= 'F') {
      digit = ch - 'A' + 10;
    } else if (hex && ch >= 'a' && ch <= 'f') {
      digit = ch - 'a' + 10;
    } else {
      return 0;
    }
    value = value * (hex ? 16 : 10) + digit;
    if (value > std::numeric_limits<std::int32_t>::max()) return 0;
  }
  return static_cast<int>(value);
}

std::string TLiteralModel::DecimalText(int value) { return std::to_string(value); }

std::string TLiteralModel::DeducedMark(int value) { return "$" + HexPair(value); }

void TLiteralModel::BoardToTexts(const TBoard& board, TCellTexts& texts) const {
  for (int r = 1; r <= gridSize_; ++r) {
    for (int c = 1; c <= gridSize_; ++c) {
      texts.at(c, r) = board.at(c, r) == 0 ? std::string() : DecimalText(board.at(c, r));
    }
  }
}

void TLiteralModel::TextsToBoard(const TCellTexts& texts, TBoard& board) const {
  for (int r = 1; r <= gridSize_; ++r) {
    for (int c = 1; c <= gridSize_; ++c) board.at(c, r) = static_cast<std::uint8_t>(ReadValue(texts.at(c, r)));
  }
}

std::string TLiteralModel::BoardToHex(const TBoard& board) const {
  std::string hex;
  hex.reserve(static_cast<std::size_t>(2 * gridSize_ * gridSize_));
  for (int r = 1; r <= gridSize_; ++r) {
    for (int c = 1; c <= gridSize_; ++c) hex += HexPair(board.at(c, r));
  }
  return hex;
}

void TLiteralModel::HexToBoard(std::string_view hex, TBoard& board) const {
  for (int r = 1; r <= gridSize_; ++r) {
    for (int c = 1; c <= gridSize_; ++c) {
      const std::size_t start = static_cast<std::size_t>(((r - 1) * gridSize_ + c) * 2 - 2);
      // A text cut short has no pair for the cells it does not reach, nor for
      // a cell it reaches with one character only.
      const std::string_view pair = start + 2 <= hex.size() ? hex.substr(start, 2) : std::string_view();
      board.at(c, r) = static_cast<std::uint8_t>(ReadValue("$" + std::string(pair)));
    }
  }
}

std::string TLiteralModel::TextsToHex(const TCellTexts& texts) const {
  std::string hex;
  hex.reserve(static_cast<std::size_t>(2 * gridSize_ * gridSize_));
  for (int r = 1; r <= gridSize_; ++r) {
    // A text is read as the value a board cell would hold, so the text keeps
    // its two digits per cell even for a damaged text such as "300".
    for (int c = 1; c <= gridSize_; ++c) hex += HexPair(static_cast<std::uint8_t>(ReadValue(texts.at(c, r))));
  }
  return hex;
}

int TLiteralModel::CountInRow(const TBoard& board, int value, int row) const {
  int count = 0;
  for (int c = 1; c <= gridSize_; ++c) count += board.at(c, row) == value ? 1 : 0;
  return count;
}

int TLiteralModel::CountInColumn(const TBoard& board, int value, int column) const {
  int count = 0;
  for (int r = 1; r <= gridSize_; ++r) count += board.at(column, r) == value ? 1 : 0;
  return count;
}

int TLiteralModel::CountMarkInRow(const TCellTexts& texts, int value, int row) const {
  const std::string mark = "$" + HexPair(value);
  int count = 0;
  for (int c = 1; c <= gridSize_; ++c) count += texts.at(c, row) == mark ? 1 : 0;
  return count;
}

int TLiteralModel::CountMarkInColumn(const TCellTexts& texts, int value, int column) const {
  const std::string mark = "$" + HexPair(value);
  int count = 0;
  for (int r = 1; r <= gridSize_; ++r) count += texts.at(column, r) == mark ? 1 : 0;
  return count;
}

bool TLiteralModel::BoardLinesValid(const TBoard& board) const {
  // Every row, then every column, then every box must hold each of 1..N once.
  for (int r = 1; r <= gridSize_; ++r) {
    for (int v = 1; v <= gridSize_; ++v)
      if (CountInRow(board, v, r) != 1) return false;
  }
  for (int c = 1; c <= gridSize_; ++c) {
    for (int v = 1; v <= gridSize_; ++v)
      if (CountInColumn(board, v, c) != 1) return false;
  }
  for (int by = 1; by <= boxesDown_; ++by) {
    for (int bx = 1; bx <= boxesAcross_; ++bx) {
      for (int v = 1; v <= gridSize_; ++v) {
        int count = 0;
        for (int k = 1; k <= gridSize_; ++k) count += board.at(BoxCellColumn(bx, k), BoxCellRow(by, k)) == v ? 1 : 0;
        if (count != 1) return false;
      }
    }
  }
  return true;
}

bool TLiteralModel::BoardFull(const TBoard& board) const {
  return CountCells(gridSize_, [&](int c, int r) { return board.at(c, r) == 0; }) == 0;
}

bool TLiteralModel::TextsFull(const TCellTexts& texts) const { return CountEmptyTexts(texts) == 0; }

int TLiteralModel::CountEmptyTexts(const TCellTexts& texts) const {
  return CountCells(gridSize_, [&](int c, int r) { return texts.at(c, r).empty(); });
}

bool TLiteralModel::BoardsEqual(const TBoard& a, const TBoard& b) const {
  return CountCells(gridSize_, [&](int c, int r) { return a.at(c, r) != b.at(c, r); }) == 0;
}

bool TLiteralModel::TextsEqual(const TCellTexts& a, const TCellTexts& b) const {
  return CountCells(gridSize_, [&](int c, int r) { return a.at(c, r) != b.at(c, r); }) == 0;
}

void TLiteralModel::ClearBox(TBoard& board, int bx, int by) const {
  for (int k = 1; k <= gridSize_; ++k) board.at(BoxCellColumn(bx, k), BoxCellRow(by, k)) = 0;
}

// N^2 * numerator / 81 rounded to the nearest integer; never exactly half.
int TLiteralModel::ScaledFrom81(int numerator) const { return (2 * gridSize_ * gridSize_ * numerator + 81) / 162; }

void TLiteralModel::ProcessPendingMessages() {
  if (host_ != nullptr) host_->ProcessPendingMessages();
}

// ---- Candidates ----------------------------------------------------------

bool TLiteralModel::ComputeAlternatives(TBoard& board, TCellTexts& texts) {
  TextsToBoard(texts, board);
  texts = TCellTexts();
  BoardToTexts(board, texts);
  bool found = false;
  for (int by = 1; by <= boxesDown_; ++by) {
    for (int bx = 1; bx <= boxesAcross_; ++bx) {
      for (int v = 1; v <= gridSize_; ++v) {
        if (FindPlacesInBox(board, texts, v, by, bx)) found = true;
      }
      PromoteSingles(texts, bx, by);
    }
  }
  return found;
}

bool TLiteralModel::FindPlacesInBox(TBoard& board, TCellTexts& texts, int value, int by, int bx) {
  for (int k = 1; k <= gridSize_; ++k) {
    if (board.at(BoxCellColumn(bx, k), BoxCellRow(by, k)) == value) return true;
  }
  // Nothing changes between counting the open places and visiting them, so
  // the second visit reuses what the count found.
  std::array<bool, 17> open{};
  int places = 0;
  for (int k = 1; k <= gridSize_; ++k) {
    const int c = BoxCellColumn(bx, k);
    const int r = BoxCellRow(by, k);
    open[static_cast<std::size_t>(k)] = board.at(c, r) == 0 && CountInRow(board, value, r) == 0 &&
                                        CountInColumn(board, value, c) == 0 && CountMarkInRow(texts, value, r) == 0 &&
                                        CountMarkInColumn(texts, value, c) == 0;
    if (open[static_cast<std::size_t>(k)]) ++places;
  }
  if (places == 0) return false;
  for (int k = 1; k <= gridSize_; ++k) {
    if (!open[static_cast<std::size_t>(k)]) continue;
    const int c = BoxCellColumn(bx, k);
    const int r = BoxCellRow(by, k);
    std::string& text = texts.at(c, r);
    if (places == 1) {
      text = DeducedMark(value);
    } else if (Contains(text, "$")) {
      // a mark of a smaller value in this box stands
    } else if (text.empty()) {
      text = DecimalText(value);
    } else {
      text = text + "," + DecimalText(value);
    }
  }
  return true;
}

void TLiteralModel::PromoteSingles(TCellTexts& texts, int bx, int by) {
  for (int k = 1; k <= gridSize_; ++k) {
    std::string& text = texts.at(BoxCellColumn(bx, k), BoxCellRow(by, k));
    if (Contains(text, "$")) continue;
    const int n = ReadValue(text);
    if (text == DecimalText(n)) text = DeducedMark(n);
  }
}

// ---- Solution search -----------------------------------------------------

bool TLiteralModel::SolveAndCount(TBoard& board, TCellTexts& texts, bool display, bool guess) {
  std::vector<std::string>& list = solutionList_;
  if (IndexOfName(list, "Solutions") < 0) list.push_back("Solutions=0");
  if (IndexOfName(list, "Count") < 0) list.push_back("Count=0");
  if (IndexOfName(list, "Depth") < 0) {
    list.clear();
    list.push_back("Solutions=0");
    list.push_back("Depth=0");
    list.push_back("Count=0");
  }
  if (ValueOf(list, "Solutions") > solutionCap_) return false;
  if (ValueOf(list, "Count") + 1 > kNodeBudget) return false;
  const std::string key = ">" + TextsToHex(texts);
  if (IndexOf(list, key) >= 0) return false;
  list.push_back(key);
  SetValueOf(list, "Count", ValueOf(list, "Count") + 1);
  SetValueOf(list, "Depth", ValueOf(list, "Depth") + 1);

  bool ok = CountEmptyTexts(texts) < ScaledFrom81(66);
  if (ok) {
    for (int pass = 1; pass <= kMaxPropagationPasses && !BoardFull(board) && ok; ++pass) {
      const TBoard boardBefore = board;
      const TCellTexts textsBefore = texts;
      ok = ComputeAlternatives(board, texts) && TextsFull(texts);
      ProcessPendingMessages();
      if (BoardsEqual(board, boardBefore) && TextsEqual(texts, textsBefore)) break;
    }
    ok = BoardFull(board) && BoardLinesValid(board) && TextsFull(texts);
    if (ok) {
      const std::string hex = BoardToHex(board);
      if (IndexOf(list, hex) < 0) {
        list.insert(list.begin() + 2, hex);
        SetValueOf(list, "Solutions", ValueOf(list, "Solutions") + 1);
      }
    } else if (TextsFull(texts) && guess) {
      const TBoard board0 = board;
      const TCellTexts texts0 = texts;
      std::string best(kBranchingSentinel);
      int bestColumn = 0;
      int bestRow = 0;
      for (int r = 1; r <= gridSize_; ++r) {
        for (int c = 1; c <= gridSize_; ++c) {
          const std::string& text = texts.at(c, r);
          if (board.at(c, r) == 0 && Contains(text, ",") && text.size() < best.size()) {
            best = text + ",";
            bestColumn = c;
            bestRow = r;
          }
        }
      }
      if (bestColumn != 0 && static_cast<int>(best.size()) < gridSize_) {
        while (!best.empty() && ValueOf(list, "Solutions") <= solutionCap_) {
          const std::size_t comma = best.find(',');
          const int v = ReadValue(best.substr(0, comma));
          best.erase(0, comma == std::string::npos ? best.size() : comma + 1);
          if (v == 0) continue;
          board.at(bestColumn, bestRow) = static_cast<std::uint8_t>(v);
          texts.at(bestColumn, bestRow) = DecimalText(v);
          SolveAndCount(board, texts, false, true);
          board = board0;
          texts = texts0;
        }
      }
      board = board0;
      texts = texts0;
    }
  }

  SetValueOf(list, "Depth", ValueOf(list, "Depth") - 1);
  if (ValueOf(list, "Depth") != 0) return ok;

  DeleteLine(list, IndexOfName(list, "Count"));
  DeleteLine(list, IndexOfName(list, "Depth"));
  for (int i = static_cast<int>(list.size()) - 1; i >= 0; --i) {
    if (Contains(list[static_cast<std::size_t>(i)], ">")) DeleteLine(list, i);
  }
  const int solutions = ValueOf(list, "Solutions");
  const bool result = solutions == 1;
  if (solutions >= 1) {
    board = TBoard();
    HexToBoard(list[1], board);
  }
  if (display && host_ != nullptr) {
    int menuItems = 0;
    std::string countSuffix;
    if (solutions > 1) {
      const int solutionLines = static_cast<int>(list.size()) - 1;
      for (int i = 1; i <= solutionLines && i < 11; ++i) menuItems = i;
      countSuffix = solutionLines <= solutionCap_ ? " [" + std::to_string(solutionLines) + "]" : " [10+]";
    }
    host_->ShowSolutionChoices(menuItems, countSuffix);
  }
  return result;
}

// ---- Reduction to a level ------------------------------------------------

bool TLiteralModel::ReduceToLevel(TBoard& board, TCellTexts& texts, int level) {
  if (host_ != nullptr) host_->BeginReduction();
  solutionCap_ = 1;
  bool fiendish = false;
  bool result = false;
  if (BoardFull(board) && BoardLinesValid(board)) {
    const TBoard solution = board;
    const TCellTexts original = texts;
    BoardToTexts(board, texts);
    TCellTexts current = texts;
    if (!SolveAndCount(board, texts, false, false)) {
      board = solution;
      texts = original;
    } else {
      TBoard tried;
      int share = 51;
      std::string levelText = "Target is Normal";
      switch (level) {
        case 0: share = 46, levelText = "Target is Rookie"; break;
        case 1: share = 51, levelText = "Target is Normal"; break;
        case 2: share = 56, levelText = "Target is Skilled"; break;
        case 3: share = 61, levelText = "Target is Expert"; break;
        default: break;
      }
      int target = ScaledFrom81(share);
      if (gridSize_ > 9) target -= (gridSize_ - 9) * (gridSize_ - 9);
      if (!(level == 3 && gridSize_ <= 9)) {
        target -= static_cast<int>(random_.Below(static_cast<std::uint32_t>(ScaledFrom81(5))));
      }
      int removed = 0;
      int open = gridSize_ * gridSize_;
      while (removed < target && open >= 1) {
        board = TBoard();
        texts = current;
        open = CountCells(gridSize_, [&](int c, int r) { return !texts.at(c, r).empty() && tried.at(c, r) == 0; });
        if (open > 0) {
          const int p = random_.Between(1, open);
          int seen = 0;
          int column = 0;
          int row = 0;
          for (int r = 1; r <= gridSize_ && column == 0; ++r) {
            for (int c = 1; c <= gridSize_; ++c) {
              if (!texts.at(c, r).empty() && tried.at(c, r) == 0 && ++seen == p) {
                column = c;
                row = r;
                break;
              }
            }
          }
          texts.at(column, row).clear();
          tried.at(column, row) = 1;
          TextsToBoard(texts, board);
          current = texts;
          if (SolveAndCount(board, texts, false, fiendish)) {
            tried = TBoard();
            texts = current;
            if (host_ != nullptr) {
              TBoard puzzle;
              TextsToBoard(current, puzzle);
              host_->ShowReductionProgress(fiendish ? "Level is Fiendish!" : levelText, puzzle);
            }
            ProcessPendingMessages();
            ++removed;
          } else {
            current.at(column, row) = DecimalText(solution.at(column, row));
          }
        }
        if (removed < target && open != 0) continue;
        if (gridSize_ <= 9 && !fiendish && level == 3) {
          fiendish = true;
          tried = TBoard();
          open = gridSize_ * gridSize_;
        }
      }
      result = true;
      board = solution;
      texts = current;
    }
  }
  if (host_ != nullptr) host_->EndReduction();
  solutionCap_ = 10;
  return result;
}

// ---- Generation ----------------------------------------------------------

bool TLiteralModel::PlaceInBoxAtRandom(TBoard& board, int bx, int value, int by) {
  int empty = 0;
  bool present = false;
  for (int k = 1; k <= gridSize_; ++k) {
    const int cell = board.at(BoxCellColumn(bx, k), BoxCellRow(by, k));
    empty += cell == 0 ? 1 : 0;
    present = present || cell == value;
  }
  if (present) return true;
  if (empty == 0) return false;
  for (int draw = 1; draw <= kMaxPlacementDraws; ++draw) {
    const int p = random_.Between(1, empty);
    int seen = 0;
    for (int k = 1; k <= gridSize_; ++k) {
      const int c = BoxCellColumn(bx, k);
      const int r = BoxCellRow(by, k);
      if (board.at(c, r) != 0 || ++seen != p) continue;
      if (CountInRow(board, value, r) == 0 && CountInColumn(board, value, c) == 0) {
        board.at(c, r) = static_cast<std::uint8_t>(value);
        return true;
      }
      break;
    }
  }
  return false;
}

bool TLiteralModel::GeneratePuzzle(TBoard& board, TCellTexts& texts, bool reduce, int level) {
  solutionCap_ = 0;
  board = TBoard();
  texts = TCellTexts();
  int tries = 0;
  bool placed = false;
  for (int by = 1; by <= boxesDown_; ++by) {
    for (int bx = 1; bx <= boxesAcross_; ++bx) {
      if (tries >= kBoxGiveUpTries) continue;
      tries = 0;
      if (bx % 2 != by % 2) continue;
      int v = 1;
      while (v <= gridSize_ && tries < kBoxGiveUpTries) {
        if (PlaceInBoxAtRandom(board, bx, v, by)) {
          placed = true;
          ++v;
        } else {
          placed = false;
          if (tries > kBoxClearAfterTries) {
            ClearBox(board, bx, by);
            v = 1;
          }
          ++tries;
        }
      }
    }
  }
  bool result = false;
  if (placed) {
    BoardToTexts(board, texts);
    SolveAndCount(board, texts, false, true);
    if (ValueOf(solutionList_, "Solutions") > 0) {
      board = TBoard();
      HexToBoard(solutionList_[1], board);
      texts = TCellTexts();
      result = true;
    }
  }
  solutionCap_ = 10;
  if (result && reduce) {
    for (int attempt = 1; attempt <= kReductionAttempts; ++attempt) {
      texts = TCellTexts();
      BoardToTexts(board, texts);
      result = ReduceToLevel(board, texts, level);
      if (result) break;
    }
  }
  return result;
}

}  // namespace novlet
