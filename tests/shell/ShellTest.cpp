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

TEST_F(Shell, ThePlayFieldIgnoresTheMouseBeforeTheFirstGame) {
  Press(W().PicGameMap(), QPoint(200, 100));
  EXPECT_EQ(shell->game().State, GameState::NoStar);
  EXPECT_TRUE(cues.played.empty());
}

TEST_F(Shell, TheFieldIsDrawnAndPointedAtInsideItsOnePixelBorder) {
  QImage frame(layout::kFieldWidth, layout::kFieldHeight, QImage::Format_RGB32);
  frame.fill(QColor(10, 200, 30));
  frame.setPixel(0, 0, qRgb(250, 5, 5));
  W().PicGameMap()->Show(frame);
  const QImage painted = W().PicGameMap()->grab().toImage();
  EXPECT_EQ(painted.pixel(0, 0), qRgb(0, 0, 0));  // the border
  EXPECT_EQ(painted.pixel(1, 1), qRgb(250, 5, 5));
  EXPECT_EQ(painted.pixel(layout::kFieldWidth, layout::kFieldHeight), qRgb(10, 200, 30));
  EXPECT_EQ(painted.pixel(layout::kFieldWidth + 1, layout::kFieldHeight + 1), qRgb(0, 0, 0));

  // Column 1 starts at x 44 of the drawing area, which is x 45 of the widget.
  NewGameButton();
  Move(W().PicGameMap(), QPoint(44, 100));
  EXPECT_EQ(shell->game().CurColumn, 0);
  Move(W().PicGameMap(), QPoint(45, 100));
  EXPECT_EQ(shell->game().CurColumn, 1);
}

TEST_F(Shell, TheExitButtonAsksBeforeEnding) {
  dialogs.answers = {Answer::Cancel};
  Press(W().ComBox(2), QPoint(5, 5));
  EXPECT_THAT(dialogs.Captions(), ElementsAre("提示: 游戏进行中,真的要退出吗?"));
  EXPECT_EQ(ended, 0);
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

TEST_F(Shell, TheCloseBoxAsksNothing) {
  NewGameButton();
  W().close();
  EXPECT_TRUE(dialogs.messages.empty());
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
  EXPECT_THAT(entries, ElementsAre("选择游戏图片", "-", "游戏帮助", "排行榜", "-", "最新游戏资讯", "关于...", "-",
                                   "语言 / Language", "-", "退出"));
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

TEST_F(Shell, WebPageLeaderboardAndAbout) {
  shell->menu().Entry(MenuCommand::WebPage)->trigger();
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_THAT(opener.opened[0], HasSubstr("https://"));
  shell->menu().Entry(MenuCommand::Leaderboard)->trigger();
  EXPECT_EQ(host.shown, 1);
  shell->menu().Entry(MenuCommand::About)->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].caption, "关于Pelmora2.0.0");
  EXPECT_EQ(dialogs.messages[0].icon, Icon::None);
  const std::string& about = dialogs.messages[0].text;
  EXPECT_EQ(std::count(about.begin(), about.end(), '\n'), 5);
  std::istringstream lines(about);
  for (std::string line; std::getline(lines, line);) EXPECT_THAT(line, HasSubstr("："));  // "label：value"
}

// ---- Keys ----

// A key pressed in the main window, delivered as the window system would: to whatever has the
// keyboard focus in it.
void Key(QWidget& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(window.windowHandle(), static_cast<Qt::Key>(key), modifiers);
}

TEST_F(Shell, EveryKeyDoesWhatItsButtonOrPointerDoes) {
  W().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&W()));
  Key(W(), Qt::Key_F2);
  ASSERT_EQ(shell->game().State, GameState::Star);
  const int start = shell->game().CurColumn;
  struct Case { int key; int column; };
  for (Case c : {Case{Qt::Key_Left, start - 1}, Case{Qt::Key_A, start - 2}, Case{Qt::Key_Right, start - 1},
                 Case{Qt::Key_D, start}}) {
    Key(W(), c.key);
    EXPECT_EQ(shell->game().CurColumn, c.column) << QKeySequence(c.key).toString().toStdString();
  }
  const Game idle = shell->game();
  for (int key : {Qt::Key_Up, Qt::Key_Space, Qt::Key_W, Qt::Key_Down, Qt::Key_S}) {
    shell->game() = idle;
    Key(W(), key);  // any of them grabs with an empty hand
    EXPECT_EQ(shell->game().Move, MoveState::Down) << QKeySequence(key).toString().toStdString();
  }
  // The right button's key only collects: with a hand of another kind it is refused.
  shell->game() = idle;
  shell->game().HandKind = static_cast<std::int16_t>(GrabKind(shell->game().Map, shell->game().CurColumn) % 8 + 1);
  shell->game().HandCount = 1;
  Key(W(), Qt::Key_Down);
  EXPECT_EQ(shell->game().Move, MoveState::Move);
  Key(W(), Qt::Key_Up);  // the left button's key throws it
  EXPECT_EQ(shell->game().Move, MoveState::Up);

  for (int key : {Qt::Key_P, Qt::Key_Pause, Qt::Key_Escape}) {
    Key(W(), key);
    EXPECT_TRUE(shell->session().Paused()) << QKeySequence(key).toString().toStdString();
    Key(W(), key);
    EXPECT_FALSE(shell->session().Paused());
  }
  dialogs.answers = {Answer::Cancel, Answer::Cancel};
  Key(W(), Qt::Key_F2);
  Key(W(), Qt::Key_N, Qt::ControlModifier);
  Key(W(), Qt::Key_F1);
  EXPECT_THAT(dialogs.Captions(), ElementsAre("提示: 游戏还没结束,真的要重新开始吗?", "提示: 游戏还没结束,真的要重新开始吗?",
                                              "警告: 帮助文件丢失！"));
}

TEST_F(Shell, NoControlTakesTheKeysFromTheField) {
  W().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&W()));
  NewGameButton();
  const std::vector<QWidget*> controls{W().CheckMediaON(), W().CheckSoundON(), W().ComZNJB(), W().LabZNJB(2),
                                       W().ComBox(1), W().PicGameMap()};
  for (QWidget* control : controls) {
    Click(control, QPoint(3, 3));
    shell->game().Move = MoveState::Move;  // whatever the click began
    shell->game().State = GameState::Star;
    const int column = shell->game().CurColumn;
    Key(W(), column > 0 ? Qt::Key_Left : Qt::Key_Right);
    EXPECT_NE(shell->game().CurColumn, column) << control->metaObject()->className();
    EXPECT_EQ(QApplication::focusWidget(), nullptr) << control->metaObject()->className();
  }
}

TEST_F(Shell, MinimisingTheWindowPausesARunningGameUntilThePlayerAsks) {
  W().show();
  NewGameButton();
  // The desktop takes the keyboard while it drags the game's own leaderboard: no other program.
  auto* leaderboard = new QDialog(&W());
  leaderboard->setModal(true);
  leaderboard->show();
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  ASSERT_FALSE(shell->session().Paused());
  delete leaderboard;
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);  // another program
  ASSERT_TRUE(shell->session().Paused());
  shell->session().TogglePause();
  W().showMinimized();
  EXPECT_TRUE(shell->session().Paused());
  W().showNormal();
  EXPECT_TRUE(shell->session().Paused());
}

}  // namespace
}  // namespace pelmora::testing
