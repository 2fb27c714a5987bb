// The "Options" page: colours, font, display set, level and aids, screen
// size, language and the desktop shortcut.
#include "game/options_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimeEdit>

#include <cmath>

#include "game/frame_look.h"
#include "game/page_controls.h"
#include "game/run_folders.h"
#include "game/shell_links.h"
#include "render/grid_look.h"
#include "store/language/text_ids.h"
#include "store/language/translation.h"
#include "store/options_record.h"
#include "ui/base_btn.h"
#include "ui/dialogs.h"
#include "ui/std_text.h"
#include "ui/widget_scaling.h"

namespace novlet {
namespace {

// Layout at base size, inside the page area of 412 x 363: colours and font
// on the left, level, aids, language and screen size on the right.
constexpr int kLeft = 12;
constexpr int kLeftWidth = 190;
constexpr int kPanelWidth = 100;
constexpr int kSelectLeft = kLeft + kPanelWidth + 6;
constexpr int kRight = 214;
constexpr int kRightWidth = 186;
constexpr int kRowHeight = 18;
constexpr int kBoxHeight = 20;
constexpr int kListHeight = 20;

const QString kSampleText = QStringLiteral("ABC abc 1 2 3");
// The options font is shown at 8 points, plain, whatever was chosen.
constexpr int kOptionsFontPixels = 11;

const QStringList kScreenSizeItems{"Automatic", "Ignore", "640 x 480", "800 x 600", "1024 x 768"};

// The page's check boxes: light text on the dark panel, a white box.
QCheckBox* CreateCheckBox(QWidget* page, const QString& name, const QRect& geometry) {
  auto* box = new QCheckBox(page);
  box->setObjectName(name);
  box->setGeometry(geometry);
  box->setFont(FrameFont(11, false));
  QPalette colours = box->palette();
  colours.setColor(QPalette::WindowText, kCreamText);
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, QColor(0x1c, 0x25, 0x33));
  box->setPalette(colours);
  box->setFocusPolicy(Qt::NoFocus);
  return box;
}

QComboBox* CreateList(QWidget* page, const QString& name, const QRect& geometry) {
  auto* list = new QComboBox(page);
  list->setObjectName(name);
  list->setGeometry(geometry);
  list->setFont(FrameFont(11, false));
  list->setFocusPolicy(Qt::NoFocus);
  return list;
}

// A panel showing a colour with the sample text on it.
QLabel* CreateSamplePanel(QWidget* page, const QString& name, int top) {
  auto* panel = new QLabel(page);
  panel->setObjectName(name);
  panel->setGeometry(kLeft, top, kPanelWidth, kRowHeight);
  panel->setAlignment(Qt::AlignCenter);
  panel->setAutoFillBackground(true);
  panel->setFrameShape(QFrame::Box);
  panel->setText(kSampleText);
  return panel;
}

void PaintPanel(QLabel* panel, const QColor& background, const QColor& text, const QFont& font) {
  QPalette colours = panel->palette();
  colours.setColor(QPalette::Window, background);
  colours.setColor(QPalette::WindowText, text);
  panel->setPalette(colours);
  panel->setFont(font);
}

QColor PanelColor(const QLabel* panel) { return panel->palette().color(QPalette::Window); }

TColor StoredColor(const QColor& color) { return color.red() | (color.green() << 8) | (color.blue() << 16); }

QTime TimeOfDay(TDateTime value) {
  const double fraction = value - std::floor(value);
  const int seconds = static_cast<int>(std::lround(fraction * kSecondsPerDay)) % static_cast<int>(kSecondsPerDay);
  return QTime(0, 0).addSecs(seconds);
}

}  // namespace

TOptionsPage::TOptionsPage(TPageHost& host) : TBookPage(host, TPageKind::Options, TextId::OptionsHeader) {
  CreateControls();
}

