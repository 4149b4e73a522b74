// The game shell: new game and its question, the game menu, start-up from damaged settings,
// picture sets, the frame loop's holds, and shutdown.
#include <QDialog>
#include <QTest>
#include <sstream>

#include "shell/ShellFixture.h"
#include "view/Layout.h"

namespace pelmora::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class Shell : public ShellTest {
 protected:
  void SetUp() override { ASSERT_TRUE(Start()); }
  void NewGameButton() { Press(W().ComBox(1), QPoint(10, 10)); }
};

TEST_F(Shell, StartUpLeavesTheGameIdle) {
  EXPECT_EQ(shell->game().State, GameState::NoStar);
  EXPECT_EQ(shell->game().Move, MoveState::None);
  EXPECT_FALSE(shell->descentTimer().isActive());
  EXPECT_FALSE(shell->frameDriver().Running());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(W().CheckMediaON()->isChecked());
  EXPECT_TRUE(W().CheckSoundON()->isChecked());
  EXPECT_EQ(shell->settings().SoundON, kTrue);
}

TEST_F(Shell, ThePlayFieldIgnoresTheMouseBeforeTheFirstGame) {
  Press(W().PicGameMap(), QPoint(200, 100));
  EXPECT_EQ(shell->game().State, GameState::NoStar);
  EXPECT_TRUE(cues.played.empty());
}

TEST_F(Shell, NewGameAsksOnlyWhileAGameRuns) {
  NewGameButton();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(shell->game().State, GameState::Star);
  EXPECT_TRUE(shell->descentTimer().isActive());
  EXPECT_EQ(shell->descentTimer().interval(), 20000);
  EXPECT_EQ(shell->game().CurColumn, 5);
  EXPECT_TRUE(shell->frameDriver().Running());

  const MapGrid board = shell->game().Map;
  shell->game().Score = 250;
  dialogs.answers = {Answer::Cancel};
  NewGameButton();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "游戏还没结束,真的要重新开始吗?");
  EXPECT_EQ(dialogs.messages[0].caption, "提示");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(dialogs.messages[0].icon, Icon::Question);
  EXPECT_EQ(shell->game().Map, board);
  EXPECT_EQ(shell->game().Score, 250);

  dialogs.answers = {Answer::Ok};
  NewGameButton();
  EXPECT_EQ(shell->game().Score, 0);

  shell->game().State = GameState::Over;
  NewGameButton();
  EXPECT_EQ(dialogs.messages.size(), 2u);  // no question after a lost game
}

TEST_F(Shell, ANewGameStartsItsMusicAndCue) {
  player.calls.clear();
  NewGameButton();
  EXPECT_THAT(cues.played, ElementsAre(cue::kGameStart));
  W().CheckSoundON()->setChecked(false);
  W().CheckMediaON()->setChecked(false);
  EXPECT_EQ(shell->settings().SoundON, kFalse);
  EXPECT_EQ(shell->settings().MediaON, kFalse);
  cues.played.clear();
  shell->game().State = GameState::Over;
  NewGameButton();
  EXPECT_TRUE(cues.played.empty());
}

// Without the fixture's start-up: the media folder must hold tracks before start-up reads it.
TEST_F(ShellTest, MusicTracksFollowTheGameAndTheSwitch) {
  std::ofstream(folder.Path() / "media" / "a.wav") << "a";
  std::ofstream(folder.Path() / "media" / "b.wav") << "b";
  ASSERT_TRUE(Start());
  const std::string a = "open " + folder.Text() + "/media/a.wav";
  const std::string b = "open " + folder.Text() + "/media/b.wav";
  random.values = {0.7};  // b
  player.calls.clear();
  Press(W().ComBox(1), QPoint(5, 5));
  EXPECT_THAT(player.calls, ElementsAre(b));

  shell->DescentTimerTick();  // still playing: nothing
  random.values = {0.2};      // a
  player.TrackEnds();
  EXPECT_THAT(player.calls, ElementsAre(b));  // not before the next tick
  shell->DescentTimerTick();
  EXPECT_THAT(player.calls, ElementsAre(b, a, "play"));

  W().CheckMediaON()->setChecked(false);
  player.TrackEnds();
  shell->DescentTimerTick();
  EXPECT_THAT(player.calls, ElementsAre(b, a, "play", "close"));
}

