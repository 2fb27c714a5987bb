// Paints a grid cell by cell: backgrounds, borders, values, notes and overlays.
#include "render/grid_painter.h"

#include <string>
#include <string_view>

#include "engine/cell_text.h"
#include "render/screen_scale.h"

namespace novlet {
namespace {

const QColor kHighlightColor(0xFF, 0xFF, 0x00);
const QColor kHighlightTextColor(0x00, 0x00, 0x80);
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kErrorColor(0xFF, 0x00, 0x00);
const QColor kErrorTextColor(0xFF, 0xFF, 0xFF);
const QColor kPausedTextColor(0xCB, 0xCB, 0xCB);
const QColor kBevelShadow(0x80, 0x80, 0x80);
// An explanation: a light tint over its units, a blue outline round the
// cells that prove it, an orange one inside the cells it changes.
const QColor kExplainTint(0xFF, 0xE8, 0x90);
const QColor kProofColor(0x1E, 0x5A, 0xC8);
const QColor kChangedColor(0xE0, 0x70, 0x00);
const QString kUnknownMark = QStringLiteral("?");

constexpr int kValuePoints = 12;
constexpr int kWideValuePoints = 10;
constexpr int kSmallPoints = 6;
constexpr int kWideSmallPoints = 4;

QFont GridFont(const TGridLook& look, int points, bool bold) {
  QFont font(look.FontName);
  font.setPixelSize(PointsToPixels(ScaleForScreen(points, look.ScreenMode)));
  font.setBold(bold);
  return font;
}

// Fills the pixels of a one-pixel line from (x1, y1) up to but not including
// (x2, y2); only horizontal and vertical lines occur in the grid.
void DrawLine(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& color) {
  if (y1 == y2 && x2 > x1) painter.fillRect(x1, y1, x2 - x1, 1, color);
  if (x1 == x2 && y2 > y1) painter.fillRect(x1, y1, 1, y2 - y1, color);
}

// Outline of the pixels from (left, top) to (right - 1, bottom - 1).
void DrawOutline(QPainter& painter, int left, int top, int right, int bottom, const QColor& color) {
  DrawLine(painter, left, top, right, top, color);
  DrawLine(painter, left, bottom - 1, right, bottom - 1, color);
  DrawLine(painter, left, top, left, bottom, color);
  DrawLine(painter, right - 1, top, right - 1, bottom, color);
}

void DrawTextAt(QPainter& painter, const QFontMetrics& metrics, int x, int y, const QString& text) {
  painter.drawText(x, y + metrics.ascent(), text);
}

}  // namespace

struct TGridPainter::TCellFacts {
  std::string_view Text;
  int Value;
  int SolutionValue;
  bool Given;
  bool Error;
  bool Highlighted;
  bool ShowsSolution;
};

QRect GridCellRect(int column, int row, int gridSize, const QSize& gridControlSize) {
  if (gridSize <= 0) return {};
  const int width = gridControlSize.width() / gridSize;
  const int height = gridControlSize.height() / gridSize;
  return {column * width, row * height, width, height};
}

QPoint GridCellAt(const QPoint& point, int gridSize, const QSize& gridControlSize) {
  if (gridSize <= 0 || point.x() < 0 || point.y() < 0) return {-1, -1};
  const int width = gridControlSize.width() / gridSize;
  const int height = gridControlSize.height() / gridSize;
  if (width <= 0 || height <= 0) return {-1, -1};
  const int column = point.x() / width;
  const int row = point.y() / height;
  if (column >= gridSize || row >= gridSize) return {-1, -1};
  return {column, row};
}

TGridPainter::TGridPainter(const TGridScene& scene)
    : scene_(scene),
      usesIcons_(scene.Geometry.GridSize < 10 && scene.DisplaySet.UsesIcons()),
      valueFont_(GridFont(scene.Look, scene.Geometry.GridSize < 10 ? kValuePoints : kWideValuePoints, false)),
      givenFont_(GridFont(scene.Look, scene.Geometry.GridSize < 10 ? kValuePoints : kWideValuePoints, true)),
      smallFont_(GridFont(scene.Look, scene.Geometry.GridSize < 10 ? kSmallPoints : kWideSmallPoints, true)),
      valueMetrics_(valueFont_),
      givenMetrics_(givenFont_),
      smallMetrics_(smallFont_),
      noteSymbolWidth_(smallMetrics_.horizontalAdvance(QLatin1Char('8'))) {}

const TGridPainter::TSymbolText& TGridPainter::Symbol(int value) const {
  TSymbolText& symbol = symbols_[static_cast<std::size_t>(value)];
  if (!symbol.Known) {
    symbol.Text = scene_.DisplaySet.DisplaySetSymbol(value);
    symbol.ValueWidth = valueMetrics_.horizontalAdvance(symbol.Text);
    symbol.GivenWidth = givenMetrics_.horizontalAdvance(symbol.Text);
    symbol.Known = true;
  }
  return symbol;
}

void TGridPainter::PaintGrid(QPainter& target, QImage* gridBuffer, const QRect& exposed) const {
  if (gridBuffer == nullptr || gridBuffer->isNull()) return;
  const int gridSize = scene_.Geometry.GridSize;
  QRect painted;
  {
    QPainter buffer(gridBuffer);
    for (int row = 0; row < gridSize; ++row) {
      for (int column = 0; column < gridSize; ++column) {
        const QRect rect = GridCellRect(column, row, gridSize, gridBuffer->size());
        if (!rect.intersects(exposed)) continue;
        ComposeCell(buffer, column, row, rect);
        painted |= rect;
      }
    }
  }
  // The cells were clipped to themselves, so one block copy of all of them
  // puts each on screen exactly as its own copy would.
  if (!painted.isEmpty()) target.drawImage(painted, *gridBuffer, painted);
}

void TGridPainter::PaintGridShapes(QPainter& target, const QSize& gridControlSize) const {
  const int gridSize = scene_.Geometry.GridSize;
  for (int row = 0; row < gridSize; ++row)
    for (int column = 0; column < gridSize; ++column)
      ComposeCell(target, column, row, GridCellRect(column, row, gridSize, gridControlSize));
}

void TGridPainter::NovletGridDrawCell(QPainter& target, QImage* gridBuffer, int column, int row,
                                      const QRect& rect) const {
  const int gridSize = scene_.Geometry.GridSize;
  if (gridBuffer == nullptr || gridBuffer->isNull()) return;
  if (column < 0 || row < 0 || column >= gridSize || row >= gridSize) return;
  {
    QPainter buffer(gridBuffer);
    ComposeCell(buffer, column, row, rect);
  }
  target.drawImage(rect, *gridBuffer, rect);
}

void TGridPainter::ComposeCell(QPainter& buffer, int column, int row, const QRect& rect) const {
  const TGeometry& g = scene_.Geometry;
  const TGridPaintState& state = scene_.State;
  const int c = column + 1;
  const int r = row + 1;
  const bool covered = state.Paused && !state.OutputCapture;

  TCellFacts cell{};
  cell.Text = scene_.GridTexts.at(c, r);
  cell.Value = TextToValue(cell.Text);
  cell.SolutionValue = scene_.Solution.at(c, r);
  cell.Given = IsGivenText(scene_.PuzzleTexts.at(c, r), cell.SolutionValue);
  cell.Error = cell.SolutionValue != 0 && !cell.Text.empty() && !HoldsValueList(cell.Text) &&
               cell.Value != cell.SolutionValue;
  cell.Highlighted = state.HighlightValue != 0 && cell.Value == state.HighlightValue;
  cell.ShowsSolution = state.SolutionShown && cell.SolutionValue != 0 && cell.Value != cell.SolutionValue;

  const int left = rect.left();
  const int top = rect.top();
  const int right = rect.left() + rect.width();
  const int bottom = rect.top() + rect.height();
  const int leftEdge = column % g.BoxWidth == 0 ? 1 : 0;
  const int topEdge = row % g.BoxHeight == 0 ? 1 : 0;

  buffer.save();
  buffer.setClipRect(rect);
  buffer.setRenderHint(QPainter::SmoothPixmapTransform);

  // Neighbouring cells share one frame line: the frame reaches one pixel back
  // over the previous cell's last column and row.
  const int frameLeft = column > 0 ? left - 1 : left;
  const int frameTop = row > 0 ? top - 1 : top;
  buffer.fillRect(frameLeft, frameTop, right - frameLeft, bottom - frameTop, CellBackground(cell, column, row));
  DrawOutline(buffer, frameLeft, frameTop, right, bottom, Qt::black);
  // The second pixel of the two-pixel box borders.
  if (leftEdge == 1) DrawLine(buffer, left, top, left, bottom, Qt::black);
  if (topEdge == 1) DrawLine(buffer, left, top, right, top, Qt::black);

  if (cell.Given && usesIcons_) DrawBevel(buffer, rect, leftEdge, topEdge);

  QColor textColor = cell.Highlighted ? kHighlightTextColor : scene_.Look.FontColor;
  bool bold = cell.Given;
  if (state.ShowErrors && cell.Error) {
    textColor = kErrorTextColor;
    bold = true;
  }
  if (covered) textColor = kPausedTextColor;
  buffer.setPen(textColor);

  const std::string shown = cell.ShowsSolution ? std::to_string(cell.SolutionValue) : std::string(cell.Text);
  if (usesIcons_) {
    DrawIconContent(buffer, rect, shown);
  } else {
    DrawSymbolContent(buffer, rect, shown, bold);
  }
  if (cell.ShowsSolution) DrawSolutionMark(buffer, rect, cell);
  if (state.Marks && !covered) {
    const std::uint8_t marks = state.Marks->At(c, r);
    const auto frame = [&](int inset, const QColor& color) {
      buffer.setPen(QPen(color, 2));
      buffer.setBrush(Qt::NoBrush);
      buffer.drawRect(rect.adjusted(inset + leftEdge, inset + topEdge, -inset - 1, -inset - 1));
    };
    if (marks & TGridMarks::Proof) frame(2, kProofColor);
    if (marks & TGridMarks::Changed) frame(marks & TGridMarks::Proof ? 5 : 2, kChangedColor);
  }

  if (!state.OutputCapture) {
    if (state.Paused) {
      if (usesIcons_) buffer.fillRect(left + 1, top + 1, rect.width() - 2, rect.height() - 2, kSilver);
    } else if (column == state.CurrentColumn && row == state.CurrentRow) {
      DrawFocusFrame(buffer, rect, leftEdge, topEdge);
    }
  }
  buffer.restore();
}

QColor TGridPainter::CellBackground(const TCellFacts& cell, int column, int row) const {
  const TGeometry& g = scene_.Geometry;
  const TGridLook& look = scene_.Look;
  const TGridPaintState& state = scene_.State;
  const int bx = column / g.BoxWidth + 1;
  const int by = row / g.BoxHeight + 1;

  QColor background;
  const bool inRuler = column == state.CurrentColumn || row == state.CurrentRow ||
                       (bx == state.CurrentColumn / g.BoxWidth + 1 && by == state.CurrentRow / g.BoxHeight + 1);
  if (!state.Paused && !state.OutputCapture && look.Ruler && inRuler) {
    background = look.RulerColor;
  } else if (look.ContrastPuzzle) {
    const int puzzleValue = TextToValue(scene_.PuzzleTexts.at(column + 1, row + 1));
    const bool given = cell.SolutionValue != 0 && puzzleValue != 0 && puzzleValue == cell.SolutionValue;
    background = given ? look.ContrastColor : look.BackgroundColor;
  } else {
    background = (bx + by) % 2 == 0 ? look.BackgroundColor : look.ContrastColor;
  }
  if (state.Marks && (state.Marks->At(column + 1, row + 1) & TGridMarks::Tinted)) {
    const auto mix = [](int a, int b) { return (a + b) / 2; };
    background = QColor(mix(background.red(), kExplainTint.red()), mix(background.green(), kExplainTint.green()),
                        mix(background.blue(), kExplainTint.blue()));
  }
  if (cell.Highlighted) background = kHighlightColor;
  if (state.Paused && !state.OutputCapture) background = kSilver;
  if ((state.ShowErrors || (state.SolutionShown && usesIcons_)) && cell.Error) background = kErrorColor;
  return background;
}

void TGridPainter::DrawBevel(QPainter& buffer, const QRect& rect, int leftEdge, int topEdge) const {
  const int left = rect.left();
  const int top = rect.top();
  const int right = rect.left() + rect.width();
  const int bottom = rect.top() + rect.height();
  DrawLine(buffer, left + 2 + leftEdge, bottom - 4, right - 2, bottom - 4, kBevelShadow);
  DrawLine(buffer, right - 4, top + 2 + topEdge, right - 4, bottom - 4, kBevelShadow);
  DrawLine(buffer, left + 3 + leftEdge, bottom - 3, right - 2, bottom - 3, Qt::black);
  DrawLine(buffer, right - 3, top + 3 + topEdge, right - 3, bottom - 3, Qt::black);
  DrawLine(buffer, left + 1 + leftEdge, top + 1 + topEdge, right - 3, top + 1 + topEdge, kSilver);
  DrawLine(buffer, left + 1 + leftEdge, top + 2 + topEdge, left + 1 + leftEdge, bottom - 3, kSilver);
}

void TGridPainter::DrawIconContent(QPainter& buffer, const QRect& rect, std::string_view text) const {
  const TGeometry& g = scene_.Geometry;
  const int gridSize = g.GridSize;
  if (!HoldsValueList(text)) {
    const int value = TextToValue(text);
    if (value < 1 || value > gridSize) return;
    if (const QImage* icon = scene_.DisplaySet.LargeIcon(value)) {
      buffer.drawImage(rect.left() + (rect.width() - icon->width()) / 2,
                       rect.top() + (rect.height() - icon->height()) / 2, *icon);
    }
    return;
  }
  ForEachListedValue(text, [&](int value) {
    if (value < 1 || value > gridSize) return;
    const QRect slot = NoteSlot(rect, value);
    if (const QImage* icon = scene_.DisplaySet.SmallIcon(value)) {
      // Small icons at full size would pile up in slots of half their width;
      // each is shrunk to its slot so that every note stays visible, and
      // kept off the frame lines like the symbols are.
      const int side = qMin(icon->width(), qMin(rect.width() / g.BoxWidth, rect.height() / g.BoxHeight));
      buffer.drawImage(QRect(slot.left() + 1, slot.top() + 1, side, side), *icon);
    } else {
      DrawSmallSymbol(buffer, slot.left(), slot.top(), scene_.DisplaySet.DisplaySetSymbol(value), kErrorColor);
    }
  });
}

void TGridPainter::DrawSymbolContent(QPainter& buffer, const QRect& rect, std::string_view text, bool bold) const {
  const int gridSize = scene_.Geometry.GridSize;
  if (!HoldsValueList(text)) {
    const int value = TextToValue(text);
    if (value < 1 || value > gridSize) return;
    const TSymbolText& symbol = Symbol(value);
    const QFontMetrics& metrics = bold ? givenMetrics_ : valueMetrics_;
    buffer.setFont(bold ? givenFont_ : valueFont_);
    DrawTextAt(buffer, metrics, rect.left() + (rect.width() - (bold ? symbol.GivenWidth : symbol.ValueWidth)) / 2,
               rect.top() + (rect.height() - metrics.height()) / 2, symbol.Text);
    return;
  }
  buffer.setFont(smallFont_);
  ForEachListedValue(text, [&](int value) {
    if (value < 1 || value > gridSize) return;
    const QRect slot = NoteSlot(rect, value);
    DrawTextAt(buffer, smallMetrics_, slot.left() + 1, slot.top(), Symbol(value).Text);
  });
}

void TGridPainter::DrawSolutionMark(QPainter& buffer, const QRect& rect, const TCellFacts& cell) const {
  const int gridSize = scene_.Geometry.GridSize;
  const bool hasNotes = HoldsValueList(cell.Text);
  if (usesIcons_) {
    if (cell.Text.empty()) {
      if (const QImage* icon = scene_.DisplaySet.SmallIcon(0)) {
        buffer.drawImage(rect.topLeft(), *icon);
      } else {
        DrawSmallSymbol(buffer, rect.left() + 2, rect.top() + 2, kUnknownMark, kErrorColor);
      }
    } else if (!hasNotes && cell.Value >= 1 && cell.Value <= gridSize) {
      if (const QImage* icon = scene_.DisplaySet.SmallIcon(cell.Value)) buffer.drawImage(rect.topLeft(), *icon);
    }
    return;
  }
  const bool unknown = cell.Text.empty() || hasNotes;
  const QString mark = unknown ? kUnknownMark : scene_.DisplaySet.DisplaySetSymbol(cell.Value);
  DrawSmallSymbol(buffer, rect.left() + 2, rect.top() + 2, mark.isEmpty() ? kUnknownMark : mark, kErrorColor);
}

void TGridPainter::DrawFocusFrame(QPainter& buffer, const QRect& rect, int leftEdge, int topEdge) const {
  const int right = rect.left() + rect.width();
  const int bottom = rect.top() + rect.height();
  // Inverting keeps the frame visible on every background colour.
  buffer.setCompositionMode(QPainter::RasterOp_NotDestination);
  if (usesIcons_) {
    const int frameLeft = rect.left() + leftEdge;
    const int frameTop = rect.top() + topEdge;
    const int frameRight = right - 1;
    const int frameBottom = bottom - 1;
    // A dotted line: every other pixel along the frame, as a dotted pen draws it.
    for (int x = frameLeft; x < frameRight; x += 2) {
      buffer.fillRect(x, frameTop, 1, 1, Qt::black);
      buffer.fillRect(x, frameBottom - 1, 1, 1, Qt::black);
    }
    for (int y = frameTop + 2; y < frameBottom - 1; y += 2) {
      buffer.fillRect(frameLeft, y, 1, 1, Qt::black);
      buffer.fillRect(frameRight - 1, y, 1, 1, Qt::black);
    }
  } else {
    DrawOutline(buffer, rect.left() + 1 + leftEdge, rect.top() + 1 + topEdge, right - 2, bottom - 2, Qt::black);
  }
  buffer.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TGridPainter::DrawSmallSymbol(QPainter& buffer, int x, int y, const QString& symbol, const QColor& color) const {
  buffer.setFont(smallFont_);
  buffer.setPen(color);
  DrawTextAt(buffer, smallMetrics_, x, y, symbol);
}

QRect TGridPainter::NoteSlot(const QRect& rect, int value) const {
  const TGeometry& g = scene_.Geometry;
  const int column = (value - 1) % g.BoxWidth;
  const int row = (value - 1) / g.BoxWidth;
  const int slotWidth = rect.width() / g.BoxWidth - 1;
  const int slotHeight = rect.height() / g.BoxHeight - 1;
  // Slots narrower than a symbol (small cells of wide boxes, down to no width
  // at all for boxes eight columns wide) would pile the notes on each other;
  // such slots are spread over the whole cell instead.
  const int symbolHeight = smallMetrics_.ascent();
  const int x = slotWidth >= noteSymbolWidth_ ? column * slotWidth
                                              : column * (rect.width() - noteSymbolWidth_ - 1) / (g.BoxWidth - 1);
  const int y = slotHeight >= symbolHeight ? row * slotHeight : row * (rect.height() - symbolHeight - 1) / (g.BoxHeight - 1);
  return {rect.left() + x, rect.top() + y, qMax(slotWidth, 1), qMax(slotHeight, 1)};
}

}  // namespace novlet
