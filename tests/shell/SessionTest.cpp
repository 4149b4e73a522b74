// The session on its own: new game and its question, the music, exit and the settings saved,
// help, and a lost game's score handed to the leaderboard.
#include "platform/NativeFile.h"
#include "shell/SessionFixture.h"
#include "platform/Paths.h"
#include "view/Layout.h"

namespace pelmora::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class SessionFlow : public SessionTest {
 protected:
  void SetUp() override { ASSERT_TRUE(Start()); }
};

TEST_F(SessionFlow, StartUpLeavesTheGameIdle) {
  EXPECT_EQ(session->game().State, GameState::NoStar);
  EXPECT_EQ(session->game().Move, MoveState::None);
  EXPECT_FALSE(timer.enabled);
  EXPECT_FALSE(loop.running);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(view.music);
  EXPECT_TRUE(view.sound);
  EXPECT_EQ(session->settings().SoundON, kTrue);
}

TEST_F(SessionFlow, NewGameAsksOnlyWhileAGameRuns) {
  session->NewGameCommand();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(session->game().State, GameState::Star);
  EXPECT_TRUE(timer.enabled);
  EXPECT_EQ(timer.interval, 20000);
  EXPECT_EQ(session->game().CurColumn, 5);
  EXPECT_TRUE(loop.running);

  const MapGrid board = session->game().Map;
  session->game().Score = 250;
  dialogs.answers = {Answer::Cancel};
  session->NewGameCommand();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "游戏还没结束,真的要重新开始吗?");
  EXPECT_EQ(dialogs.messages[0].caption, "提示");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(dialogs.messages[0].icon, Icon::Question);
  EXPECT_EQ(session->game().Map, board);
  EXPECT_EQ(session->game().Score, 250);

  dialogs.answers = {Answer::Ok};
  session->NewGameCommand();
  EXPECT_EQ(session->game().Score, 0);

  session->game().State = GameState::Over;
  session->NewGameCommand();
  EXPECT_EQ(dialogs.messages.size(), 2u);  // no question after a lost game
}

TEST_F(SessionFlow, ANewGameStartsItsMusicAndCue) {
  player.calls.clear();
  session->NewGameCommand();
  EXPECT_THAT(cues.played, ElementsAre(cue::kGameStart));
  view.SetSoundSwitch(false);
  view.SetMusicSwitch(false);
  EXPECT_EQ(session->settings().SoundON, kFalse);
  EXPECT_EQ(session->settings().MediaON, kFalse);
  cues.played.clear();
  session->game().State = GameState::Over;
  session->NewGameCommand();
  EXPECT_TRUE(cues.played.empty());
}

// Without the fixture's start-up: the media folder must hold tracks before start-up reads it.
TEST_F(SessionTest, MusicTracksFollowTheGameAndTheSwitch) {
  std::ofstream(folder.Path() / "media" / "a.wav") << "a";
  std::ofstream(folder.Path() / "media" / "b.wav") << "b";
  ASSERT_TRUE(Start());
  const std::string a = "open " + folder.Text() + "/media/a.wav";
  const std::string b = "open " + folder.Text() + "/media/b.wav";
  random.values = {0.7};  // b
  player.calls.clear();
  session->NewGameCommand();
  EXPECT_THAT(player.calls, ElementsAre(b));

  session->DescentTimerTick();  // still playing: nothing
  random.values = {0.2};      // a
  player.TrackEnds();
  EXPECT_THAT(player.calls, ElementsAre(b));  // not before the next tick
  session->DescentTimerTick();
  EXPECT_THAT(player.calls, ElementsAre(b, a, "play"));

  view.SetMusicSwitch(false);
  player.TrackEnds();
  session->DescentTimerTick();
  EXPECT_THAT(player.calls, ElementsAre(b, a, "play", "close"));
}

TEST_F(SessionFlow, ExitAsksAndCancelKeepsPlaying) {
  session->NewGameCommand();
  dialogs.answers = {Answer::Cancel};
  session->ExitCommand();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "游戏进行中,真的要退出吗?");
  EXPECT_EQ(dialogs.messages[0].caption, "提示");
  EXPECT_EQ(ended, 0);
  EXPECT_EQ(session->game().State, GameState::Star);
}

