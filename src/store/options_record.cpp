// The options record and its section of novlet.ini.
#include "store/options_record.h"

#include <optional>

#include "store/clock_time_text.h"
#include "store/ini_file.h"
#include "store/integer_text.h"
#include "store/section_name.h"

namespace novlet {

namespace {

std::int32_t ReadInteger(const TIniSectionView& section, std::string_view key, std::int32_t defaultValue) {
  const auto value = section.Value(key);
  return value ? ReadIntegerText(*value, defaultValue) : defaultValue;
}

// A flag key that exists sets the flag; a value that is no number counts as
// notNumber.
void ReadFlag(const TIniSectionView& section, std::string_view key, bool notNumber, bool& flag) {
  if (const auto value = section.Value(key)) {
    const auto number = ParseIntegerText(*value);
    flag = number ? *number != 0 : notNumber;
  }
}

std::string FlagText(bool flag) { return flag ? "1" : "0"; }

}  // namespace

void InitOptions(TOptions& options) {
  TOptions defaults;
  defaults.LngID = options.LngID;
  defaults.ScreenSize = options.ScreenSize;
  options = std::move(defaults);
}

void ChooseLevel(TOptions& options, int level) {
  if (level < 0 || level >= kLevelCount) return;
  const TLevelPreset& preset = kLevelPresets[static_cast<std::size_t>(level)];
  options.Level = static_cast<std::uint8_t>(level);
  options.Hints = preset.Hints;
  options.Errors = preset.Errors;
  options.Alternatives = preset.Alternatives;
  options.TimeLimited = preset.TimeLimited;
  options.PlayTimeLimit = preset.PlayTimeLimit;
}

std::string OptionsSectionName(std::string_view userName) { return std::string(userName) + std::string(kOptionsSuffix); }
std::string LastPlayNSolveSectionName(std::string_view userName) {
  return std::string(userName) + std::string(kLastPlayNSolveSuffix);
}
std::string LastEnterNDesignSectionName(std::string_view userName) {
  return std::string(userName) + std::string(kLastEnterNDesignSuffix);
}

void ReadOptions(const std::filesystem::path& optionsFile, std::string_view userName, TOptions& options) {
  const auto found = ReadIniSectionFromFile(optionsFile, OptionsSectionName(userName));
  const TIniSectionView section = found ? found->View() : TIniSectionView{};
  const TOptions defaults;

  options.LngID = ReadInteger(section, "LngID", options.LngID);
  options.BackgroundColor = ReadInteger(section, "BackgroundColor", defaults.BackgroundColor);
  options.ContrastColor = ReadInteger(section, "ContrastColor", defaults.ContrastColor);
  options.ContrastPuzzle = ReadInteger(section, "ContrastPuzzle", 0) != 0;
  options.RulerColor = ReadInteger(section, "RulerColor", defaults.RulerColor);
  options.FontName = section.ReadString("FontName", defaults.FontName);
  options.FontColor = ReadInteger(section, "FontColor", defaults.FontColor);
  options.DisplaySet = section.ReadString("DisplaySet", defaults.DisplaySet);

  const std::int32_t level = ReadInteger(section, "Level", defaults.Level);
  options.Level = (level >= 0 && level < kLevelCount) ? static_cast<std::uint8_t>(level) : defaults.Level;
  const std::int32_t screenSize = ReadInteger(section, "ScreenSize", 0);
  options.ScreenSize = (screenSize >= 0 && screenSize < kScreenSizeCount) ? static_cast<std::uint8_t>(screenSize) : 0;

  // The preset only switches aids on here; the keys below may switch any off.
  const TLevelPreset& preset = kLevelPresets[options.Level];
  options.Ruler = true;
  options.RestartEnabled = true;
  options.Hints = preset.Hints;
  options.Errors = preset.Errors;
  options.Alternatives = preset.Alternatives;
  options.TimeLimited = preset.TimeLimited;
  options.PlayTimeLimit = preset.PlayTimeLimit;

  ReadFlag(section, "Ruler", true, options.Ruler);
  ReadFlag(section, "Hints", false, options.Hints);
  ReadFlag(section, "Errors", false, options.Errors);
  ReadFlag(section, "Alternatives", false, options.Alternatives);
  ReadFlag(section, "TimeLimited", false, options.TimeLimited);
  if (const auto limit = section.Value("PlayTimeLimit")) {
    options.PlayTimeLimit = ParseClockTime(*limit).value_or(options.PlayTimeLimit);
  }
}

TStoreResult WriteOptions(const std::filesystem::path& optionsFile, std::string_view userName,
                          const TOptions& options) {
  const std::string section = OptionsSectionName(userName);
  const std::pair<std::string_view, std::string> keys[] = {
      {"LngID", std::to_string(options.LngID)},
      {"BackgroundColor", std::to_string(options.BackgroundColor)},
      {"ContrastColor", std::to_string(options.ContrastColor)},
      {"ContrastPuzzle", FlagText(options.ContrastPuzzle)},
      {"RulerColor", std::to_string(options.RulerColor)},
      {"FontName", options.FontName},
      {"FontColor", std::to_string(options.FontColor)},
      {"DisplaySet", options.DisplaySet},
      {"Level", std::to_string(options.Level)},
      {"Ruler", FlagText(options.Ruler)},
      {"Hints", FlagText(options.Hints)},
      {"Errors", FlagText(options.Errors)},
      {"Alternatives", FlagText(options.Alternatives)},
      {"TimeLimited", FlagText(options.TimeLimited)},
      {"PlayTimeLimit", FormatClockTime(options.PlayTimeLimit)},
      {"ScreenSize", std::to_string(options.ScreenSize)},
  };
  return EditIniFile(optionsFile, [&](TIniDocument& document) {
    for (const auto& [key, value] : keys) {
      if (!document.WriteString(section, key, value)) return TStoreResult::Failure(UnableToWriteMessage(optionsFile));
    }
    return TStoreResult::Success();
  });
}

}  // namespace novlet
