// One page of the page book and what the window asks of every page.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/board.h"
#include "game/page_host.h"

class QLabel;

namespace novlet {

class TBaseBtn;

class TBookPage : public QWidget {
  Q_OBJECT

 public:
  TBookPage(TPageHost& host, TPageKind kind, int headingTag);

  TPageKind Kind() const { return kind_; }
  // The text id of the page's heading and of its button in the frame.
  int HeadingTag() const { return headingTag_; }
  QLabel* HeadingLbl() const { return headingLbl_; }

  // The page is shown by its button (again, when it already was): the game
  // pages bring back their last game, the collection reads its list anew.
  virtual void Enter(bool alreadyShown) { (void)alreadyShown; }
  // The page is left: a game it owns goes to its last-game section and ends.
  virtual void Leave() { StoreLastGame(); }
  // Stores the game the page owns into its last-game section; false when it
  // owns none.
  virtual bool StoreLastGame() { return false; }
  // Enabled states and captions from the state as it stands, and nothing else.
  virtual void RefreshStatus() {}
  // The main timer's tick: clocks and the "Thinking" animation.
  virtual void Tick() {}
  // The page's texts in the chosen language.
  virtual void Translate();
  // The options were loaded or changed.
  virtual void ApplyOptions() {}
  // The window was scaled to another screen size.
  virtual void AfterScale() {}
  // A stored puzzle handed over by another page.
  virtual void OpenStoredPuzzle(const std::filesystem::path& file, const std::string& section, TOpenMode mode) {
    (void)file;
    (void)section;
    (void)mode;
  }

  // The engine's reduction progress, while this page is the active one.
  virtual void BeginReduction() {}
  virtual void ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) {
    (void)levelText;
    (void)puzzle;
  }
  virtual void EndReduction() {}

  // The flags of the game the page runs; the window waits while one loads,
  // validates or thinks.
  virtual TGameState SessionState() const { return TGameState(); }

  // The page's buttons that wear the small skinned faces.
  virtual std::vector<TBaseBtn*> SmallButtons() const { return {}; }

 protected:
  TPageHost& Host() const { return host_; }
  // A control whose texts follow its text id, by the rules of its kind:
  // labels, buttons and check boxes take the id's caption; lists and tab bars
  // keep their items when the id has a row (the page fills them), and else
  // take them from the rows after the id + 1; every control takes the tool
  // tip of the row it used.
  void AddTagged(QWidget* control, int tag);
  // Applies a text id's texts to a control, tagged or not: the captions that
  // are switched by tag.
  void ApplyTexts(QWidget* control, int tag) const;
  bool IsActive() const { return host_.IsActivePage(this); }

  // One small button of the page's right-hand column: its control name, its
  // top at base size, the text id of its caption (kCaptionFollowsState where
  // the status refresh sets the caption) and what its click does.
  struct TColumnButton {
    TBaseBtn*& Button;
    const char* Name;
    int Top;
    int Tag;
    std::function<void()> Click;
  };
  static constexpr int kCaptionFollowsState = -1;
  // Makes the column's buttons at `left`, each tagged and wired.
  void CreateButtonColumn(int left, std::initializer_list<TColumnButton> buttons);

 private:
  struct TTagged {
    QWidget* Control;
    int Tag;
    // The items a list held when it was tagged: what it shows where the
    // language has no row for an item.
    QStringList BuiltInItems;
  };
  void ApplyTagged(const TTagged& tagged) const;

  TPageHost& host_;
  TPageKind kind_;
  int headingTag_;
  QLabel* headingLbl_ = nullptr;
  std::vector<TTagged> tagged_;
};

// The page book's area at base size, inside the background's panel.
inline constexpr int kPageAreaLeft = 147;
inline constexpr int kPageAreaTop = 33;
inline constexpr int kPageAreaWidth = 412;
inline constexpr int kPageAreaHeight = 363;

}  // namespace novlet
