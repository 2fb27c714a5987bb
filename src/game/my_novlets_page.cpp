#include "game/my_novlets_page.h"

namespace novlet {

TMyNovletsPage::TMyNovletsPage(TMainForm& mainForm) : TBookPage(mainForm, 710, QStringLiteral("My Novlets")) {}

// The list and its buttons are the collection page's own work and land with
// its controls.
void TMyNovletsPage::RefillCollectionList() {}

void TMyNovletsPage::UpdateMyNovletsStatus() {}

}  // namespace novlet
