// Display sets: the alphabets and icon sets values are shown in.
#include "render/display_set.h"

#include <QDir>

#include "render/icon_file.h"

namespace novlet {

QStringList FillDisplaySetList(const QString& displaySetsFolder) {
  QStringList items = kSymbolAlphabets;
  const QDir folder(displaySetsFolder);
  if (displaySetsFolder.isEmpty() || !folder.exists()) return items;
  items += folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  return items;
}

void TDisplaySet::Apply(int selectedIndex, const QString& itemText, int gridSize, const QString& displaySetsFolder) {
  selectedIndex_ = selectedIndex < 0 ? 0 : selectedIndex;
  displaySet_ = itemText;
  gridSize_ = gridSize;
  ClearIcons();
  if (gridSize_ < 10 && selectedIndex_ >= kFirstIconSetIndex &&
      (itemText.isEmpty() || !LoadDisplaySetIcons(QDir(displaySetsFolder).filePath(itemText)))) {
    selectedIndex_ = 0;
    displaySet_ = kSymbolAlphabets.front();
  }
}

bool TDisplaySet::LoadDisplaySetIcons(const QString& folder) {
  const QDir dir(folder);
  std::vector<QImage> large;
  std::vector<QImage> small;
  bool complete = true;
  // Every file is tried even after a failure, as a set is judged as a whole.
  for (int i = 0; i < kIconsPerSet; ++i) {
    const QString number = QStringLiteral("0%1").arg(i);
    large.push_back(LoadIconFile(dir.filePath(number + ".ico"), kLargeIconSide));
    complete = complete && !large.back().isNull();
  }
  for (int i = 0; i < kIconsPerSet; ++i) {
    const QString number = QStringLiteral("0%1").arg(i);
    small.push_back(LoadIconFile(dir.filePath(number + "s.ico"), kSmallIconSide));
    complete = complete && !small.back().isNull();
  }
  if (!complete) {
    ClearIcons();
    return false;
  }
  iconList32x32_ = std::move(large);
  iconList16x16_ = std::move(small);
  return true;
}

QString TDisplaySet::DisplaySetSymbol(int value) const {
  if (value < 1 || value > gridSize_ || value > kWideAlphabet.size()) return {};
  if (gridSize_ >= 10) return kWideAlphabet.mid(value - 1, 1);
  // An icon set's option text is a folder name, not an alphabet: where a
  // symbol is still wanted the digit stands in.
  if (selectedIndex_ >= kFirstIconSetIndex || value > displaySet_.size()) return kSymbolAlphabets.front().mid(value - 1, 1);
  return displaySet_.mid(value - 1, 1);
}

TDisplaySet TDisplaySet::ForGridSize(int gridSize) const {
  TDisplaySet fitted = *this;
  fitted.gridSize_ = gridSize;
  return fitted;
}

const QImage* TDisplaySet::IconAt(const std::vector<QImage>& list, int index) {
  if (index < 0 || index >= static_cast<int>(list.size()) || list[index].isNull()) return nullptr;
  return &list[index];
}

void TDisplaySet::ClearIcons() {
  iconList32x32_.clear();
  iconList16x16_.clear();
}

}  // namespace novlet
