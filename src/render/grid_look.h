// What the grid painter takes from the options and the game's state.
#pragma once

#include <QColor>
#include <QString>

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
};

}  // namespace novlet
