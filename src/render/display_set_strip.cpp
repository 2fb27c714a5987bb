// Paints the symbol strip and finds the value under a click.
#include "render/display_set_strip.h"

#include <QFontInfo>
#include <QFontMetrics>

#include "render/screen_scale.h"

namespace novlet {
namespace {

constexpr int kBaseStripCellWidth = 27;
constexpr int kSlotTextIndent = 7;
constexpr int kDigitIndent = 16;
constexpr int kSmallestLabelPixels = 7;
const QColor kStripFrameColor(0x80, 0x80, 0x80);
const QColor kStripLabelColor(0x50, 0x50, 0x50);

// Draws text with its top left corner at (x, y), as the strip's layout counts.
void DrawTextAt(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

// Text is centred on the height of its line in the painter's current font.
int CentredTop(const QPainter& painter, int height) { return (height - painter.fontMetrics().height()) / 2; }

}  // namespace

int SymbolStripCellWidth(int screenMode) { return ScaleLengthForScreen(kBaseStripCellWidth, screenMode); }

int StripSlotWidth(int stripWidth, int gridSize, int screenMode) {
  if (gridSize >= 10) return stripWidth / gridSize;
  return SymbolStripCellWidth(screenMode);
}

int StripValueAt(int x, int stripWidth, int gridSize, int screenMode) {
  const int slotWidth = StripSlotWidth(stripWidth, gridSize, screenMode);
  if (x < 0 || slotWidth <= 0) return 0;
  const int value = x / slotWidth + 1;
  return value <= gridSize ? value : 0;
}

void PaintDisplaySetStrip(QPainter& painter, const QSize& size, const TDisplaySet& displaySet,
                          const QFont& windowFont, const QColor& windowColor, int screenMode) {
  const int width = size.width();
  const int height = size.height();
  painter.save();
  painter.fillRect(0, 0, width, height, windowColor);
  painter.setPen(kStripFrameColor);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(0, 0, width - 1, height - 1);
  painter.setPen(Qt::black);

  QFont regular = windowFont;
  regular.setBold(false);
  // Sizes in pixels, so that the label can shrink a pixel at a time.
  regular.setPixelSize(QFontInfo(regular).pixelSize());
  QFont bold = windowFont;
  bold.setBold(true);

  const int gridSize = displaySet.GridSize();
  const int slotWidth = StripSlotWidth(width, gridSize, screenMode);
  for (int value = 1; value <= gridSize && slotWidth > 0; ++value) {
    const int slotLeft = (value - 1) * slotWidth;
    const QString symbol = displaySet.DisplaySetSymbol(value);
    painter.setFont(bold);
    if (gridSize >= 10 || displaySet.SelectedIndex() == 0) {
      // Wide boards' slots are too narrow for the fixed indent: their symbols
      // are centred so that none spills into the next slot.
      const int indent = gridSize >= 10
                             ? qMax(0, (slotWidth - painter.fontMetrics().horizontalAdvance(symbol)) / 2)
                             : kDigitIndent;
      DrawTextAt(painter, slotLeft + indent, CentredTop(painter, height), symbol);
      continue;
    }
    const QString label = QString::number(value) + '=';
    const QImage* icon = displaySet.UsesIcons() ? displaySet.SmallIcon(value) : nullptr;
    const int pictureWidth = icon != nullptr ? icon->width() : painter.fontMetrics().horizontalAdvance(symbol);
    // The label gives way to the picture: it shrinks until the pair fits the
    // slot, then the pair is centred, so nothing runs into the next slot.
    QFont labelFont = regular;
    while (QFontMetrics(labelFont).horizontalAdvance(label) + pictureWidth > slotWidth - 2 &&
           labelFont.pixelSize() > kSmallestLabelPixels) {
      labelFont.setPixelSize(labelFont.pixelSize() - 1);
    }
    const int labelWidth = QFontMetrics(labelFont).horizontalAdvance(label);
    const int groupLeft = slotLeft + qBound(1, (slotWidth - labelWidth - pictureWidth) / 2, kSlotTextIndent);
    painter.setFont(labelFont);
    painter.setPen(kStripLabelColor);
    DrawTextAt(painter, groupLeft, CentredTop(painter, height), label);
    painter.setPen(Qt::black);
    const int pictureLeft = groupLeft + labelWidth;
    if (icon != nullptr) {
      painter.drawImage(pictureLeft, (height - icon->height()) / 2, *icon);
    } else if (!displaySet.UsesIcons()) {
      painter.setFont(bold);
      DrawTextAt(painter, pictureLeft, CentredTop(painter, height), symbol);
    }
  }
  painter.restore();
}

}  // namespace novlet