void TOptionsPage::CreateControls() {
  const struct {
    QLabel*& Panel;
    TBaseBtn*& Button;
    const char* HeaderName;
    const char* PanelName;
    const char* ButtonName;
    int HeaderTag;
    int ButtonTag;
    int Top;
  } colours[] = {
      {backgroundColorPanel_, backgroundColorBtn_, "OptionsBackgroundColorHeader", "OptionsBackgroundColor",
       "OptionsBackgroundColorBtn", TextId::BackgroundColorHeader, TextId::BackgroundColorBtn, 36},
      {contrastColorPanel_, contrastColorBtn_, "OptionsContrastColorHeader", "OptionsContrastColor",
       "OptionsContrastColorBtn", TextId::ContrastColorHeader, TextId::ContrastColorBtn, 76},
      {rulerColorPanel_, rulerColorBtn_, "OptionsRulerColorHeader", "OptionsRulerColor", "OptionsRulerColorBtn",
       TextId::RulerColorHeader, TextId::RulerColorBtn, 138},
  };
  for (const auto& colour : colours) {
    AddTagged(CreatePageLabel(this, QString::fromLatin1(colour.HeaderName),
                              QRect(kLeft, colour.Top, kLeftWidth, kRowHeight), true),
              colour.HeaderTag);
    colour.Panel = CreateSamplePanel(this, QString::fromLatin1(colour.PanelName), colour.Top + 18);
    colour.Button = CreatePageButton(this, QString::fromLatin1(colour.ButtonName), kSelectLeft, colour.Top + 19);
    AddTagged(colour.Button, colour.ButtonTag);
  }
  connect(backgroundColorBtn_, &TBaseBtn::clicked, this, &TOptionsPage::OptionsBackgroundColorBtnClick);
  connect(contrastColorBtn_, &TBaseBtn::clicked, this, &TOptionsPage::OptionsContrastColorBtnClick);
  connect(rulerColorBtn_, &TBaseBtn::clicked, this, &TOptionsPage::OptionsRulerColorBtnClick);

  contrastPuzzleChkBox_ =
      CreateCheckBox(this, QStringLiteral("OptionsContrastPuzzleChkBox"), QRect(kLeft, 114, kLeftWidth, kBoxHeight));
  AddTagged(contrastPuzzleChkBox_, TextId::ContrastPuzzle);
  showRulerChkBox_ =
      CreateCheckBox(this, QStringLiteral("OptionsShowRulerChkBox"), QRect(kLeft, 176, kLeftWidth, kBoxHeight));
  AddTagged(showRulerChkBox_, TextId::RulerVisible);

  AddTagged(CreatePageLabel(this, QStringLiteral("OptionsFontHeader"), QRect(kLeft, 200, kLeftWidth, kRowHeight), true),
            TextId::FontHeader);
  fontLbl_ = new QLabel(this);
  fontLbl_->setObjectName(QStringLiteral("OptionsFont"));
  fontLbl_->setGeometry(kLeft, 218, kPanelWidth, kRowHeight);
  fontLbl_->setAlignment(Qt::AlignCenter);
  fontLbl_->setAutoFillBackground(true);
  fontLbl_->setFrameShape(QFrame::Box);
  fontBtn_ = CreatePageButton(this, QStringLiteral("OptionsFontBtn"), kSelectLeft, 219);
  AddTagged(fontBtn_, TextId::FontBtn);
  connect(fontBtn_, &TBaseBtn::clicked, this, &TOptionsPage::OptionsFontBtnClick);

  displaySetList_ = CreateList(this, QStringLiteral("OptionsDisplaySetList"), QRect(kLeft, 260, 140, kListHeight));
  AddListLabel(displaySetList_, QStringLiteral("OptionsDisplaySetListLbl"), TextId::DisplaySet);
  connect(displaySetList_, &QComboBox::activated, this, &TOptionsPage::OptionsDisplaySetListChange);

  levelList_ = CreateList(this, QStringLiteral("OptionsLevelList"), QRect(kRight, 54, 140, kListHeight));
  AddListLabel(levelList_, QStringLiteral("OptionsLevelListLbl"), TextId::Level);
  AddTagged(levelList_, TextId::Level);
  connect(levelList_, &QComboBox::activated, this, &TOptionsPage::OptionsLevelListChange);

  const struct {
    QCheckBox*& Box;
    const char* Name;
    int Tag;
    int Top;
  } aids[] = {
      {showHintsChkBox_, "OptionsShowHintsChkBox", TextId::Hints, 78},
      {showErrorsChkBox_, "OptionsShowErrorsChkBox", TextId::ErrorsOption, 98},
      {showAlternativesChkBox_, "OptionsShowAlternativesChkBox", TextId::AlternativesOption, 118},
      {timeLimitedChkBox_, "OptionsTimeLimitedChkBox", TextId::TimeLimited, 138},
  };
  for (const auto& aid : aids) {
    aid.Box = CreateCheckBox(this, QString::fromLatin1(aid.Name), QRect(kRight, aid.Top, kRightWidth, kBoxHeight));
    AddTagged(aid.Box, aid.Tag);
  }
  for (QCheckBox* box : {contrastPuzzleChkBox_, showRulerChkBox_, showHintsChkBox_, showErrorsChkBox_,
                         showAlternativesChkBox_, timeLimitedChkBox_})
    connect(box, &QCheckBox::clicked, this, [this, box] { OptionsChkBoxClick(box); });

  timeLimitedTime_ = new QTimeEdit(this);
  timeLimitedTime_->setObjectName(QStringLiteral("OptionsTimeLimitedTime"));
  timeLimitedTime_->setGeometry(kRight + 20, 160, 90, kListHeight);
  timeLimitedTime_->setFont(FrameFont(11, false));
  timeLimitedTime_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  // Typed into only when clicked: the page opens with nothing selected.
  timeLimitedTime_->setFocusPolicy(Qt::ClickFocus);
  AddTagged(timeLimitedTime_, TextId::TimeLimit);
  connect(timeLimitedTime_, &QTimeEdit::timeChanged, this, [this] { OptionsChkBoxClick(timeLimitedTime_); });

  languageList_ = CreateList(this, QStringLiteral("OptionsLanguageList"), QRect(kRight, 204, 140, kListHeight));
  AddListLabel(languageList_, QStringLiteral("OptionsLanguageListLbl"), TextId::Language);
  AddTagged(languageList_, TextId::LanguageList);
  connect(languageList_, &QComboBox::activated, this, &TOptionsPage::OptionsLanguageListChange);

  screenModeList_ = CreateList(this, QStringLiteral("OptionsScreenModeList"), QRect(kRight, 248, 140, kListHeight));
  AddListLabel(screenModeList_, QStringLiteral("OptionsScreenModeListLbl"), TextId::ScreenSize);
  screenModeList_->addItems(kScreenSizeItems);
  AddTagged(screenModeList_, TextId::Automatic);
  connect(screenModeList_, &QComboBox::activated, this, &TOptionsPage::OptionsScreenModeListChange);

  shortcutChkBox_ = CreateCheckBox(this, QStringLiteral("OptionsShowProgramShortcutOnDesktopChkBox"),
                                   QRect(kLeft, 300, 388, kBoxHeight));
  AddTagged(shortcutChkBox_, TextId::DesktopShortcut);
  connect(shortcutChkBox_, &QCheckBox::clicked, this, [this] {
    DesktopShortcutUpkeep();
    Host().UpdateStatus();
  });

  // Wider than the other small buttons, its face stretched, so that the
  // caption fits in every language.
  defaultOptionsBtn_ = CreatePageButton(this, QStringLiteral("OptionsDefaultOptionsBtn"), 270, 334);
  defaultOptionsBtn_->resize(130, defaultOptionsBtn_->height());
  defaultOptionsBtn_->SetGlyphStretched(true);
  defaultOptionsBtn_->SetGlyphWidth(1.0);
  defaultOptionsBtn_->SetGlyphHeight(1.0);
  AddTagged(defaultOptionsBtn_, TextId::DefaultOptions);
  connect(defaultOptionsBtn_, &TBaseBtn::clicked, this, &TOptionsPage::OptionsDefaultOptionsBtnClick);
}

