// The "Options" page: colours, font, display set, level and aids, screen
// size, language and the desktop shortcut.
#pragma once

#include "game/book_page.h"

#include <QColor>

class QCheckBox;
class QComboBox;
class QLabel;
class QTimeEdit;

namespace novlet {

class TBaseBtn;

// The page edits the window's options record in place: every change takes
// effect at once and reaches the file only when the window saves the options.
// Its handlers run on the user's changes alone; while the program fills the
// controls, their change signals stay quiet.
class TOptionsPage : public TBookPage {
  Q_OBJECT

 public:
  explicit TOptionsPage(TPageHost& host);

  QLabel* OptionsBackgroundColor() const { return backgroundColorPanel_; }
  TBaseBtn* OptionsBackgroundColorBtn() const { return backgroundColorBtn_; }
  QLabel* OptionsContrastColor() const { return contrastColorPanel_; }
  TBaseBtn* OptionsContrastColorBtn() const { return contrastColorBtn_; }
  QCheckBox* OptionsContrastPuzzleChkBox() const { return contrastPuzzleChkBox_; }
  QLabel* OptionsRulerColor() const { return rulerColorPanel_; }
  TBaseBtn* OptionsRulerColorBtn() const { return rulerColorBtn_; }
  QCheckBox* OptionsShowRulerChkBox() const { return showRulerChkBox_; }
  QLabel* OptionsFont() const { return fontLbl_; }
  TBaseBtn* OptionsFontBtn() const { return fontBtn_; }
  QComboBox* OptionsDisplaySetList() const { return displaySetList_; }
  QComboBox* OptionsLevelList() const { return levelList_; }
  QCheckBox* OptionsShowHintsChkBox() const { return showHintsChkBox_; }
  QCheckBox* OptionsShowErrorsChkBox() const { return showErrorsChkBox_; }
  QCheckBox* OptionsShowAlternativesChkBox() const { return showAlternativesChkBox_; }
  QCheckBox* OptionsTimeLimitedChkBox() const { return timeLimitedChkBox_; }
  QTimeEdit* OptionsTimeLimitedTime() const { return timeLimitedTime_; }
  QCheckBox* OptionsShowProgramShortcutOnDesktopChkBox() const { return shortcutChkBox_; }
  QComboBox* OptionsLanguageList() const { return languageList_; }
  QComboBox* OptionsScreenModeList() const { return screenModeList_; }
  TBaseBtn* OptionsDefaultOptionsBtn() const { return defaultOptionsBtn_; }

  // The handlers, as the user's changes run them.
  void OptionsBackgroundColorBtnClick();
  void OptionsContrastColorBtnClick();
  void OptionsRulerColorBtnClick();
  void OptionsFontBtnClick();
  void OptionsLevelListChange(int index);
  void OptionsChkBoxClick(QObject* sender);
  void OptionsDisplaySetListChange(int index);
  void OptionsLanguageListChange(int index);
  void OptionsScreenModeListChange(int index);
  void OptionsDefaultOptionsBtnClick();

  void Translate() override;
  void ApplyOptions() override;
  std::vector<TBaseBtn*> SmallButtons() const override;

 private:
  void CreateControls();
  void AddListLabel(QComboBox* list, const QString& name, int tag);
  // Opens the colour chooser on the panel's colour; the chosen one goes to
  // the panel and the field.
  void ChooseColor(QLabel* panel, std::int32_t TOptions::*field, int titleId);
  // The sample panels and the font label in the options' font and colours.
  void ShowColorsAndFont();
  // The aid check boxes and the time picker from the options record.
  void ShowAids();
  // The list of languages from the language file, the current one selected.
  void FillLanguageList();
  // Puts the launcher on the desktop or takes it away, as the box asks.
  void DesktopShortcutUpkeep();

  QLabel* backgroundColorPanel_ = nullptr;
  TBaseBtn* backgroundColorBtn_ = nullptr;
  QLabel* contrastColorPanel_ = nullptr;
  TBaseBtn* contrastColorBtn_ = nullptr;
  QCheckBox* contrastPuzzleChkBox_ = nullptr;
  QLabel* rulerColorPanel_ = nullptr;
  TBaseBtn* rulerColorBtn_ = nullptr;
  QCheckBox* showRulerChkBox_ = nullptr;
  QLabel* fontLbl_ = nullptr;
  TBaseBtn* fontBtn_ = nullptr;
  QComboBox* displaySetList_ = nullptr;
  QComboBox* levelList_ = nullptr;
  QCheckBox* showHintsChkBox_ = nullptr;
  QCheckBox* showErrorsChkBox_ = nullptr;
  QCheckBox* showAlternativesChkBox_ = nullptr;
  QCheckBox* timeLimitedChkBox_ = nullptr;
  QTimeEdit* timeLimitedTime_ = nullptr;
  QCheckBox* shortcutChkBox_ = nullptr;
  QComboBox* languageList_ = nullptr;
  QComboBox* screenModeList_ = nullptr;
  TBaseBtn* defaultOptionsBtn_ = nullptr;
};

}  // namespace novlet
