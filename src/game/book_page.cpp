#include "game/book_page.h"

#include "game/frame_look.h"
#include "game/main_form.h"

#include <QLabel>

namespace novlet {

TBookPage::TBookPage(TMainForm& mainForm, int headingTag, const QString& heading)
    : mainForm_(mainForm), headingTag_(headingTag), builtInHeading_(heading) {
  setAttribute(Qt::WA_TranslucentBackground);
  headingLbl_ = new QLabel(heading, this);
  headingLbl_->setObjectName(QStringLiteral("HeadingLbl"));
  headingLbl_->setGeometry(12, 6, kPageAreaWidth - 24, 22);
  headingLbl_->setFont(FrameFont(15, true));
  headingLbl_->setStyleSheet(CreamLabelStyle());
}

void TBookPage::Translate() { headingLbl_->setText(mainForm_.TranslateText(headingTag_, builtInHeading_)); }

void TBookPage::ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) {
  (void)levelText;
  (void)puzzle;
}

void TBookPage::ShowSolutionChoices(int menuItems, const std::string& countSuffix) {
  (void)menuItems;
  (void)countSuffix;
}

}  // namespace novlet