// The label above a list names it, for screen readers too.
void TOptionsPage::AddListLabel(QComboBox* list, const QString& name, int tag) {
  const QRect above(list->x(), list->y() - kRowHeight, list == displaySetList_ ? kLeftWidth : kRightWidth, kRowHeight);
  QLabel* label = CreatePageLabel(this, name, above, true);
  label->setBuddy(list);
  AddTagged(label, tag);
}

std::vector<TBaseBtn*> TOptionsPage::SmallButtons() const {
  return {backgroundColorBtn_, contrastColorBtn_, rulerColorBtn_, fontBtn_, defaultOptionsBtn_};
}

// --- Filling the controls from the record ---

void TOptionsPage::Translate() {
  TBookPage::Translate();
  FillLanguageList();
  // The lists' handlers follow "activated", which only the user's choice
  // emits, so the program refills them freely.
  levelList_->clear();
  for (int id : kLevelNameIds) levelList_->addItem(Host().Text(id));
  const int level = Host().Options().Level;
  levelList_->setCurrentIndex(level < kLevelCount ? level : -1);
  screenModeList_->setItemText(0, Host().Text(TextId::Automatic));
  screenModeList_->setItemText(1, Host().Text(TextId::Ignore));
  // The picker has no label of its own: the box above it names it.
  timeLimitedTime_->setAccessibleName(timeLimitedChkBox_->text());
}

