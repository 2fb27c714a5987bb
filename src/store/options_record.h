// The options record of an account, and its place in novlet.ini.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "store/date_time.h"
#include "store/store_result.h"

// The options record and the file side of novlet.ini: per account the
// sections UserName + ".Options", ".Last_PlayNSolve" and ".Last_EnterNDesign"
// (the last two hold puzzle records).
namespace novlet {

// A colour: red in the low byte, then green, then blue.
using TColor = std::int32_t;

struct TOptions {
  std::int32_t LngID = 0;
  TColor BackgroundColor = 16777215;  // white
  TColor ContrastColor = 14465465;    // red 185, green 185, blue 220
  bool ContrastPuzzle = false;
  TColor RulerColor = 15787750;  // red 230, green 230, blue 240
  std::string FontName = "Verdana";
  TColor FontColor = 8388608;  // navy
  std::string DisplaySet = "123456789";
  std::uint8_t Level = 1;  // 0 "Rookie", 1 "Normal", 2 "Skilled", 3 "Expert"
  bool Ruler = true;
  bool Hints = false;
  bool Errors = false;
  bool Alternatives = false;
  bool TimeLimited = false;
  bool RestartEnabled = true;  // always set: keeps Play & Solve's Restart usable
  TDateTime PlayTimeLimit = 0;
  std::uint8_t ScreenSize = 0;  // 0 "Automatic", 1 "Ignore", 2 "640 x 480", 3 "800 x 600", 4 "1024 x 768"

  friend bool operator==(const TOptions&, const TOptions&) = default;
};

inline constexpr int kLevelCount = 4;
inline constexpr int kScreenSizeCount = 5;

struct TLevelPreset {
  bool Hints;
  bool Errors;
  bool Alternatives;
  bool TimeLimited;
  TDateTime PlayTimeLimit;
};

inline constexpr std::array<TLevelPreset, kLevelCount> kLevelPresets{{
    {true, true, true, false, 0.0},           // Rookie
    {true, true, false, true, 1.0 / 24},      // Normal: 1 hour
    {true, false, false, true, 1.0 / 32},     // Skilled: 45 minutes
    {false, false, false, true, 1.0 / 48},    // Expert: 30 minutes
}};

// Every field to its built-in default, level "Normal" without its preset and
// no time limit; LngID and ScreenSize stay as they are.
void InitOptions(TOptions& options);

// Choosing a level: the four aids and the time limit become exactly the
// level's preset. The ruler is the user's own choice and stays as it is, so
// that its check box and the drawn ruler always agree.
void ChooseLevel(TOptions& options, int level);

std::string OptionsSectionName(std::string_view userName);
std::string LastPlayNSolveSectionName(std::string_view userName);
std::string LastEnterNDesignSectionName(std::string_view userName);

// The file side of loading: LngID (the current value as its default), the
// colours, font, display set, level and screen size (built-in defaults), the
// level's preset switched on, then each flag key that exists switching its
// flag on or off, then "PlayTimeLimit". A Level or ScreenSize outside its
// list reads as the default, so that no page or generator sees an index it
// has no item for. A missing file or section gives the defaults with the
// "Normal" preset.
void ReadOptions(const std::filesystem::path& optionsFile, std::string_view userName, TOptions& options);

// Writes the option keys in their fixed order, overwriting them in
// place; the rest of the section and the file stay as they were.
// "PlayTimeLimit" is written as hh:mm:ss.
TStoreResult WriteOptions(const std::filesystem::path& optionsFile, std::string_view userName,
                          const TOptions& options);

}  // namespace novlet
