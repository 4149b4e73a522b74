// The main window as the player sees it: places, texts, colours, the mode selector and the
// hover pictures of the command buttons.
#include <QStyle>
#include <QStyleOptionButton>
#include <functional>

#include "shell/ShellFixture.h"
#include "shell/qt/GameCursor.h"

namespace pelmora::testing {
namespace {

using ::testing::ElementsAre;

// Text of one colour painted over what lies beneath it: anti-aliasing moves each pixel from the
// colour beneath towards the ink by one share in all three channels.
struct Ink {
  int strong = 0;     // pixels at least half ink
  QRect extent;       // where they are
  std::string stray;  // the first pixel that is no such blend, if any
};

// `under` gives the colour beneath each pixel of `area` in `shot`; `skip` is left out.
Ink InkOf(const QImage& shot, const std::function<QColor(QPoint)>& under, QRect area, QColor ink, QRect skip = {}) {
  Ink found;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (skip.contains(x, y)) continue;
      const QColor p = shot.pixelColor(x, y);
      const QColor b = under({x, y});
      const double pc[] = {p.redF(), p.greenF(), p.blueF()};
      const double bc[] = {b.redF(), b.greenF(), b.blueF()};
      const double ic[] = {ink.redF(), ink.greenF(), ink.blueF()};
      double num = 0, den = 0;
      for (int c = 0; c < 3; ++c) {
        num += (pc[c] - bc[c]) * (ic[c] - bc[c]);
        den += (ic[c] - bc[c]) * (ic[c] - bc[c]);
      }
      const double share = den > 0 ? num / den : 0;
      double off = 0;
      for (int c = 0; c < 3; ++c) off = std::max(off, std::abs(pc[c] - bc[c] - share * (ic[c] - bc[c])) * 255);
      if ((off > 3 || share < -0.02 || share > 1.02) && found.stray.empty())
        found.stray = QString("(%1,%2) is %3 over %4").arg(x).arg(y).arg(p.name(), b.name()).toStdString();
      if (share >= 0.5) {
        ++found.strong;
        found.extent |= QRect(x, y, 1, 1);
      }
    }
  }
  return found;
}

class MainWindow : public ShellTest {
 protected:
  void SetUp() override { ASSERT_TRUE(Start()); }

