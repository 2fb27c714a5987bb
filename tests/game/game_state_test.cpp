#include "game/game_state.h"

#include <gtest/gtest.h>

namespace novlet {
namespace {

TEST(GameState, FlagsKeepTheirStoredValues) {
  // The values travel in no file, but the engine pages and the grid painter
  // test them by bit; a renumbering would mix two meanings.
  EXPECT_EQ(TGameState(TGameFlag::Loading).Word(), 0x0001);
  EXPECT_EQ(TGameState(TGameFlag::Thinking).Word(), 0x0004);
  EXPECT_EQ(TGameState(TGameFlag::SolutionShown).Word(), 0x0200);
  EXPECT_EQ(TGameState(TGameFlag::OutputCapture).Word(), 0x4000);
  EXPECT_EQ((TGameFlag::Playing | TGameFlag::Paused).Word(), 0x0018);
}

TEST(GameState, BusyMeansThinkingLoadingOrValidating) {
  EXPECT_FALSE(TGameState().IsBusy());
  for (TGameFlag flag : {TGameFlag::Thinking, TGameFlag::Loading, TGameFlag::Validating})
    EXPECT_TRUE((TGameFlag::Playing | flag).IsBusy());
  for (TGameFlag flag : {TGameFlag::Playing, TGameFlag::Paused, TGameFlag::NameEntryOpen, TGameFlag::Designing,
                         TGameFlag::HintRunning, TGameFlag::Restarting})
    EXPECT_FALSE(TGameState(flag).IsBusy());
}

TEST(GameState, SetAndClearTouchOnlyTheirFlag) {
  TGameState state = TGameFlag::Playing;
  state.Set(TGameFlag::Paused);
  EXPECT_TRUE(state.Has(TGameFlag::Playing));
  EXPECT_TRUE(state.Has(TGameFlag::Paused));
  state.Clear(TGameFlag::Paused);
  EXPECT_EQ(state, TGameState(TGameFlag::Playing));
  state.Clear(TGameFlag::Paused);
  EXPECT_EQ(state, TGameState(TGameFlag::Playing));
  // Assigning a whole value ends every other flag.
  state = TGameFlag::SolutionShown;
  EXPECT_FALSE(state.Has(TGameFlag::Playing));
}

}  // namespace
}  // namespace novlet
