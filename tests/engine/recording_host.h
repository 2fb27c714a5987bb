// An engine host that writes down every call, for comparing two engines call for call.
#pragma once

#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/engine_host.h"

namespace novlet {

// Writes down everything the engine tells its host, in order, so that two
// engines can be compared call for call. Runs of message processing are
// folded into one line ("messages x12") to keep the record short.
class TRecordingHost : public TEngineHost {
 public:
  void ProcessPendingMessages() override {
    ++MessageCalls;
    if (!Log.empty() && Log.back().rfind(kMessages, 0) == 0) {
      Log.back() = kMessages + std::to_string(std::stoi(Log.back().substr(kMessages.size())) + 1);
    } else {
      Log.push_back(kMessages + "1");
    }
  }
  void BeginReduction() override { Log.push_back("begin reduction"); }
  void ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) override {
    ProgressTexts.push_back(levelText);
    std::string line = "progress " + levelText + " ";
    for (auto value : puzzle.cells) line += static_cast<char>('a' + value);
    Log.push_back(line);
  }
  void EndReduction() override { Log.push_back("end reduction"); }
  void ShowSolutionChoices(int menuItems, const std::string& countSuffix) override {
    Log.push_back("solution choices " + std::to_string(menuItems) + " '" + countSuffix + "'");
    MenuItems = menuItems;
    CountSuffix = countSuffix;
  }

  std::vector<std::string> Log;
  int MessageCalls = 0;
  std::vector<std::string> ProgressTexts;
  int MenuItems = -1;
  std::string CountSuffix = "(not shown)";

 private:
  inline static const std::string kMessages = "messages x";
};

}  // namespace novlet
