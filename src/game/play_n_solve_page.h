#pragma once

#include "game/book_page.h"

#include <QSize>

#include <filesystem>
#include <string>

class QLabel;

namespace novlet {

class TPieGauge;

// The "Play & Solve" page: one puzzle at a time, with its clock and aids.
class TPlayNSolvePage : public TBookPage {
 public:
  explicit TPlayNSolvePage(TMainForm& mainForm);

  TPieGauge* PlayNSolveGauge() const { return playNSolveGauge_; }
  QLabel* PlayNSolveTimeLbl() const { return playNSolveTimeLbl_; }

  // The size of PlayNSolveNovletGrid, which GridBuffer follows.
  QSize NovletGridSize() const;

  // Opens the game stored in the section; a missing section leaves the page
  // without a game.
  void LoadPlayGame(const std::filesystem::path& fileName, const std::string& section);
  // Stores CurrentGame; with askName the player names it first.
  void SavePlayGame(const std::filesystem::path& fileName, const std::string& section, bool askName);

  // The main timer's tick while nothing is thinking: the play clock and its
  // time limit, and the end messages.
  void PlayClockStep();
  // This page's part of UpdateStatus: name label, grid, solved check,
  // buttons, alternatives.
  void UpdatePlayNSolveStatus();

 private:
  TPieGauge* playNSolveGauge_ = nullptr;
  QLabel* playNSolveTimeLbl_ = nullptr;
};

}  // namespace novlet
