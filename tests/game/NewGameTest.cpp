// The new-game command and the board fill.
#include "game/RulesFixture.h"

namespace pelmora::testing {
namespace {

using ::testing::ElementsAre;

// Records the shell's steps of a new game, with the cues played so far, to check the order.
struct RecordingHooks : NewGameHooks {
  FakeCues& cues;
  bool confirm = true;
  int confirmations = 0;
  std::vector<std::string> steps;
  explicit RecordingHooks(FakeCues& c) : cues(c) {}
  void Note(const char* step) { steps.push_back(std::string(step) + " cues " + std::to_string(cues.played.size())); }
  bool ConfirmRestart() override { ++confirmations; return confirm; }
  void StartMusic() override { Note("music"); }
  void SetUpSnow() override { Note("snow"); }
  void LoadPictureSet() override { Note("pictures"); }
  void RestartLoop() override { Note("loop"); }
};

class NewGame : public RulesTest {
 protected:
  RecordingHooks hooks{cues};
  NewGame() {
    game.State = GameState::NoStar;
    game.Move = MoveState::None;
    random.values = {0.0, 0.2, 0.4, 0.6, 0.8, 0.99};
  }
};

TEST_F(NewGame, FromIdleStartsWithoutAskingAndResetsEverything) {
  game.Score = 555;
  game.Level = 6;
  game.HandKind = 3;
  game.HandCount = 7;
  game.PlayerFrame = 2;
  game.DescentDue = kTrue;
  game.SnowShow = kTrue;
  game.VanishEffects[50] = VanishEffect{1, 2, 0, 3, kTrue, 1};
  ASSERT_TRUE(rules.NewGame(hooks));
  EXPECT_EQ(hooks.confirmations, 0);
  EXPECT_EQ(game.State, GameState::Star);
  EXPECT_EQ(game.Move, MoveState::Move);
  EXPECT_EQ(game.Score, 0);
  EXPECT_EQ(game.Level, 1);
  EXPECT_EQ(game.HandKind, 0);
  EXPECT_EQ(game.HandCount, 0);
  EXPECT_EQ(game.PlayerFrame, 0);
  EXPECT_EQ(game.DescentDue, kFalse);
  EXPECT_EQ(game.SnowShow, kFalse);
  EXPECT_EQ(game.CurColumn, 5);
  EXPECT_EQ(game.VanishEffects[50], VanishEffect{});
  EXPECT_EQ(score.digits, "00000000");
  EXPECT_EQ(score.caption, "第1关");
  EXPECT_TRUE(timer.enabled);
  EXPECT_EQ(timer.interval, 20000);
}

TEST_F(NewGame, ShellStepsComeInOrderWithTheStartCueAfterTheFill) {
  rules.NewGame(hooks);
  EXPECT_THAT(hooks.steps, ElementsAre("music cues 0", "snow cues 0", "pictures cues 1", "loop cues 1"));
  EXPECT_THAT(cues.played, ElementsAre(cue::kGameStart));
}

TEST_F(NewGame, AfterALostGameNoQuestionIsAsked) {
  game.State = GameState::Over;
  EXPECT_TRUE(rules.NewGame(hooks));
  EXPECT_EQ(hooks.confirmations, 0);
}

TEST_F(NewGame, WhileAGameRunsTheQuestionDecides) {
  for (GameState running : {GameState::Star, GameState::NoDown}) {
    game.State = running;
    game.Move = MoveState::Down;
    game.Map = Board({"1234567812"});
    game.Score = 77;
    game.CurColumn = 8;
    timer.enabled = true;
    timer.interval = 19900;
    cues.played.clear();
    hooks.steps.clear();
    hooks.confirm = false;
    EXPECT_FALSE(rules.NewGame(hooks));
    EXPECT_EQ(game.State, running);
    EXPECT_EQ(game.Move, MoveState::Down);
    EXPECT_EQ(game.Map, Board({"1234567812"}));
    EXPECT_EQ(game.Score, 77);
    EXPECT_EQ(game.CurColumn, 8);
    EXPECT_EQ(timer.interval, 19900);
    EXPECT_TRUE(hooks.steps.empty());
    EXPECT_TRUE(cues.played.empty());

    hooks.confirm = true;
    EXPECT_TRUE(rules.NewGame(hooks));
    EXPECT_EQ(game.Score, 0);
    EXPECT_EQ(game.State, GameState::Star);
  }
  EXPECT_EQ(hooks.confirmations, 4);
}

TEST_F(NewGame, ModeOneFillsRowsZeroToTwoWithRestingPieces) {
  settings.GameMode = 1;
  rules.NewGame(hooks);
  EXPECT_THAT(Shown(3), ElementsAre("1245781245", "7812457812", "4578124578", ".........."));
  for (int r = 3; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c) EXPECT_EQ(game.Map[r][c], MapCell{}) << r << "," << c;
  EXPECT_GE(random.reseeds, 1);
}

TEST_F(NewGame, EachModeFillsItsRowsAndDamagedModesStayInsideTheField) {
  struct Case { std::int16_t mode; int lastFilled; };
  for (Case c : {Case{1, 2}, Case{2, 4}, Case{3, 6}, Case{4, 8}, Case{0, 2}, Case{-7, 2}, Case{5, 8},
                 Case{26, 8}, Case{32767, 8}}) {
    settings.GameMode = c.mode;
    rules.FillMap();
    EXPECT_EQ(LowestRow(game.Map, 0), c.lastFilled) << c.mode;
    for (int col = 0; col < kColumns; ++col) {
      EXPECT_EQ(GrabKind(game.Map, col), game.Map[c.lastFilled][col].Kind);
      for (int r = 0; r <= c.lastFilled; ++r) {
        EXPECT_GE(game.Map[r][col].Kind, 1);
        EXPECT_LE(game.Map[r][col].Kind, 8);
      }
    }
  }
}

TEST_F(NewGame, ANewGameRestartsTheLoopEveryTime) {
  rules.NewGame(hooks);
  game.State = GameState::Over;
  rules.NewGame(hooks);
  int restarts = 0;
  for (const auto& s : hooks.steps) restarts += s.rfind("loop", 0) == 0;
  EXPECT_EQ(restarts, 2);
  EXPECT_EQ(timer.starts, 2);
}

}  // namespace
}  // namespace pelmora::testing
