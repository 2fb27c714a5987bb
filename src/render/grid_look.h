// What the grid painter takes from the options and the game's state.
#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

#include "store/options_record.h"

// What the grid painter takes from the options and from the game's state. The
// game pages fill these from TOptions and GameState before each repaint, which
// keeps the painter free of both.
namespace novlet {

// An options colour (0x00BBGGRR, red in the low byte) as a QColor.
inline QColor ColorFromTColor(std::uint32_t color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// The grid's colours, font and aids from the options, and the screen mode
// that scales its fonts.
struct TGridLook {
  QColor BackgroundColor = ColorFromTColor(0xFFFFFF);
  QColor ContrastColor = ColorFromTColor(0xDCB9B9);
  bool ContrastPuzzle = false;
  QColor RulerColor = ColorFromTColor(0xF0E6E6);
  QString FontName = QStringLiteral("Verdana");
  QColor FontColor = ColorFromTColor(0x800000);
  bool Ruler = true;
  int ScreenMode = 0;
};

// The look the options give the grids at a screen mode.
inline TGridLook GridLookOf(const TOptions& options, int screenMode) {
  TGridLook look;
  look.BackgroundColor = ColorFromTColor(static_cast<std::uint32_t>(options.BackgroundColor));
  look.ContrastColor = ColorFromTColor(static_cast<std::uint32_t>(options.ContrastColor));
  look.ContrastPuzzle = options.ContrastPuzzle;
  look.RulerColor = ColorFromTColor(static_cast<std::uint32_t>(options.RulerColor));
  look.FontName = QString::fromStdString(options.FontName);
  look.FontColor = ColorFromTColor(static_cast<std::uint32_t>(options.FontColor));
  look.Ruler = options.Ruler;
  look.ScreenMode = screenMode;
  return look;
}

// What an explained step marks on the grid, cell by cell (columns and rows
// from 1): the units it lies in tinted, the cells that prove it outlined, the
// cells it changes (or the wrong value it names) marked.
struct TGridMarks {
  enum : std::uint8_t { Tinted = 1, Proof = 2, Changed = 4 };
  std::array<std::uint8_t, 256> Cells{};
  std::uint8_t At(int column, int row) const { return Cells[Index(column, row)]; }
  void Add(int column, int row, std::uint8_t mark) { Cells[Index(column, row)] |= mark; }

 private:
  static std::size_t Index(int column, int row) { return static_cast<std::size_t>((row - 1) * 16 + (column - 1)) & 255; }
};

// The flags of GameState the drawing reads, the highlighted value and the
// grid's selected cell (0-based column and row, as the grid control counts).
struct TGridPaintState {
  bool Paused = false;
  bool ShowErrors = false;
  bool SolutionShown = false;
  bool OutputCapture = false;
  int HighlightValue = 0;
  int CurrentColumn = 0;
  int CurrentRow = 0;
  // An explanation's marks, while one is shown.
  const TGridMarks* Marks = nullptr;
};

}  // namespace novlet