TEST_F(SessionFlow, ExitEndsTheGameAndSavesTheSixSettings) {
  session->NewGameCommand();
  session->SelectGameMode(4);
  session->ChoosePictureSet(3);
  view.SetMusicSwitch(false);
  dialogs.answers = {Answer::Ok};
  session->ExitCommand();
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(session->game().State, GameState::Pause);
  EXPECT_FALSE(timer.enabled);
  const std::string saved = folder.ReadSettings();
  EXPECT_THAT(saved, HasSubstr("[UserSet]\r\nMediaON=False\r\nMediaMax=60\r\nSoundON=True\r\nSoundMax=80\r\n"
                               "GameMode=4\r\nGameMain=3\r\n[GameMenu]\r\nMenu=3\r\n"));

  // The next start comes back as the player left it.
  session.reset();
  ASSERT_TRUE(Start());
  EXPECT_EQ(session->settings().GameMode, 4);
  EXPECT_EQ(session->settings().GameMain, 3);
  EXPECT_FALSE(view.music);
  EXPECT_EQ(view.mode, 4);
}

TEST_F(SessionFlow, AFailedSaveIsToldOnceAndTheGameStillEnds) {
  const std::string ini = GamePath(folder.Text(), "\\VornPGame.ini");
  fs::permissions(ini, fs::perms::owner_read);  // marked read-only while the game ran
  session->Shutdown();  // the window closes
  ASSERT_EQ(dialogs.saveFailures.size(), 1u);
  EXPECT_EQ(dialogs.saveFailures[0].first, StoredFile::Settings);
  EXPECT_EQ(dialogs.saveFailures[0].second, (SaveError{SaveProblem::ReadOnly, ini}));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(ended, 1);
}

TEST_F(SessionFlow, ABrokenSetAtTheFirstGameGivesWayToTheNextThatLoads) {
  pictures.broken = {"gems/GameImages.JPG", "garden/GameMap.JPG"};
  session->NewGameCommand();
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_THAT(dialogs.messages[0].text, HasSubstr("pics/gems/GameImages.JPG"));
  EXPECT_THAT(dialogs.messages[1].text, HasSubstr("pics/garden/GameMap.JPG"));
  EXPECT_EQ(session->settings().GameMain, 3);
  EXPECT_EQ(game().State, GameState::Star);
}

TEST_F(SessionFlow, WithNoSetThatLoadsTheGameDoesNotStart) {
  pictures.broken = {"GameImagesM.JPG"};
  session->NewGameCommand();
  ASSERT_EQ(dialogs.messages.size(), 4u);
  EXPECT_THAT(dialogs.messages[3].text, HasSubstr("游戏无法开始"));
  EXPECT_EQ(game().State, GameState::NoStar);
  EXPECT_FALSE(timer.enabled);
  EXPECT_FALSE(loop.running);
}

