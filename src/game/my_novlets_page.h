// The "My Novlets" page: the account's collection.
#pragma once

#include "game/book_page.h"

namespace novlet {

class TMyNovletsPage : public TBookPage {
  Q_OBJECT

 public:
  explicit TMyNovletsPage(TPageHost& host);
};

}  // namespace novlet
