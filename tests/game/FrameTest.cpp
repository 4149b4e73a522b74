// The order of a frame's steps, the state the drawing steps advance, and the frame clock.
#include "game/RulesFixture.h"

namespace pelmora::testing {
namespace {

using ::testing::ElementsAre;

class FrameOrder : public RulesTest {};

TEST_F(FrameOrder, StepsRunInTheirFixedOrder) {
  Play(Board({"1"}), 3);
  game.SnowShow = kTrue;
  Frame();
  EXPECT_THAT(drawing.calls, ElementsAre("clear", "snow", "pieces", "aim row 0 phase 1 down", "player"));
  game.SnowShow = 1;  // only exactly -1 is on
  Frame();
  EXPECT_THAT(drawing.calls, ElementsAre("clear", "pieces", "aim row 0 phase 2 down", "player"));
}

TEST_F(FrameOrder, DescentComesBeforeTheDrawingOfPieces) {
  struct Probe : RecordingDrawing {
    const Game* g = nullptr;
    int rowOfPieceWhenDrawn = -1;
    void DrawPieces() override {
      RecordingDrawing::DrawPieces();
      rowOfPieceWhenDrawn = LowestRow(g->Map, 0);
    }
  } probe;
  probe.g = &game;
  Play(Board({"4"}), 0);
  rules.DescentTick();
  RunFrame(rules, probe);
  EXPECT_EQ(probe.rowOfPieceWhenDrawn, 1);
}

TEST_F(FrameOrder, AimFollowsTheLowestPieceOfRowsZeroToEleven) {
  Play(Board({"2", ".", "3"}), 0);  // a gap does not matter
  Frame();
  EXPECT_EQ(drawing.calls[2], "aim row 3 phase 1 down");
  game.HandKind = 5;  // the arrow depends on HandKind alone
  Frame();
  EXPECT_EQ(drawing.calls[2], "aim row 3 phase 2 up");
}

TEST_F(FrameOrder, AColumnFilledToRowTenShowsNoAimAndFreezesThePhase) {
  MapGrid map{};
  for (int r = 0; r <= 9; ++r) map[r][0] = {1, CellState::Stop};
  Play(map, 0);
  Frame();
  EXPECT_EQ(drawing.calls[2], "aim row 10 phase 1 down");  // arrow in row 10, no dashes
  game.Map[10][0] = {1, CellState::Stop};
  Frames(3);
  EXPECT_THAT(drawing.calls, ElementsAre("clear", "pieces", "player"));
  EXPECT_EQ(game.ArrowPhase, 1);
  game.Map[10][0] = {};
  game.Map[20][0] = {4, CellState::Stop};  // rows below 11 are not looked at
  Frame();
  EXPECT_EQ(drawing.calls[2], "aim row 10 phase 2 down");
}

TEST_F(FrameOrder, PlayerFrameCyclesThroughFourFrames) {
  std::vector<int> seen;
  for (int i = 0; i < 6; ++i) {
    seen.push_back(game.PlayerFrame);
    Frame();
  }
  EXPECT_THAT(seen, ElementsAre(0, 1, 2, 3, 0, 1));
}

TEST_F(FrameOrder, RefusalLastsUntilThePlayerFrameThree) {
  game.PlayerFrame = 3;
  game.State = GameState::NoDown;
  Frame();
  EXPECT_EQ(game.State, GameState::Star);  // one frame of refusal

  game.PlayerFrame = 0;
  game.State = GameState::NoDown;
  Frames(3);
  EXPECT_EQ(game.State, GameState::NoDown);
  Frame();
  EXPECT_EQ(game.State, GameState::Star);  // four frames
}

TEST(FrameClock, TheFirstFrameOfARestartedLoopIsDueAtOnce) {
  FrameClock clock;
  EXPECT_FALSE(clock.Due(5000));  // no loop yet: no frames before the first game
  clock.Restart();
  EXPECT_EQ(clock.MsUntilDue(5000), 0u);
  EXPECT_TRUE(clock.Due(5000));
  EXPECT_FALSE(clock.Due(5000));
  clock.Restart();
  EXPECT_TRUE(clock.Due(5030));  // a new game does not wait for the old schedule
}

TEST(FrameClock, FramesAreMoreThanOneHundredMillisecondsApart) {
  FrameClock clock;
  clock.Restart();
  ASSERT_TRUE(clock.Due(1000));
  EXPECT_FALSE(clock.Due(1100));
  EXPECT_EQ(clock.MsUntilDue(1050), 51u);
  EXPECT_EQ(clock.MsUntilDue(1100), 1u);
  EXPECT_TRUE(clock.Due(1101));
  EXPECT_FALSE(clock.Due(1201));
  EXPECT_TRUE(clock.Due(1202));
}

TEST(FrameClock, ALateFrameIsNotFollowedByABurst) {
  FrameClock clock;
  clock.Restart();
  ASSERT_TRUE(clock.Due(0));
  EXPECT_TRUE(clock.Due(450));   // a frame that ran long: one frame now
  EXPECT_FALSE(clock.Due(451));  // and the next one a full period later
  EXPECT_FALSE(clock.Due(550));
  EXPECT_TRUE(clock.Due(551));
}

TEST(FrameClock, TheTickWrapDoesNotStallTheLoop) {
  FrameClock clock;
  clock.Restart();
  ASSERT_TRUE(clock.Due(0xFFFFFFF0u));
  EXPECT_FALSE(clock.Due(0x00000054u));  // 100 ms later, across the wrap
  EXPECT_EQ(clock.MsUntilDue(0x00000054u), 1u);
  EXPECT_TRUE(clock.Due(0x00000055u));   // 101 ms later
}

TEST(FrameClock, AStoppedClockRunsNoFrames) {
  FrameClock clock;
  clock.Restart();
  clock.Due(10);
  clock.Stop();
  EXPECT_FALSE(clock.Due(10000));
}

}  // namespace
}  // namespace pelmora::testing