void TOptionsPage::FillLanguageList() {
  const std::filesystem::path file = Host().Folders().LanguageFile();
  QStringList names;
  for (const std::string& name : OfferedLanguages(file)) names << FromStd(name);
  names.sort(Qt::CaseInsensitive);
  languageList_->clear();
  languageList_->addItems(names);
  const std::optional<std::string> current = LanguageName(file, Host().Options().LngID);
  languageList_->setCurrentIndex(current ? languageList_->findText(FromStd(*current)) : -1);
}

void TOptionsPage::ApplyOptions() {
  const TOptions& options = Host().Options();
  ShowColorsAndFont();
  displaySetList_->clear();
  displaySetList_->addItems(Host().DisplaySetList());
  // A set no longer listed shows the first item, as the pages fall back to it.
  int displaySet = 0;
  for (int i = 0; i < displaySetList_->count(); ++i) {
    if (displaySetList_->itemText(i).compare(FromStd(options.DisplaySet), Qt::CaseInsensitive) == 0) {
      displaySet = i;
      break;
    }
  }
  displaySetList_->setCurrentIndex(displaySet);
  levelList_->setCurrentIndex(options.Level < kLevelCount ? options.Level : -1);
  screenModeList_->setCurrentIndex(options.ScreenSize < kScreenSizeCount ? options.ScreenSize : -1);
  ShowAids();
  // The box shows whether the launcher is there, not what was wished for.
  shortcutChkBox_->setChecked(Host().ShellLinks().DesktopShortcutExists());
}

void TOptionsPage::ShowColorsAndFont() {
  const TGridLook look = GridLookOf(Host().Options(), Host().ScreenMode());
  QFont font(FromStd(Host().Options().FontName));
  font.setPixelSize(ScaleValue(kOptionsFontPixels, ScaleFromBase(Host().ScreenMode())));
  PaintPanel(backgroundColorPanel_, look.BackgroundColor, look.FontColor, font);
  PaintPanel(contrastColorPanel_, look.ContrastColor, look.FontColor, font);
  PaintPanel(rulerColorPanel_, look.RulerColor, look.FontColor, font);
  PaintPanel(fontLbl_, Qt::white, look.FontColor, font);
  fontLbl_->setText(FromStd(Host().Options().FontName));
}

void TOptionsPage::ShowAids() {
  const TOptions& options = Host().Options();
  const std::pair<QCheckBox*, bool> boxes[] = {
      {contrastPuzzleChkBox_, options.ContrastPuzzle}, {showRulerChkBox_, options.Ruler},
      {showHintsChkBox_, options.Hints},               {showErrorsChkBox_, options.Errors},
      {showAlternativesChkBox_, options.Alternatives}, {timeLimitedChkBox_, options.TimeLimited},
  };
  for (const auto& [box, checked] : boxes) box->setChecked(checked);
  // The picker tells every change of its time, the program's too.
  const QSignalBlocker blocker(timeLimitedTime_);
  timeLimitedTime_->setTime(TimeOfDay(options.PlayTimeLimit));
}

// --- The user's changes ---

void TOptionsPage::ChooseColor(QLabel* panel, std::int32_t TOptions::*field, int titleId) {
  const std::optional<QColor> chosen = Host().Dialogs().ChooseColor(PanelColor(panel), Host().Text(titleId));
  if (!chosen) return;
  Host().ChangeOptions([&](TOptions& options) { options.*field = StoredColor(*chosen); });
}

