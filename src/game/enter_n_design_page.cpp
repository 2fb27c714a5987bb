#include "game/enter_n_design_page.h"

#include "game/main_form.h"
#include "game/pie_gauge.h"

#include <QLabel>

namespace novlet {

TEnterNDesignPage::TEnterNDesignPage(TMainForm& mainForm)
    : TBookPage(mainForm, 600, QStringLiteral("Enter & Design")) {
  enterNDesignStatusLbl_ = new QLabel(this);
  enterNDesignStatusLbl_->setObjectName(QStringLiteral("EnterNDesignStatusLbl"));
  enterNDesignStatusLbl_->setGeometry(284, 334, 110, 18);
  enterNDesignStatusLbl_->setStyleSheet(QStringLiteral("color: #f2e9d8; background: transparent;"));

  enterNDesignGauge_ = new TPieGauge(this);
  enterNDesignGauge_->setObjectName(QStringLiteral("EnterNDesignGauge"));
  enterNDesignGauge_->setGeometry(262, 334, 18, 18);
  enterNDesignGauge_->hide();
}

// The design grid replaces this stand-in size.
QSize TEnterNDesignPage::NovletGridSize() const { return QSize(256, 256); }

// Designing, validating and storing designs are this page's own work and
// land with its controls.
void TEnterNDesignPage::LoadDesign(const std::filesystem::path& fileName, const std::string& section) {
  (void)fileName;
  (void)section;
}

void TEnterNDesignPage::SaveDesign(const std::filesystem::path& fileName, const std::string& section,
                                   bool askName) {
  (void)fileName;
  (void)section;
  (void)askName;
}

void TEnterNDesignPage::UpdateEnterNDesignStatus() {}

}  // namespace novlet
