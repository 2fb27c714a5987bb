// A play session on a real engine, with a clock the test moves and files in
// a fresh folder.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "engine/board_text.h"
#include "engine/novlet_engine.h"
#include "session/key_codes.h"
#include "session/play_session.h"
#include "store/temp_folder.h"
#include "store/typed_record.h"

namespace novlet::test {

class PlaySessionTest : public testing::Test {
 protected:
  void NewGame(int boxWidth = 2, int boxHeight = 2, std::uint64_t seed = 7) {
    engine_.Random().Seed(seed);
    TNewGameSettings settings;
    settings.BoxWidth = boxWidth;
    settings.BoxHeight = boxHeight;
    settings.TimeLimited = timeLimited_;
    settings.PlayTimeLimit = timeLimit_;
    settings.UserName = "tester";
    play_.BeginNewGame(settings);
    ASSERT_TRUE(play_.GenerateNewGame());
  }

  void Pass(double seconds) { now_ += seconds / kSecondsPerDay; }
  TClockDisplay Tick(double seconds = 1) {
    Pass(seconds);
    return play_.ClockStep(timeLimited_);
  }

  int N() const { return play_.GridSize(); }
  const std::string& Cell(int c, int r) const { return play_.Grid().at(c, r); }
  int SolutionAt(int c, int r) const { return play_.Solution().at(c, r); }
  // The key that types the cell's solution value, or a wrong one.
  static int ValueKey(int value) { return value <= 9 ? Vk1 + value - 1 : LetterKey('Q') + value - 10; }
  int RightKey(int c, int r) const { return ValueKey(SolutionAt(c, r)); }
  int WrongKey(int c, int r) const { return ValueKey(SolutionAt(c, r) % N() + 1); }
  TKeyOutcome Type(std::pair<int, int> cell, int key, bool ctrl = false) {
    return play_.KeyUp(cell.first, cell.second, key, ctrl);
  }

  // The open cells in reading order, 1-based.
  std::pair<int, int> OpenCell(int skip = 0) const {
    for (int r = 1; r <= N(); ++r)
      for (int c = 1; c <= N(); ++c)
        if (!play_.IsGiven(c, r) && skip-- == 0) return {c, r};
    return {0, 0};
  }
  // Fills every open cell right but the ones skipped.
  void FillAllBut(int keepOpen) {
    for (int skip = keepOpen;; ++skip) {
      const auto cell = OpenCell(skip);
      if (cell.first == 0) return;
      if (Cell(cell.first, cell.second).empty()) Type(cell, RightKey(cell.first, cell.second));
    }
  }

  // A stored game whose givens are the one-line puzzle and whose solution is
  // left for the load to find.
  std::pair<std::filesystem::path, std::string> StorePuzzle(const std::string& oneLine) {
    const TNovletFileData record = TypedRecord(oneLine, StatusPlaying);
    const std::filesystem::path file = folder_ / "typed.dat";
    EXPECT_TRUE(WritePuzzleRecord(file, record.Name, record).Ok);
    return {file, record.Name};
  }

  TTempFolder folder_;
  TNovletEngine engine_;
  TDateTime now_ = 46000.5;
  bool timeLimited_ = false;
  TDateTime timeLimit_ = 0;
  TPlaySession play_{engine_, [this] { return now_; }};
};

}  // namespace novlet::test