  // The window as the player sees it.
  QImage Shot() { return W().grab().toImage().convertToFormat(QImage::Format_RGB32); }
  // A label's text as painted over the window's background picture.
  Ink LabelInk(const QImage& shot, const QWidget* label, QColor ink) {
    const QImage back = Ui("MainBack.png");
    return InkOf(shot, [&back](QPoint p) { return back.pixelColor(p); }, label->geometry(), ink);
  }
  void ExpectLabelInk(const QImage& shot, const QWidget* label, QColor ink) {
    const Ink found = LabelInk(shot, label, ink);
    EXPECT_EQ(found.stray, "") << ink.name().toStdString();
    EXPECT_GT(found.strong, 20) << ink.name().toStdString();
  }
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

TEST_F(MainWindow, Texts) {
  EXPECT_EQ(W().LabG()->text(), "第1关");
  EXPECT_EQ(W().LabZNJB(1)->text(), "１：简单模式");
  EXPECT_EQ(W().LabZNJB(2)->text(), "２：正常模式");
  EXPECT_EQ(W().LabZNJB(3)->text(), "３：挑战模式");
  EXPECT_EQ(W().LabZNJB(4)->text(), "４：极限模式");
  EXPECT_EQ(W().LabZNJBS()->text(), "游戏模式选择");
  EXPECT_EQ(W().CheckMediaON()->text(), "音乐");
  EXPECT_EQ(W().CheckSoundON()->text(), "音效");
  // A mode label is sized to its text: six full-width characters of 12 pixels.
  EXPECT_EQ(W().LabZNJB(1)->width(), 72);
}

TEST_F(MainWindow, CaptionsArePaintedInTheirColoursOverThePicture) {
  const QImage shot = Shot();
  ExpectLabelInk(shot, W().LabG(), QColor(255, 0, 0));
  ExpectLabelInk(shot, W().LabZNJBS(), QColor(255, 128, 255));
  // The level is written large and bold: taller than any 12-pixel line, and with clearly more
  // ink than the same caption in a regular weight.
  const Ink level = LabelInk(shot, W().LabG(), QColor(255, 0, 0));
  EXPECT_GE(level.extent.height(), 15);
  QFont regular = W().LabG()->font();
  regular.setBold(false);
  W().LabG()->setFont(regular);
  EXPECT_GT(level.strong, LabelInk(Shot(), W().LabG(), QColor(255, 0, 0)).strong * 13 / 10);
}

TEST_F(MainWindow, SwitchesArePaintedOrangeOnGreenAllAroundTheirBoxes) {
  const QImage shot = Shot();
  for (QCheckBox* box : {W().CheckMediaON(), W().CheckSoundON()}) {
    SCOPED_TRACE(box->text().toStdString());
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    const Ink text = InkOf(shot, [](QPoint) { return QColor(192, 255, 192); }, box->geometry(), QColor(255, 128, 0),
                           indicator.translated(box->pos()));
    EXPECT_EQ(text.stray, "");
    EXPECT_GT(text.strong, 20);
    EXPECT_GT(text.extent.left(), box->x() + indicator.right()) << "the text stands right of the box";
  }
}

TEST_F(MainWindow, TheBackgroundPictureCoversTheWholeClientArea) {
  const QImage shot = Shot();
  const QImage picture = Ui("MainBack.png");
  ASSERT_TRUE(picture.rect().contains(shot.rect()))
      << "a " << picture.width() << " x " << picture.height() << " picture leaves an edge to the fill colour";
  // No control reaches the right or the bottom edge.
  const int right = shot.width() - 1;
  const int bottom = shot.height() - 1;
  for (int y = 0; y <= bottom; ++y) ASSERT_EQ(shot.pixel(right, y), picture.pixel(right, y)) << right << "," << y;
  for (int x = 0; x <= right; ++x) ASSERT_EQ(shot.pixel(x, bottom), picture.pixel(x, bottom)) << x << "," << bottom;
}

TEST_F(MainWindow, TheGameCursorShowsOverTheControlsOnly) {
  for (QWidget* w : std::initializer_list<QWidget*>{W().PicGameMap(), W().ComBox(1), W().ComBox(2), W().ComBox(4),
                                                   W().ComZNJB(), W().LabZNJB(3), W().CheckMediaON(),
                                                   W().CheckSoundON()})
    EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor) << w->metaObject()->className();
  EXPECT_EQ(W().cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(W().GameCursor().hotSpot(), QPoint(5, 0));
}

TEST(GameCursor, HasItsLogicalSizeAndItsHotSpotOnTheTipAtEveryScale) {
  for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
    const CursorPicture cursor = GameCursorPicture(PELMORA_GAME_DIR "/ui/", ratio);
    const QImage image = cursor.image.convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(32, 32)) << ratio;
    std::vector<int> solid;  // the first row's solid pixels: the arrow's tip
    int y = 0;
    for (; solid.empty() && y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qAlpha(image.pixel(x, y)) >= 128) solid.push_back(x);
    ASSERT_FALSE(solid.empty()) << ratio;
    EXPECT_LE((QPointF(cursor.deviceHotSpot) - QPointF((solid.front() + solid.back()) / 2.0, y - 1)).manhattanLength(), 1.5);
    // X11 takes the hot spot in device pixels, as it takes the picture.
    EXPECT_EQ(GameCursor(PELMORA_GAME_DIR "/ui/", ratio, true).hotSpot(), cursor.deviceHotSpot) << ratio;
  }
}

TEST_F(MainWindow, ClickingModeLabelThreeChoosesTheChallengeMode) {
  Click(W().LabZNJB(3));
  EXPECT_EQ(shell->settings().GameMode, 3);
  const QImage shot = Shot();
  ExpectLabelInk(shot, W().LabZNJB(3), QColor(255, 0, 0));
  for (int other : {1, 2, 4}) ExpectLabelInk(shot, W().LabZNJB(other), QColor(0, 0, 0));
  EXPECT_EQ(Shown(W().ComZNJB()), Ui("Slider3.png"));
  Click(W().LabZNJB(1));
  ExpectLabelInk(Shot(), W().LabZNJB(1), QColor(128, 128, 255));
  Click(W().LabZNJB(2));
  ExpectLabelInk(Shot(), W().LabZNJB(2), QColor(0, 128, 0));
  Click(W().LabZNJB(4));
  ExpectLabelInk(Shot(), W().LabZNJB(4), QColor(255, 128, 0));
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
