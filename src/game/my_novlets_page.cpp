// The "My Novlets" page: the account's collection.
#include "game/my_novlets_page.h"

#include "store/language/text_ids.h"

namespace novlet {

TMyNovletsPage::TMyNovletsPage(TPageHost& host) : TBookPage(host, TPageKind::MyNovlets, TextId::MyNovletsHeader) {}

}  // namespace novlet
