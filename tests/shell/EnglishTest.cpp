// The English game: every caption of the window and the menu in English, each fitting its place
// without touching another control (this test also runs at device scale 2), and the menu's
// switch between the languages in the middle of a game.
#include <QCheckBox>

#include "platform/qt/QtLanguage.h"
#include "shell/ShellFixture.h"
#include "view/Layout.h"

namespace pelmora::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class English : public ShellTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Start());
    shell->menu().Entry(MenuCommand::English)->trigger();
  }
  void TearDown() override { UseLanguage(Language::Chinese); }

  std::vector<std::string> Texts(const QList<QAction*>& actions) {
    std::vector<std::string> out;
    for (QAction* a : actions) out.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    return out;
  }
};

// The room a control's text needs, from the font's metrics; a turned caption needs its length
// downwards.
QSize Needed(QWidget* w) {
  if (auto* label = qobject_cast<VerticalLabel*>(w)) {
    EXPECT_FALSE(label->Stacked());
    return QSize(label->fontMetrics().height(), label->fontMetrics().horizontalAdvance(label->text()));
  }
  // A switch's box is drawn in whatever height it has; its text needs one line.
  if (qobject_cast<QCheckBox*>(w)) return QSize(w->sizeHint().width(), w->fontMetrics().height());
  return w->sizeHint();
}

TEST_F(English, EveryCaptionIsEnglishAndFitsItsPlaceTouchingNoOther) {
  W().SetLevel(32767);  // the widest level caption there can be
  EXPECT_EQ(W().LabG()->text(), "Level 32767");
  EXPECT_EQ(W().LabZNJBS()->text(), "Game mode");
  EXPECT_EQ(W().CheckMediaON()->text(), "Music");
  EXPECT_EQ(W().CheckSoundON()->text(), "Sound");
  const char* modes[] = {"1: Easy", "2: Normal", "3: Hard", "4: Extreme"};
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(W().LabZNJB(i)->text(), modes[i - 1]);

  std::vector<QWidget*> controls{W().PicGameMap(), W().LabG(),       W().PicGetF(),     W().ComBox(1),
                                 W().ComBox(2),    W().ComBox(4),    W().LabZNJBS(),    W().ComZNJB(),
                                 W().CheckMediaON(), W().CheckSoundON()};
  for (int i = 1; i <= 4; ++i) controls.push_back(W().LabZNJB(i));
  const QRect window(0, 0, layout::kClientWidth, layout::kClientHeight);
  for (QWidget* c : controls) {
    SCOPED_TRACE(c->metaObject()->className() + (": " + c->property("text").toString().toStdString()));
    const QSize need = Needed(c);
    EXPECT_LE(need.width(), c->width());
    EXPECT_LE(need.height(), c->height());
    EXPECT_TRUE(window.contains(c->geometry())) << c->geometry().right();
    for (QWidget* other : controls) {
      if (other == c) continue;
      EXPECT_FALSE(c->geometry().intersects(other->geometry())) << other->metaObject()->className();
    }
  }
}

TEST_F(English, TheMenuSpeaksEnglishAndTheChoiceSwitchesBackMidGame) {
  EXPECT_THAT(Texts(shell->menu().munFiler().actions()),
              ElementsAre("Picture sets", "-", "Help", "Leaderboard", "-", "Game news", "About...", "-",
                          "语言 / Language", "-", "Exit"));
  EXPECT_THAT(Texts(shell->menu().munGameSelect().actions()), ElementsAre("-", "Gems", "Garden", "Winter"));
  EXPECT_THAT(folder.ReadSettings(), HasSubstr("\r\nLanguage=en\r\n"));
  EXPECT_EQ(Words(Text("游戏进行中,真的要退出吗?")).toStdString(), "Do you really want to quit the game?");

  Press(W().ComBox(1), QPoint(10, 10));  // a new game, then back to Chinese in the middle of it
  const MapGrid board = shell->game().Map;
  shell->menu().Entry(MenuCommand::Chinese)->trigger();
  EXPECT_EQ(W().LabG()->text(), "第1关");
  EXPECT_EQ(W().CheckMediaON()->text(), "音乐");
  EXPECT_EQ(shell->menu().Entry(MenuCommand::Exit)->text(), "退出");
  EXPECT_EQ(shell->game().Map, board);
  EXPECT_EQ(shell->game().State, GameState::Star);
  EXPECT_THAT(folder.ReadSettings(), HasSubstr("\r\nLanguage=zh\r\n"));
}

}  // namespace
}  // namespace pelmora::testing
