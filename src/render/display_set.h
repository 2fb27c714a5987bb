// Display sets: the alphabets and icon sets values are shown in.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

// The alphabet or icon set in which the values 1..N of a board are shown.
namespace novlet {

// Items 0..2 of the display-set list; items from 3 on name icon folders.
inline const QStringList kSymbolAlphabets{"123456789", "ABCDEFGHI", "SINGAPORE"};
inline constexpr int kFirstIconSetIndex = 3;
// Boards of side 10 and more always use this alphabet; its letters are also
// the keys that type the values 10..16.
inline const QString kWideAlphabet = "123456789QRSTUVW";
inline constexpr int kIconsPerSet = 10;
inline constexpr int kLargeIconSide = 32;
inline constexpr int kSmallIconSide = 16;

// The items of the display-set list: the three alphabets, then one item per
// folder under displaySetsFolder ("Display Sets/" beside the program data),
// sorted by name so the list reads the same on every file system. A missing
// folder leaves the alphabets alone.
QStringList FillDisplaySetList(const QString& displaySetsFolder);

class TDisplaySet {
 public:
  // ApplyDisplaySet without its controls: takes the selected item of the list
  // and the board side, and loads the icon set when one is selected and the
  // side is 9 or less. A set that fails to load falls back to item 0; the
  // caller reads SelectedIndex() and DisplaySet() back into the list and the
  // options.
  void Apply(int selectedIndex, const QString& itemText, int gridSize, const QString& displaySetsFolder);

  // Loads the twenty icons of one folder (00.ico..09.ico at 32 x 32 and
  // 00s.ico..09s.ico at 16 x 16): all of them or none, so both lists end up
  // either full or empty.
  bool LoadDisplaySetIcons(const QString& folder);

  int SelectedIndex() const { return selectedIndex_; }
  // The DisplaySet option: the selected item's text.
  const QString& DisplaySet() const { return displaySet_; }
  int GridSize() const { return gridSize_; }
  // The same set for boards of another side, as a booklet of mixed sizes
  // needs: every value up to that side gets its symbol.
  TDisplaySet ForGridSize(int gridSize) const;

  // True when values are drawn as icons rather than symbols.
  bool UsesIcons() const {
    return gridSize_ < 10 && selectedIndex_ >= kFirstIconSetIndex && !iconList32x32_.empty();
  }
  // The one-character symbol of value v (1..N); empty outside that range.
  QString DisplaySetSymbol(int value) const;

  // Icon v of IconList32x32 / IconList16x16 (index 0 is the set's icon 00),
  // or nullptr when the list yields none.
  const QImage* LargeIcon(int index) const { return IconAt(iconList32x32_, index); }
  const QImage* SmallIcon(int index) const { return IconAt(iconList16x16_, index); }

 private:
  static const QImage* IconAt(const std::vector<QImage>& list, int index);
  void ClearIcons();

  int selectedIndex_ = 0;
  QString displaySet_ = kSymbolAlphabets.front();
  int gridSize_ = 9;
  std::vector<QImage> iconList32x32_;
  std::vector<QImage> iconList16x16_;
};

}  // namespace novlet
