#pragma once

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

#include "engine/board.h"

class QLabel;

namespace novlet {

class TBaseBtn;
class TMainForm;

// One page of the page book: its area inside the window's panel and its
// heading. The page's controls and handlers live in the page's own class.
class TBookPage : public QWidget {
 public:
  TBookPage(TMainForm& mainForm, int headingTag, const QString& heading);

  QLabel* HeadingLbl() const { return headingLbl_; }
  int HeadingTag() const { return headingTag_; }

  // Re-reads the page's texts from the language file; the frame does the
  // heading, each page adds its controls.
  virtual void Translate();

  // Reduction progress of the engine, shown while this page is active.
  virtual void BeginReduction() {}
  virtual void ShowReductionProgress(const std::string& levelText, const TBoard& puzzle);
  virtual void EndReduction() {}
  // A search made for the user has ended: the solutions menu and the
  // captions of the buttons that show its count.
  virtual void ShowSolutionChoices(int menuItems, const std::string& countSuffix);

  // The page's buttons that wear the small skinned faces.
  virtual std::vector<TBaseBtn*> SmallButtons() const { return {}; }

 protected:
  TMainForm& MainForm() const { return mainForm_; }

 private:
  TMainForm& mainForm_;
  int headingTag_;
  QString builtInHeading_;
  QLabel* headingLbl_ = nullptr;
};

// The page book's area at base size, inside the background's panel.
inline constexpr int kPageAreaLeft = 147;
inline constexpr int kPageAreaTop = 33;
inline constexpr int kPageAreaWidth = 412;
inline constexpr int kPageAreaHeight = 363;

}  // namespace novlet
