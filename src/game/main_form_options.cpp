// The main window's options: the account's record, its language, its screen size.
#include <QGuiApplication>
#include <QScreen>

#include "game/book_page.h"
#include "game/main_form.h"
#include "game/store_messages.h"
#include "store/language/text_ids.h"
#include "ui/dialogs.h"
#include "ui/screen_placement.h"
#include "ui/screen_scaler.h"

namespace novlet {

void TMainForm::ChangeOptions(const std::function<void(TOptions&)>& change) {
  change(options_);
  for (TBookPage* page : pages_) page->ApplyOptions();
  UpdateStatus();
}

void TMainForm::LanguageChosen(std::int32_t lngId) {
  if (lngId == options_.LngID) return;
  // The new number goes into the file first: loading reads it back from there.
  options_.LngID = lngId;
  SaveOptions();
  LoadOptions();
}

void TMainForm::ScreenSizeChosen(int screenSize) {
  options_.ScreenSize = static_cast<std::uint8_t>(screenSize >= 1 && screenSize < kScreenSizeCount ? screenSize : 0);
  ScaleUp(options_.ScreenSize);
  CenterOnScreen(*this);
}

void TMainForm::UseLanguage() {
  translator_.SetLanguage(folders_.LanguageFile(), options_.LngID);
  // Qt's choosers and key names speak the language the window shows, not a
  // chosen one the language file lacks.
  dialogLanguage_.Use(translator_.ShownLanguageCode());
}

void TMainForm::LoadOptions() {
  ReadOptions(folders_.Data.OptionsFile, userName_, options_);
  UseLanguage();
  TranslateWindow();
  ScaleUp(options_.ScreenSize);
  for (TBookPage* page : pages_) page->ApplyOptions();
  UpdateCaption();
  // The captions that follow the state (Pause or Continue, the mode) in the
  // language just loaded.
  UpdateStatus();
}

void TMainForm::SaveOptions() {
  FlushPendingStores(TDeferredStores::TNotice::Again);
  for (TBookPage* page : pages_)
    if (page->StoreLastGame()) break;
  TStoreResult result = EnsureDataFolder(folders_.Data);
  if (result.Ok) result = WriteOptions(folders_.Data.OptionsFile, userName_, options_);
  if (!result.Ok) dialogs_->Tell(StoreMessageText(result.Message, translator_), Text(TextId::Ok));
}

void TMainForm::ScaleUp(int screenSizeChoice) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen ? screen->availableGeometry().size() : QSize(kBaseWidth, kBaseHeight);
  const int oldMode = scaler_->ScreenMode();
  scaler_->ScaleUp(screenSizeChoice, screenSize);
  // A window the player has moved stays where it is when nothing changed
  // (options loaded again for another account, say).
  if (scaler_->ScreenMode() != oldMode) CenterOnScreen(*this);
}

// Another account logged on to this desktop (a fast user switch) gets its own
// options; the one that leaves keeps its game and options stored.
bool TMainForm::FollowAccount() {
  const std::string account = accountName_();
  if (account == userName_) return false;
  SaveOptions();
  userName_ = account;
  LoadOptions();
  return true;
}

}  // namespace novlet
