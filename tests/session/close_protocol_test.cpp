// The ways out of the program: each asks or not, waits for the work, stores and ends once.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "session/close_protocol.h"

namespace novlet {
namespace {

struct TWindowUnderTest : TClosingWindow {
  bool busy = false;
  bool thinking = false;
  bool farewell = false;
  std::function<bool()> answer = [] { return true; };
  std::vector<std::string> calls;
  std::vector<std::function<void()>> later;

  bool Busy() const override { return busy || thinking; }
  bool Thinking() const override { return thinking; }
  bool AskToQuit() override {
    calls.push_back("ask");
    return answer();
  }
  bool WantsFarewell() const override { return farewell; }
  void SayFarewell() override { calls.push_back("farewell"); }
  void StoreEverything() override { calls.push_back("store"); }
  void CancelOpenBoxes() override { calls.push_back("cancel"); }
  void End() override { calls.push_back("end"); }
  void Later(std::function<void()> call) override { later.push_back(std::move(call)); }
  void RunLater() {
    std::vector<std::function<void()>> due;
    due.swap(later);
    for (const auto& call : due) call();
  }
};

using TCalls = std::vector<std::string>;

TEST(CloseProtocol, QuitAsksAndEndsOnYesOnlyAndNeverWhileBusy) {
  TWindowUnderTest window;
  TCloseProtocol protocol(window);
  window.busy = true;
  protocol.Quit();
  EXPECT_TRUE(window.calls.empty());
  window.busy = false;
  window.answer = [] { return false; };
  protocol.Quit();
  EXPECT_EQ(window.calls, TCalls{"ask"});
  EXPECT_EQ(protocol.Step(), TCloseProtocol::TStep::Running);
  window.answer = [] { return true; };
  protocol.Quit();
  EXPECT_EQ(window.calls, (TCalls{"ask", "ask", "store", "end"}));
  // A key released after the Yes asks nothing more, and a stop ends nothing twice.
  protocol.Quit();
  protocol.Stop();
  EXPECT_EQ(window.calls.size(), 4u);
  EXPECT_TRUE(protocol.CloseRequested()) << "the window's own close goes through";
}

TEST(CloseProtocol, TheFarewellEndsTheProgramWhenItsTimeIsUp) {
  TWindowUnderTest window;
  window.farewell = true;
  TCloseProtocol protocol(window);
  protocol.Quit();
  EXPECT_EQ(window.calls, (TCalls{"ask", "farewell"}));
  EXPECT_TRUE(protocol.Leaving());
  EXPECT_FALSE(protocol.CloseRequested());
  protocol.FarewellEnded();
  EXPECT_EQ(window.calls, (TCalls{"ask", "farewell", "store", "end"}));
}

TEST(CloseProtocol, AStopWaitsForThinkingAndCancelsOpenBoxes) {
  TWindowUnderTest window;
  TCloseProtocol protocol(window);
  window.thinking = true;
  protocol.Stop();
  protocol.WorkMayHaveEnded();
  EXPECT_TRUE(window.calls.empty());
  EXPECT_FALSE(protocol.Leaving()) << "the window stays whole meanwhile";
  window.thinking = false;
  protocol.WorkMayHaveEnded();
  protocol.WorkMayHaveEnded();
  EXPECT_TRUE(window.calls.empty()) << "not inside the operation that ended";
  window.RunLater();
  EXPECT_EQ(window.calls, (TCalls{"store", "cancel", "end"}));
  EXPECT_TRUE(window.later.empty());
}

TEST(CloseProtocol, AStopWhileTheQuitQuestionIsOpenEndsWithoutAnswering) {
  TWindowUnderTest window;
  TCloseProtocol protocol(window);
  window.answer = [&] {
    protocol.Stop();
    return false;  // the cancelled box's answer
  };
  protocol.Quit();
  EXPECT_EQ(window.calls, (TCalls{"ask", "store", "cancel", "end"}));
  EXPECT_EQ(protocol.Step(), TCloseProtocol::TStep::Ended);
}

TEST(CloseProtocol, TheWindowManagersCloseAsksOnceItHasReturnedAndNotWhileThinking) {
  TWindowUnderTest window;
  TCloseProtocol protocol(window);
  window.thinking = true;
  EXPECT_FALSE(protocol.CloseRequested());
  EXPECT_TRUE(window.later.empty());
  window.thinking = false;
  window.answer = [] { return false; };
  EXPECT_FALSE(protocol.CloseRequested());
  EXPECT_TRUE(window.calls.empty());
  window.RunLater();
  EXPECT_EQ(window.calls, TCalls{"ask"});
}

}  // namespace
}  // namespace novlet