TEST_F(Shell, TheFirstFrameOfANewGameComesAtOnceAndShowsTheBoard) {
  NewGameButton();
  QApplication::processEvents();
  const QImage shown = W().PicGameMap()->frame();
  ASSERT_FALSE(shown.isNull());
  // Row 0 of the field is filled: its cells are not the bare background of the picture set.
  QImage background(QString::fromStdString(folder.Text() + "/pics/gems/GameMap.JPG"));
  int differing = 0;
  const int y = layout::CellY(0) + layout::kCell / 2;
  for (int c = 0; c < kColumns; ++c) {
    const int x = layout::CellX(c) + layout::kCell / 2;
    differing += shown.pixel(x, y) != background.pixel(x, y);
  }
  EXPECT_GE(differing, 8);
}

TEST_F(Shell, NoFrameRunsWhileADialogueIsOpen) {
  NewGameButton();
  QApplication::processEvents();
  QDialog modal(&W());
  modal.setModal(true);
  modal.show();
  const auto before = shell->game().PlayerFrame;
  tick.now += 10000;  // whatever the clock says
  QTest::qWait(250);
  EXPECT_EQ(shell->game().PlayerFrame, before);
  modal.close();
  QTest::qWait(100);
  EXPECT_NE(shell->game().PlayerFrame, before);
}

TEST_F(Shell, ExitAsksAndCancelKeepsPlaying) {
  NewGameButton();
  dialogs.answers = {Answer::Cancel};
  Press(W().ComBox(2), QPoint(5, 5));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "游戏进行中,真的要退出吗?");
  EXPECT_EQ(dialogs.messages[0].caption, "提示");
  EXPECT_EQ(ended, 0);
  EXPECT_EQ(shell->game().State, GameState::Star);
}

TEST_F(Shell, ExitEndsTheGameAndSavesTheSixSettings) {
  NewGameButton();
  Click(W().LabZNJB(4));
  shell->ChoosePictureSet(3);
  W().CheckMediaON()->setChecked(false);
  dialogs.answers = {Answer::Ok};
  shell->ExitCommand();
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(shell->game().State, GameState::Pause);
  EXPECT_FALSE(shell->descentTimer().isActive());
  const std::string saved = folder.ReadSettings();
  EXPECT_THAT(saved, HasSubstr("[UserSet]\r\nMediaON=False\r\nMediaMax=60\r\nSoundON=True\r\nSoundMax=80\r\n"
                               "GameMode=4\r\nGameMain=3\r\n[GameMenu]\r\nMenu=3\r\n"));

  // The next start comes back as the player left it.
  shell.reset();
  ASSERT_TRUE(Start());
  EXPECT_EQ(shell->settings().GameMode, 4);
  EXPECT_EQ(shell->settings().GameMain, 3);
  EXPECT_FALSE(W().CheckMediaON()->isChecked());
  EXPECT_EQ(W().LabZNJB(4)->palette().color(QPalette::WindowText), QColor(255, 128, 0));
}

TEST_F(Shell, TheCloseBoxAsksNothing) {
  NewGameButton();
  W().close();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(ended, 1);
}

TEST_F(Shell, AFailedSaveIsToldOnceAndTheGameStillEnds) {
  fs::create_directory(folder.Path() / "me.tmp");  // the writer's temporary file cannot be made
  fs::create_directory(folder.Path() / "me.tmp" / "x");
  W().close();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_THAT(dialogs.messages[0].text, HasSubstr("VornPGame.ini"));
  EXPECT_EQ(ended, 1);
}

TEST_F(Shell, TheMenuHoldsThePictureSetsAfterItsSeparator) {
  QMenu& sets = shell->menu().munGameSelect();
  ASSERT_EQ(sets.actions().size(), 4);
  EXPECT_TRUE(sets.actions()[0]->isSeparator());
  EXPECT_FALSE(sets.separatorsCollapsible());
  EXPECT_EQ(sets.actions()[1]->text(), "宝石");
  EXPECT_EQ(sets.actions()[2]->text(), "花园");
  EXPECT_EQ(sets.actions()[3]->text(), "冬雪");
  std::vector<std::string> entries;
  for (QAction* a : shell->menu().munFiler().actions()) entries.push_back(a->isSeparator() ? "-" : a->text().toStdString());
  EXPECT_THAT(entries, ElementsAre("选择游戏图片", "-", "游戏帮助", "排行榜", "-", "最新游戏资讯", "关于...", "-", "退出"));
}