void TOptionsPage::OptionsBackgroundColorBtnClick() {
  ChooseColor(backgroundColorPanel_, &TOptions::BackgroundColor, TextId::BackgroundColorHeader);
}

void TOptionsPage::OptionsContrastColorBtnClick() {
  ChooseColor(contrastColorPanel_, &TOptions::ContrastColor, TextId::ContrastColorHeader);
}

void TOptionsPage::OptionsRulerColorBtnClick() {
  ChooseColor(rulerColorPanel_, &TOptions::RulerColor, TextId::RulerColorHeader);
}

// The desktop's font chooser has no colour, so the colour chooser follows
// it, titled as the font's colour; cancelling that keeps the colour.
void TOptionsPage::OptionsFontBtnClick() {
  const QFont shown = fontLbl_->font();
  const std::optional<QFont> font = Host().Dialogs().ChooseFont(shown);
  if (!font) return;
  // The chooser starts on the installed face that stands in for a family
  // this desktop lacks: OK on it unchanged keeps the family the options name.
  const bool familyChosen = font->family() != QFontInfo(shown).family();
  const std::optional<QColor> colour =
      Host().Dialogs().ChooseColor(fontLbl_->palette().color(QPalette::WindowText), Host().Text(TextId::FontColor));
  Host().ChangeOptions([&](TOptions& options) {
    if (familyChosen) options.FontName = font->family().toStdString();
    if (colour) options.FontColor = StoredColor(*colour);
  });
}

void TOptionsPage::OptionsLevelListChange(int index) {
  if (index < 0 || index >= kLevelCount) return;
  Host().ChangeOptions([index](TOptions& options) { ChooseLevel(options, index); });
}

void TOptionsPage::OptionsChkBoxClick(QObject* sender) {
  Host().ChangeOptions([&](TOptions& options) {
    if (sender == timeLimitedTime_) {
      options.PlayTimeLimit = timeLimitedTime_->time().msecsSinceStartOfDay() / 1000 / kSecondsPerDay;
      return;
    }
    const std::pair<QCheckBox*, bool*> fields[] = {
        {contrastPuzzleChkBox_, &options.ContrastPuzzle}, {showRulerChkBox_, &options.Ruler},
        {showHintsChkBox_, &options.Hints},               {showErrorsChkBox_, &options.Errors},
        {showAlternativesChkBox_, &options.Alternatives}, {timeLimitedChkBox_, &options.TimeLimited},
    };
    for (const auto& [box, field] : fields)
      if (box == sender) *field = box->isChecked();
  });
}

void TOptionsPage::OptionsDisplaySetListChange(int index) {
  if (index < 0) return;
  const std::string chosen = displaySetList_->itemText(index).toStdString();
  Host().ChangeOptions([&chosen](TOptions& options) { options.DisplaySet = chosen; });
}

void TOptionsPage::OptionsLanguageListChange(int index) {
  if (index < 0) return;
  const std::optional<std::int32_t> number =
      LanguageNumber(Host().Folders().LanguageFile(), languageList_->itemText(index).toStdString());
  if (number) Host().LanguageChosen(*number);
}

void TOptionsPage::OptionsScreenModeListChange(int index) { Host().ScreenSizeChosen(index); }

void TOptionsPage::OptionsDefaultOptionsBtnClick() {
  // Defaults include the desktop launcher: ticking the box makes it.
  shortcutChkBox_->setChecked(true);
  DesktopShortcutUpkeep();
  Host().ChangeOptions([](TOptions& options) {
    InitOptions(options);
    ChooseLevel(options, 1);
  });
}

void TOptionsPage::DesktopShortcutUpkeep() {
  TShellLinks& links = Host().ShellLinks();
  const bool exists = links.DesktopShortcutExists();
  if (!shortcutChkBox_->isChecked() && exists)
    links.RemoveDesktopShortcut();
  else if (shortcutChkBox_->isChecked() && !exists)
    links.CreateDesktopShortcut();
  // The box shows what is on the desktop, also when the change was refused.
  shortcutChkBox_->setChecked(links.DesktopShortcutExists());
}

}  // namespace novlet