TEST_F(SessionFlow, HelpOpensTheFileOrSaysItIsMissing) {
  session->ShowHelp();
  EXPECT_THAT(dialogs.Captions(), ElementsAre("警告: 帮助文件丢失！"));
  EXPECT_EQ(dialogs.messages[0].icon, Icon::Exclamation);
  std::ofstream(folder.Path() / "Help.txt") << "help";
  session->ShowHelp();
  EXPECT_THAT(opener.opened, ElementsAre(folder.Text() + "/Help.txt"));
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(SessionFlow, ALostGameHandsItsScoreToTheLeaderboard) {
  session->NewGameCommand();
  session->game().Score = 37;
  for (int c = 0; c < kColumns; ++c)
    for (int r = 0; r <= 10; ++r) session->game().Map[r][c] = {1, CellState::Stop};
  dialogs.answers = {Answer::Yes};
  dialogs.inputs = {std::string("小明")};
  int shown = -1;  // the frame that ends the game is on screen before the question
  dialogs.asking = [&] { shown = view.fieldsShown; };
  const int before = view.fieldsShown;
  session->DescentTimerTick();
  session->RunOneFrame();
  EXPECT_EQ(shown, before + 1);
  EXPECT_EQ(session->game().State, GameState::Over);
  EXPECT_FALSE(timer.enabled);
  EXPECT_EQ(session->leaderboard()[0].Name, "小明");
  EXPECT_EQ(session->leaderboard()[0].Score, 37);
  EXPECT_EQ(host.shown, 1);
  // Then the game-over picture, with no frames under it; a new background does not replace it.
  session->ChoosePictureSet(2);
  EXPECT_EQ(view.field.at(0, 0), FakePictures::ColourOf("GameOver.png"));
  EXPECT_FALSE(loop.running);
}

// ---- A settings file that is missing, or no text ----

TEST_F(SessionTest, AMissingSettingsFileIsMadeAtExitAsShippedAndTheNextStartAsksNothing) {
  const std::string shipped = ReadBytes((folder.Path() / "VornPGame.ini").string());
  fs::remove(folder.Path() / "VornPGame.ini");
  ASSERT_TRUE(Start());
  session->Shutdown();
  EXPECT_EQ(ReadBytes((folder.Path() / "VornPGame.ini").string()), shipped);
  dialogs.messages.clear();
  ASSERT_TRUE(Start());
  EXPECT_THAT(dialogs.Captions(), ElementsAre());
}

TEST_F(SessionTest, ASettingsFileInUtf16IsToldOnceAndLeftByteForByteAfterAGameAndAnExit) {
  const std::string path = Utf8Path(folder.Path() / "VornPGame.ini");
  std::string utf16 = "\xFF\xFE";  // as a Windows editor saves it
  for (const char c : std::string("[UserSet]\r\nMediaON=False\r\n")) utf16 += std::string{c, '\0'};
  WriteBytes(path, utf16);
  ASSERT_TRUE(Start());
  EXPECT_EQ(view.problems, (std::vector{std::pair{FileProblem::SettingsNotText, path}}));
  session->NewGameCommand();
  dialogs.answers = {Answer::Ok};
  session->ExitCommand();
  EXPECT_EQ(ReadBytes(path), utf16);
  EXPECT_THAT(dialogs.Captions(), ElementsAre("提示: 游戏进行中,真的要退出吗?"));
}

// ---- Pause and the keys ----

class Paused : public SessionFlow {
 protected:
  void SetUp() override {
    SessionFlow::SetUp();
    std::ofstream(folder.Path() / "media" / "a.wav") << "a";
    session->music().ScanMediaFolder();
    session->NewGameCommand();
    session->RunOneFrame();
    player.calls.clear();
  }
  bool ShowsPausePicture() const { return view.field.at(0, 0) == FakePictures::ColourOf("Pause.png"); }
};

TEST_F(Paused, APauseHoldsTheFramesTheCountdownAndTheMusicAndHidesTheBoard) {
  const Game before = game();
  const int restarts = loop.restarts;
  session->TogglePause();
  EXPECT_TRUE(session->Paused());
  EXPECT_FALSE(session->FramesMayRun());
  EXPECT_FALSE(loop.running);
  EXPECT_TRUE(timer.held);
  EXPECT_TRUE(timer.enabled);  // held, not stopped: the time left is kept
  EXPECT_TRUE(ShowsPausePicture());

  // The field takes nothing while paused; the click that resumes grabs nothing.
  session->PointerMoved(layout::CellX(1));
  session->MoveColumnBy(1);
  session->KeyPress(MouseButton::Left);
  session->PointerPressed(MouseButton::Left, layout::CellX(2));
  EXPECT_FALSE(session->Paused());
  EXPECT_EQ(game().CurColumn, before.CurColumn);
  EXPECT_EQ(game().Move, MoveState::Move);
  EXPECT_EQ(game().Map, before.Map);
  EXPECT_FALSE(timer.held);
  EXPECT_EQ(loop.restarts, restarts + 1);  // the next frame at once, and on at its pace
  EXPECT_THAT(player.calls, ElementsAre("pause", "play"));
  EXPECT_EQ(timer.starts, 1);  // never started over
}

TEST_F(Paused, OnlyARunningGamePauses) {
  session->TogglePause();
  session->TogglePause();  // P again resumes
  EXPECT_FALSE(session->Paused());
  game().State = GameState::Over;  // also while the lost game's dialogues are open
  session->PauseIfRunning();
  session->TogglePause();
  EXPECT_FALSE(session->Paused());
  session.reset();
  ASSERT_TRUE(Start());
  session->TogglePause();  // before the first game
  EXPECT_FALSE(session->Paused());
}

TEST_F(Paused, TheNewGameButtonAsksThenStartsAfreshOrGoesOn) {
  session->PauseIfRunning();
  dialogs.answers = {Answer::Cancel};
  session->NewGameCommand();
  EXPECT_THAT(dialogs.Captions(), ElementsAre("提示: 游戏还没结束,真的要重新开始吗?"));
  EXPECT_TRUE(session->Paused());  // as it was
  EXPECT_TRUE(timer.held);
  EXPECT_EQ(timer.starts, 1);

  session->ChoosePictureSet(2);  // another set's background must not show instead
  EXPECT_TRUE(ShowsPausePicture());
  dialogs.answers = {Answer::Ok};
  session->NewGameCommand();
  EXPECT_FALSE(session->Paused());
  EXPECT_TRUE(loop.running);
  EXPECT_EQ(timer.starts, 2);
  EXPECT_FALSE(timer.held);
}

TEST_F(Paused, KeysMoveTheColumnWithinTheFieldAndPressLikeTheButtons) {
  game().CurColumn = 8;
  session->MoveColumnBy(1);
  session->MoveColumnBy(1);
  EXPECT_EQ(game().CurColumn, 9);
  session->MoveColumnBy(-1);
  EXPECT_EQ(game().CurColumn, 8);
  session->KeyPress(MouseButton::Right);
  EXPECT_EQ(game().Move, MoveState::Down);
  EXPECT_NE(game().HandKind, 0);
}

}  // namespace
}  // namespace pelmora::testing