TEST_F(Shell, ChoosingAPictureSetDuringAGameKeepsTheBoard) {
  NewGameButton();
  const MapGrid board = shell->game().Map;
  const Surface gems = shell->sprites().GameImages;
  shell->menu().munGameSelect().actions()[2]->trigger();
  EXPECT_EQ(shell->settings().GameMain, 2);
  EXPECT_EQ(shell->game().Map, board);
  EXPECT_NE(shell->sprites().GameImages.pixels, gems.pixels);
  EXPECT_EQ(shell->game().State, GameState::Star);
}

TEST_F(Shell, TheWinterSetLetsItSnow) {
  shell->settings().GameMain = 3;
  NewGameButton();
  EXPECT_EQ(shell->game().SnowShow, kTrue);
  shell->ChoosePictureSet(1);
  EXPECT_EQ(shell->game().SnowShow, kFalse);
}

TEST_F(Shell, APictureSetWithAMissingFileKeepsThePicturesAndSaysWhich) {
  fs::remove(folder.Path() / "pics");
  fs::create_directories(folder.Path() / "pics" / "gems");
  for (const char* f : {"GameMap.JPG", "GameImages.JPG", "GameImagesM.JPG"})
    fs::copy(fs::path(PELMORA_GAME_DIR) / "pics" / "gems" / f, folder.Path() / "pics" / "gems" / f);
  fs::create_directories(folder.Path() / "pics" / "garden");
  fs::copy(fs::path(PELMORA_GAME_DIR) / "pics" / "garden" / "GameMap.JPG", folder.Path() / "pics" / "garden" / "GameMap.JPG");
  NewGameButton();
  const Surface gems = shell->sprites().GameImages;
  shell->ChoosePictureSet(2);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_THAT(dialogs.messages[0].text, HasSubstr("GameImages.JPG"));
  EXPECT_EQ(shell->sprites().GameImages.pixels, gems.pixels);
}

TEST_F(Shell, HelpOpensTheFileOrSaysItIsMissing) {
  shell->menu().Entry("游戏帮助")->trigger();
  EXPECT_THAT(Captions(), ElementsAre("警告: 帮助文件丢失！"));
  EXPECT_EQ(dialogs.messages[0].icon, Icon::Exclamation);
  std::ofstream(folder.Path() / "Help.txt") << "help";
  shell->menu().Entry("游戏帮助")->trigger();
  EXPECT_THAT(opener.opened, ElementsAre(folder.Text() + "/Help.txt"));
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(Shell, WebPageLeaderboardAndAbout) {
  shell->menu().Entry("最新游戏资讯")->trigger();
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_THAT(opener.opened[0], HasSubstr("https://"));
  shell->menu().Entry("排行榜")->trigger();
  EXPECT_EQ(host.shown, 1);
  shell->menu().Entry("关于...")->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].caption, "关于Pelmora2.0.0");
  EXPECT_EQ(dialogs.messages[0].icon, Icon::None);
  const std::string& about = dialogs.messages[0].text;
  EXPECT_EQ(std::count(about.begin(), about.end(), '\n'), 5);
  std::istringstream lines(about);
  for (std::string line; std::getline(lines, line);) EXPECT_THAT(line, HasSubstr("："));  // "label：value"
}

TEST_F(Shell, ALostGameHandsItsScoreToTheLeaderboard) {
  NewGameButton();
  shell->game().Score = 37;
  for (int c = 0; c < kColumns; ++c)
    for (int r = 0; r <= 10; ++r) shell->game().Map[r][c] = {1, CellState::Stop};
  dialogs.answers = {Answer::Yes};
  dialogs.inputs = {std::string("小明")};
  shell->DescentTimerTick();
  shell->RunOneFrame();
  EXPECT_EQ(shell->game().State, GameState::Over);
  EXPECT_FALSE(shell->descentTimer().isActive());
  EXPECT_EQ(shell->leaderboard()[0].Name, "小明");
  EXPECT_EQ(shell->leaderboard()[0].Score, 37);
  EXPECT_EQ(host.shown, 1);
}

}  // namespace
}  // namespace pelmora::testing
