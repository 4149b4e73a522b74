// The main window as the player sees it: places, texts, colours, the mode selector and the
// hover pictures of the command buttons.
#include "shell/ShellFixture.h"

namespace pelmora::testing {
namespace {

using ::testing::ElementsAre;

class MainWindow : public ShellTest {
 protected:
  void SetUp() override { ASSERT_TRUE(Start()); }

  static QColor TextColour(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
  // The picture a label shows, as an image to compare with a file.
  static QImage Shown(const QLabel* label) { return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32); }
  QImage Ui(const char* name) const {
    return QImage(QString::fromStdString(folder.Text() + "/ui/" + name)).convertToFormat(QImage::Format_RGB32);
  }
  std::array<std::string, 3> ButtonLooks() {
    std::array<std::string, 3> looks;
    const char* names[] = {"NewGame", "Exit", "Menu"};
    const int index[] = {1, 2, 4};
    for (int i = 0; i < 3; ++i) {
      const QImage shown = Shown(W().ComBox(index[i]));
      looks[static_cast<std::size_t>(i)] = shown == Ui((std::string(names[i]) + "Hover.png").c_str()) ? "lit"
                                           : shown == Ui((std::string(names[i]) + ".png").c_str()) ? "normal"
                                                                                                    : "?";
    }
    return looks;
  }
};

TEST_F(MainWindow, WindowIsFixedWithItsCaption) {
  EXPECT_EQ(W().windowTitle(), "Pelmora2.0.0");
  EXPECT_EQ(W().minimumSize(), QSize(651, 551));
  EXPECT_EQ(W().maximumSize(), QSize(651, 551));
}

TEST_F(MainWindow, ControlsSitAtTheirPlaces) {
  EXPECT_EQ(W().PicGameMap()->geometry(), QRect(35, 24, 378, 482));
  EXPECT_EQ(W().PicGetF()->geometry(), QRect(473, 75, 122, 27));
  EXPECT_EQ(W().ComBox(1)->geometry(), QRect(456, 128, 159, 47));
  EXPECT_EQ(W().ComBox(2)->geometry(), QRect(456, 187, 159, 47));
  EXPECT_EQ(W().ComBox(4)->geometry(), QRect(456, 304, 159, 47));
  EXPECT_EQ(W().ComZNJB()->geometry(), QRect(488, 384, 39, 90));
  EXPECT_EQ(W().LabZNJBS()->geometry(), QRect(464, 392, 17, 73));
  EXPECT_EQ(W().CheckMediaON()->geometry(), QRect(472, 480, 49, 17));
  EXPECT_EQ(W().CheckSoundON()->geometry(), QRect(552, 480, 49, 17));
  EXPECT_EQ(W().LabG()->pos(), QPoint(504, 48));
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(W().LabZNJB(i)->pos(), QPoint(536, 384 + 24 * (i - 1))) << i;
}

TEST_F(MainWindow, TextsAndColours) {
  EXPECT_EQ(W().LabG()->text(), "第1关");
  EXPECT_EQ(TextColour(W().LabG()), QColor(255, 0, 0));
  EXPECT_TRUE(W().LabG()->font().bold());
  EXPECT_EQ(W().LabG()->font().pointSize(), 15);
  EXPECT_EQ(W().LabZNJB(1)->text(), "１：简单模式");
  EXPECT_EQ(W().LabZNJB(2)->text(), "２：正常模式");
  EXPECT_EQ(W().LabZNJB(3)->text(), "３：挑战模式");
  EXPECT_EQ(W().LabZNJB(4)->text(), "４：极限模式");
  EXPECT_EQ(W().LabZNJBS()->text(), "游戏模式选择");
  EXPECT_EQ(TextColour(W().LabZNJBS()), QColor(255, 128, 255));
  EXPECT_EQ(W().CheckMediaON()->text(), "音乐");
  EXPECT_EQ(W().CheckSoundON()->text(), "音效");
  for (QCheckBox* box : {W().CheckMediaON(), W().CheckSoundON()}) {
    EXPECT_EQ(box->palette().color(QPalette::Window), QColor(192, 255, 192));
    EXPECT_EQ(box->palette().color(QPalette::WindowText), QColor(255, 128, 0));
  }
  // A mode label is sized to its text: six full-width characters of 12 pixels.
  EXPECT_EQ(W().LabZNJB(1)->width(), 72);
}

TEST_F(MainWindow, TheGameCursorShowsOverTheControlsOnly) {
  for (QWidget* w : std::initializer_list<QWidget*>{W().PicGameMap(), W().ComBox(1), W().ComBox(2), W().ComBox(4),
                                                   W().ComZNJB(), W().LabZNJB(3), W().CheckMediaON(),
                                                   W().CheckSoundON()})
    EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor) << w->metaObject()->className();
  EXPECT_EQ(W().cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(W().GameCursor().hotSpot(), QPoint(5, 0));
}

TEST_F(MainWindow, ClickingModeLabelThreeChoosesTheChallengeMode) {
  Click(W().LabZNJB(3));
  EXPECT_EQ(shell->settings().GameMode, 3);
  EXPECT_EQ(TextColour(W().LabZNJB(3)), QColor(255, 0, 0));
  for (int other : {1, 2, 4}) EXPECT_EQ(TextColour(W().LabZNJB(other)), QColor(0, 0, 0)) << other;
  EXPECT_EQ(Shown(W().ComZNJB()), Ui("Slider3.png"));
  Click(W().LabZNJB(1));
  EXPECT_EQ(TextColour(W().LabZNJB(1)), QColor(128, 128, 255));
  Click(W().LabZNJB(2));
  EXPECT_EQ(TextColour(W().LabZNJB(2)), QColor(0, 128, 0));
  Click(W().LabZNJB(4));
  EXPECT_EQ(TextColour(W().LabZNJB(4)), QColor(255, 128, 0));
  EXPECT_EQ(Shown(W().ComZNJB()), Ui("Slider4.png"));
}

TEST_F(MainWindow, SliderPressesChooseTheModeOfTheirZone) {
  const std::pair<int, int> rows[] = {{22, 1}, {23, 2}, {45, 2}, {46, 3}, {67, 3}, {68, 4}, {0, 1}, {89, 4}};
  for (auto [row, mode] : rows) {
    Press(W().ComZNJB(), QPoint(20, row));
    Release(W().ComZNJB(), QPoint(20, row));
    EXPECT_EQ(shell->settings().GameMode, mode) << row;
  }
  EXPECT_EQ(Shown(W().ComZNJB()), Ui("Slider4.png"));
}

TEST_F(MainWindow, DraggingTheSliderFollowsThePointerEvenBeyondIt) {
  Press(W().ComZNJB(), QPoint(20, 5));
  Move(W().ComZNJB(), QPoint(20, 50), Qt::LeftButton);
  EXPECT_EQ(shell->settings().GameMode, 3);
  Move(W().ComZNJB(), QPoint(20, 300), Qt::LeftButton);
  EXPECT_EQ(shell->settings().GameMode, 4);
  Move(W().ComZNJB(), QPoint(20, -40), Qt::LeftButton);
  EXPECT_EQ(shell->settings().GameMode, 1);
}

TEST_F(MainWindow, OnlyTheLeftButtonAloneMovesTheSlider) {
  Click(W().LabZNJB(2));
  Move(W().ComZNJB(), QPoint(20, 80));
  Move(W().ComZNJB(), QPoint(20, 80), Qt::RightButton);
  Move(W().ComZNJB(), QPoint(20, 80), Qt::LeftButton | Qt::RightButton);
  Press(W().ComZNJB(), QPoint(20, 80), Qt::RightButton);
  EXPECT_EQ(shell->settings().GameMode, 2);
}

TEST_F(MainWindow, HoverLightsTheButtonUnderThePointer) {
  EXPECT_THAT(ButtonLooks(), ElementsAre("normal", "normal", "normal"));
  Move(W().ComBox(2), QPoint(10, 10));
  EXPECT_THAT(ButtonLooks(), ElementsAre("normal", "lit", "normal"));
  Move(W().ComBox(4), QPoint(10, 10));  // straight from button 2 to button 4
  EXPECT_THAT(ButtonLooks(), ElementsAre("normal", "normal", "lit"));
  // Other controls leave it lit, also those that do not track the pointer themselves.
  Move(W().PicGameMap(), QPoint(100, 100));
  Move(W().LabZNJB(1), QPoint(3, 3));
  Move(W().ComZNJB(), QPoint(3, 3));
  EXPECT_THAT(ButtonLooks(), ElementsAre("normal", "normal", "lit"));
  Move(&W(), QPoint(10, 540));  // the bare background
  EXPECT_THAT(ButtonLooks(), ElementsAre("normal", "normal", "normal"));
}

TEST_F(MainWindow, PressingAButtonKeepsItsPicture) {
  Move(W().ComBox(4), QPoint(10, 10));
  shell->game().State = GameState::Over;  // so that the press below needs no dialogue
  Press(W().ComBox(1), QPoint(10, 10), Qt::RightButton);  // any button presses
  EXPECT_EQ(shell->game().State, GameState::Star);
  EXPECT_THAT(ButtonLooks(), ElementsAre("normal", "normal", "lit"));
}

}  // namespace
}  // namespace pelmora::testing
