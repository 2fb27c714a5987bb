// The "Enter & Design" page: a view of its design session.
#pragma once

#include "game/book_page.h"

#include <filesystem>
#include <string>

#include "session/design_session.h"

class QLabel;

namespace novlet {

class TPieGauge;

class TEnterNDesignPage : public TBookPage, private TSessionHost {
  Q_OBJECT

 public:
  explicit TEnterNDesignPage(TPageHost& host);

  const TDesignSession& Session() const { return session_; }
  TPieGauge* EnterNDesignGauge() const { return gauge_; }
  QLabel* EnterNDesignStatusLbl() const { return statusLbl_; }

  // Opens the design stored in the section; a missing section leaves the
  // page without a design.
  void LoadDesign(const std::filesystem::path& file, const std::string& section);
  // Stores the design; with askName the user names it first. False when
  // nothing was stored.
  bool SaveDesign(const std::filesystem::path& file, const std::string& section, bool askName);

  void Enter(bool alreadyShown) override;
  bool StoreLastGame() override;
  void RefreshStatus() override;
  void Tick() override;
  void OpenStoredPuzzle(const std::filesystem::path& file, const std::string& section, TOpenMode mode) override;

 private:
  void StateChanged() override;
  void LetEventsRun() override;

  TDesignSession session_;
  TPieGauge* gauge_ = nullptr;
  QLabel* statusLbl_ = nullptr;
};

}  // namespace novlet
