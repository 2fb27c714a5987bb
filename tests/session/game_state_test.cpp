// The state word: which flags make the window busy, and whole assignments.
#include "session/game_state.h"

#include <gtest/gtest.h>

namespace novlet {
namespace {

TEST(GameState, BusyMeansThinkingLoadingOrValidatingAndSetAndClearTouchOnlyTheirFlag) {
  EXPECT_FALSE(TGameState().IsBusy());
  for (TGameFlag flag : {TGameFlag::Thinking, TGameFlag::Loading, TGameFlag::Validating})
    EXPECT_TRUE((TGameFlag::Playing | flag).IsBusy());
  for (TGameFlag flag : {TGameFlag::Playing, TGameFlag::Paused, TGameFlag::NameEntryOpen, TGameFlag::Designing,
                         TGameFlag::HintRunning, TGameFlag::Restarting})
    EXPECT_FALSE(TGameState(flag).IsBusy());

  TGameState state = TGameFlag::Playing;
  state.Set(TGameFlag::Paused);
  EXPECT_TRUE(state.Has(TGameFlag::Playing) && state.Has(TGameFlag::Paused));
  state.Clear(TGameFlag::Paused);
  state.Clear(TGameFlag::Paused);
  EXPECT_EQ(state, TGameState(TGameFlag::Playing));
}

}  // namespace
}  // namespace novlet
