// What a page may read and use of the run, and the few things it may ask the window to do.
#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "session/game_state.h"
#include "session/play_clock.h"
#include "store/language/translator.h"
#include "store/puzzle_record.h"

namespace novlet {

class TBookPage;
class TDialogs;
class TNovletEngine;
class TShellLinks;
struct TOptions;
struct TProgramFolders;

// The pages of the page book, in their order.
enum class TPageKind { PlayNSolve, EnterNDesign, MyNovlets, Options };

// How a stored game is opened on Play & Solve: as it was left, or started
// again with a fresh clock.
enum class TOpenMode { Continue, Replay };

// What every page may read or use of the run without changing the window:
// the options and texts read-only, the engine, the dialogs and the desktop.
class TPageServices {
 public:
  virtual ~TPageServices() = default;

  // The window's own flags: a name box open, the grid drawn for output.
  // Each page's session keeps the flags of its game.
  virtual TGameState WindowState() const = 0;
  virtual TNovletEngine& Engine() = 0;
  virtual const TOptions& Options() const = 0;
  virtual const std::string& UserName() const = 0;
  virtual const TProgramFolders& Folders() const = 0;
  // The items of the display-set list: the alphabets, then the icon sets.
  virtual const QStringList& DisplaySetList() const = 0;
  virtual int ScreenMode() const = 0;
  // "Now", which tests move at will.
  virtual TTimeSource Clock() const = 0;

  virtual const TTranslator& Texts() const = 0;
  virtual TDialogs& Dialogs() = 0;
  // The desktop: the browser, the launcher on the desktop.
  virtual TShellLinks& ShellLinks() = 0;
  virtual bool IsActivePage(const TBookPage* page) const = 0;

  // A text of the chosen language.
  QString Text(int textId) const { return QString::fromStdString(Texts().Text(textId)); }
};

// The commands a page may give the window: the only ways it changes what it
// does not own (the options, the window's flags, the page shown).
class TPageHost : public TPageServices {
 public:
  // Sets one of the window's own flags; false when it was set already (another
  // flow holds it). Pages hold them through TWindowFlagHold.
  virtual bool HoldWindowFlag(TGameFlag flag) = 0;
  virtual void ReleaseWindowFlag(TGameFlag flag) = 0;
  // Every page sets its enabled states and captions anew.
  virtual void UpdateStatus() = 0;
  // Stores the record of a game the page left once the next page shows, so
  // that the disk's wait never delays the page the user asked for.
  virtual void StoreAfterShowing(const std::filesystem::path& file, const std::string& section,
                                 TNovletFileData record) = 0;
  // The record left for that place that could not be stored yet (a full
  // disk, a busy lock), handed back to the page that returns: the game it
  // holds is newer than the stored one. The page stores it again on leaving.
  virtual std::optional<TNovletFileData> TakeUnstored(const std::filesystem::path& file,
                                                      const std::string& section) = 0;
  // Shows the page of that kind and opens the stored puzzle there.
  virtual void OpenStoredPuzzle(TPageKind kind, const std::filesystem::path& file, const std::string& section,
                                TOpenMode mode) = 0;
  // Changes the options record; every page then applies the new one.
  virtual void ChangeOptions(const std::function<void(TOptions&)>& change) = 0;
  // The user chose another language or screen size on the Options page.
  virtual void LanguageChosen(std::int32_t lngId) = 0;
  virtual void ScreenSizeChosen(int screenSize) = 0;
};

// One of the window's own flags held for as long as a flow lives, whichever
// way it ends: a tick or a click arriving meanwhile finds it set.
class TWindowFlagHold {
 public:
  TWindowFlagHold(TPageHost& host, TGameFlag flag) : host_(host), flag_(flag), held_(host.HoldWindowFlag(flag)) {}
  ~TWindowFlagHold() {
    if (held_) host_.ReleaseWindowFlag(flag_);
  }
  TWindowFlagHold(const TWindowFlagHold&) = delete;
  TWindowFlagHold& operator=(const TWindowFlagHold&) = delete;

  // False when another flow holds the flag already.
  bool Held() const { return held_; }

 private:
  TPageHost& host_;
  TGameFlag flag_;
  bool held_;
};

}  // namespace novlet
