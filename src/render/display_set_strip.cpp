#include "render/display_set_strip.h"

#include <QFontMetrics>

#include "render/screen_scale.h"

namespace novlet {
namespace {

constexpr int kBaseStripCellWidth = 27;
constexpr int kSlotTextIndent = 7;
constexpr int kDigitIndent = 16;
constexpr int kStripIconTop = 2;
const QColor kStripFrameColor(0x80, 0x80, 0x80);

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
  QFont bold = windowFont;
  bold.setBold(true);

  const int gridSize = displaySet.GridSize();
  const int slotWidth = StripSlotWidth(width, gridSize, screenMode);
  for (int value = 1; value <= gridSize && slotWidth > 0; ++value) {
    const int slotLeft = (value - 1) * slotWidth;
    const QString symbol = displaySet.DisplaySetSymbol(value);
    painter.setFont(bold);
    if (gridSize >= 10 || displaySet.SelectedIndex() == 0) {
      const int indent = gridSize >= 10 ? kSlotTextIndent : kDigitIndent;
      DrawTextAt(painter, slotLeft + indent, CentredTop(painter, height), symbol);
      continue;
    }
    const QString label = QString::number(value) + '=';
    const int labelWidth = painter.fontMetrics().horizontalAdvance(label);
    painter.setFont(regular);
    DrawTextAt(painter, slotLeft + kSlotTextIndent, CentredTop(painter, height), label);
    const int pictureLeft = slotLeft + kSlotTextIndent + labelWidth;
    if (displaySet.UsesIcons()) {
      if (const QImage* icon = displaySet.SmallIcon(value)) painter.drawImage(pictureLeft, kStripIconTop, *icon);
    } else {
      painter.setFont(bold);
      DrawTextAt(painter, pictureLeft, CentredTop(painter, height), symbol);
    }
  }
  painter.restore();
}

}  // namespace novlet
