#pragma once

#include "game/book_page.h"

#include <QSize>

#include <filesystem>
#include <string>

class QLabel;

namespace novlet {

class TPieGauge;

// The "Enter & Design" page: type in or design a puzzle, validate it and
// hand it to Play & Solve.
class TEnterNDesignPage : public TBookPage {
 public:
  explicit TEnterNDesignPage(TMainForm& mainForm);

  TPieGauge* EnterNDesignGauge() const { return enterNDesignGauge_; }
  QLabel* EnterNDesignStatusLbl() const { return enterNDesignStatusLbl_; }

  // The size of EnterNDesignNovletGrid, which GridBuffer follows.
  QSize NovletGridSize() const;

  // Opens the design stored in the section; a missing section leaves the
  // page without a design.
  void LoadDesign(const std::filesystem::path& fileName, const std::string& section);
  // Stores CurrentDesign; with askName the user names it first.
  void SaveDesign(const std::filesystem::path& fileName, const std::string& section, bool askName);

  // This page's part of UpdateStatus: name label, grid and buttons,
  // alternatives, validation label.
  void UpdateEnterNDesignStatus();

 private:
  TPieGauge* enterNDesignGauge_ = nullptr;
  QLabel* enterNDesignStatusLbl_ = nullptr;
};

}  // namespace novlet
