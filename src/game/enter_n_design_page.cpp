// The "Enter & Design" page: its controls and what they ask of the design
// session.
#include "game/enter_n_design_page.h"

#include <QLabel>

#include "game/name_entry.h"
#include "game/page_controls.h"
#include "game/pie_gauge.h"
#include "game/run_folders.h"
#include "game/thinking_animation.h"
#include "store/language/text_ids.h"
#include "store/options_record.h"
#include "ui/dialogs.h"

namespace novlet {

TEnterNDesignPage::TEnterNDesignPage(TPageHost& host)
    : TBookPage(host, TPageKind::EnterNDesign, TextId::EnterNDesignPage),
      session_(host.Engine(), host.GameState(), host.Clock(), this) {
  statusLbl_ = CreatePageLabel(this, QStringLiteral("EnterNDesignStatusLbl"), QRect(284, 334, 110, 18), false);
  gauge_ = new TPieGauge(this);
  gauge_->setObjectName(QStringLiteral("EnterNDesignGauge"));
  gauge_->setGeometry(262, 334, 18, 18);
  gauge_->hide();
}

void TEnterNDesignPage::StateChanged() { Host().UpdateStatus(); }

void TEnterNDesignPage::LetEventsRun() { Host().LetEventsRun(); }

void TEnterNDesignPage::LoadDesign(const std::filesystem::path& file, const std::string& section) {
  session_.Load(file, section);
}

bool TEnterNDesignPage::SaveDesign(const std::filesystem::path& file, const std::string& section, bool askName) {
  TGameState& state = Host().GameState();
  if (state.Has(TGameFlag::NameEntryOpen)) return false;
  state.Set(TGameFlag::NameEntryOpen);
  Host().UpdateStatus();
  std::string target = section.empty() ? session_.Record().Name : section;
  bool store = true;
  if (askName) {
    const std::optional<std::string> named = RunNameEntryFlow(file, target, Host().UserName(), session_.Record().Name,
                                                               Host().Dialogs(), Host().Texts());
    store = named.has_value();
    if (named && *named != target) {
      session_.SetName(*named);
      target = *named;
    }
  }
  if (store) {
    TStoreResult result = EnsureDataFolder(Host().Folders().Data);
    if (result.Ok) result = WritePuzzleRecord(file, target, session_.RecordToStore());
    if (!result.Ok) Host().Dialogs().Tell(QString::fromStdString(result.Message), Host().Text(TextId::Ok));
    store = result.Ok;
  }
  Host().GameState().Clear(TGameFlag::NameEntryOpen);
  return store;
}

void TEnterNDesignPage::Enter(bool alreadyShown) {
  if (!alreadyShown)
    LoadDesign(Host().Folders().Data.OptionsFile, LastEnterNDesignSectionName(Host().UserName()));
}

bool TEnterNDesignPage::StoreLastGame() {
  if (!session_.Designing()) return false;
  SaveDesign(Host().Folders().Data.OptionsFile, LastEnterNDesignSectionName(Host().UserName()), false);
  return true;
}

void TEnterNDesignPage::OpenStoredPuzzle(const std::filesystem::path& file, const std::string& section, TOpenMode) {
  LoadDesign(file, section);
}

void TEnterNDesignPage::RefreshStatus() {}

void TEnterNDesignPage::Tick() {
  const TGameState state = session_.State();
  if (!state.Has(TGameFlag::Designing)) return;
  if (state.Has(TGameFlag::Thinking))
    AnimateThinking(*gauge_, *statusLbl_, Host().Text(TextId::DesignThinking));
  else
    gauge_->hide();
}

}  // namespace novlet
