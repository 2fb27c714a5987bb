// The page frame: heading, tagged texts and the defaults of the page contract.
#include "game/book_page.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>

#include "game/frame_look.h"
#include "game/page_controls.h"
#include "store/language/component_translation.h"
#include "ui/base_btn.h"
#include "ui/std_text.h"

namespace novlet {
namespace {

// The controls whose items a language may translate, as lists.
QStringList ItemsOf(const QObject* control) {
  QStringList items;
  if (const auto* list = qobject_cast<const QComboBox*>(control)) {
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  } else if (const auto* box = qobject_cast<const QListWidget*>(control)) {
    for (int i = 0; i < box->count(); ++i) items << box->item(i)->text();
  } else if (const auto* tabs = qobject_cast<const QTabBar*>(control)) {
    for (int i = 0; i < tabs->count(); ++i) items << tabs->tabText(i);
  }
  return items;
}

bool IsItemList(const QObject* control) {
  return qobject_cast<const QComboBox*>(control) || qobject_cast<const QListWidget*>(control) ||
         qobject_cast<const QTabBar*>(control);
}

void SetItem(QObject* control, int index, const QString& text) {
  if (auto* list = qobject_cast<QComboBox*>(control))
    list->setItemText(index, text);
  else if (auto* box = qobject_cast<QListWidget*>(control))
    box->item(index)->setText(text);
  else if (auto* tabs = qobject_cast<QTabBar*>(control))
    tabs->setTabText(index, text);
}

// Labels, buttons, check boxes and group boxes show the caption; other
// controls only take the tool tip.
void SetCaption(QWidget* control, const QString& caption) {
  if (auto* button = qobject_cast<TBaseBtn*>(control))
    SetCentredCaption(button, caption);
  else if (auto* label = qobject_cast<QLabel*>(control))
    label->setText(caption);
  else if (auto* box = qobject_cast<QAbstractButton*>(control))
    box->setText(caption);
  else if (auto* group = qobject_cast<QGroupBox*>(control))
    group->setTitle(caption);
}

}  // namespace

TBookPage::TBookPage(TPageHost& host, TPageKind kind, int headingTag)
    : host_(host), kind_(kind), headingTag_(headingTag) {
  setAttribute(Qt::WA_TranslucentBackground);
  headingLbl_ = new QLabel(this);
  headingLbl_->setObjectName(QStringLiteral("HeadingLbl"));
  headingLbl_->setGeometry(12, 6, kPageAreaWidth - 24, 22);
  headingLbl_->setFont(FrameFont(15, true));
  headingLbl_->setStyleSheet(CreamLabelStyle());
  AddTagged(headingLbl_, headingTag);
}

void TBookPage::AddTagged(QWidget* control, int tag) {
  tagged_.push_back({control, tag, ItemsOf(control)});
  ApplyTagged(tagged_.back());
}

void TBookPage::ApplyTexts(QWidget* control, int tag) const { ApplyTagged({control, tag, ItemsOf(control)}); }

void TBookPage::ApplyTagged(const TTagged& tagged) const {
  const TTranslator& texts = host_.Texts();
  QWidget* control = tagged.Control;
  if (IsItemList(control) && !texts.Rows().FindTag(tagged.Tag)) {
    const QStringList items = ItemsOf(control);
    const TComponentTranslation translation =
        TranslateComponent(texts.Rows(), TComponentKind::ItemList, tagged.Tag, static_cast<std::size_t>(items.size()));
    for (int i = 0; i < items.size(); ++i) {
      const auto index = static_cast<std::size_t>(i);
      if (index < translation.Items.size() && translation.Items[index])
        SetItem(control, i, FromStd(*translation.Items[index]));
      else if (i < tagged.BuiltInItems.size())
        SetItem(control, i, tagged.BuiltInItems[i]);
    }
    control->setToolTip(FromStd(translation.Hint.value_or(texts.Control(tagged.Tag).Hint)));
    return;
  }
  const TControlTexts own = texts.Control(tagged.Tag);
  // A list whose id has a row keeps its items: the page fills them.
  if (!IsItemList(control)) SetCaption(control, FromStd(own.Caption));
  control->setToolTip(FromStd(own.Hint));
}

void TBookPage::Translate() {
  for (const TTagged& tagged : tagged_) ApplyTagged(tagged);
}

void TBookPage::CreateButtonColumn(int left, std::initializer_list<TColumnButton> buttons) {
  for (const TColumnButton& button : buttons) {
    button.Button = CreatePageButton(this, QString::fromLatin1(button.Name), left, button.Top);
    if (button.Tag != kCaptionFollowsState) AddTagged(button.Button, button.Tag);
    connect(button.Button, &TBaseBtn::clicked, this, button.Click);
  }
}

}  // namespace novlet
