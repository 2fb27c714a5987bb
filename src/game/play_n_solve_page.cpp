#include "game/play_n_solve_page.h"

#include "game/main_form.h"
#include "game/pie_gauge.h"

#include <QLabel>

namespace novlet {

TPlayNSolvePage::TPlayNSolvePage(TMainForm& mainForm)
    : TBookPage(mainForm, 500, QStringLiteral("Play & Solve")) {
  playNSolveTimeLbl_ = new QLabel(QStringLiteral("Time"), this);
  playNSolveTimeLbl_->setObjectName(QStringLiteral("PlayNSolveTimeLbl"));
  playNSolveTimeLbl_->setGeometry(284, 334, 110, 18);
  playNSolveTimeLbl_->setStyleSheet(QStringLiteral("color: #f2e9d8; background: transparent;"));

  playNSolveGauge_ = new TPieGauge(this);
  playNSolveGauge_->setObjectName(QStringLiteral("PlayNSolveGauge"));
  playNSolveGauge_->setGeometry(262, 334, 18, 18);
  playNSolveGauge_->hide();
}

// The grid widget replaces this stand-in size.
QSize TPlayNSolvePage::NovletGridSize() const { return QSize(256, 256); }

// The game itself (loading, storing, the clock and the page's status) is the
// Play & Solve page's own work and lands with it.
void TPlayNSolvePage::LoadPlayGame(const std::filesystem::path& fileName, const std::string& section) {
  (void)fileName;
  (void)section;
}

void TPlayNSolvePage::SavePlayGame(const std::filesystem::path& fileName, const std::string& section,
                                   bool askName) {
  (void)fileName;
  (void)section;
  (void)askName;
}

void TPlayNSolvePage::PlayClockStep() {}

void TPlayNSolvePage::UpdatePlayNSolveStatus() {}

}  // namespace novlet
