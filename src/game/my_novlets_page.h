#pragma once

#include "game/book_page.h"

namespace novlet {

// The "My Novlets" page: the account's collection.
class TMyNovletsPage : public TBookPage {
 public:
  explicit TMyNovletsPage(TMainForm& mainForm);

  // Reads the collection file again into the list.
  void RefillCollectionList();
  // This page's part of UpdateStatus: the collection buttons' states.
  void UpdateMyNovletsStatus();
};

}  // namespace novlet
