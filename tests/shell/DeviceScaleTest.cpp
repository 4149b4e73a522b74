// The main window carried from an ordinary screen to one of device pixel ratio 2 and back: the
// field is composed at twice the pixels and shown pixel for pixel in the same area, and the
// window's pictures come from their "@2x" files; and on a screen of ratio 1.5. The test platform
// has the three screens (see TwoScreens.json).
#include <QScreen>

#include "shell/ShellFixture.h"
#include "view/Layout.h"

namespace pelmora::testing {
namespace {

class DeviceScale : public ShellTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::screens().size(), 3);
    ASSERT_TRUE(Start());
    MoveToScreen("ordinary");
    W().show();
    QApplication::processEvents();
  }
  void MoveToScreen(const QString& name) {
    for (const QScreen* screen : QGuiApplication::screens())
      if (screen->name() == name) W().move(screen->geometry().topLeft() + QPoint(50, 50));
    QApplication::processEvents();
  }
  // What a widget paints, in the pixels of its screen.
  static QImage Painted(QWidget* w) {
    QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
  }
  QImage File(const std::string& relative) const {
    return QImage(QString::fromStdString(folder.Text() + "/" + relative)).convertToFormat(QImage::Format_RGB32);
  }
};

TEST_F(DeviceScale, OnAScreenOfRatioTwoTheFieldAndTheButtonsAreDrawnForEveryPixel) {
  Press(W().ComBox(1), QPoint(10, 10));  // a new game
  QApplication::processEvents();
  ASSERT_EQ(W().DeviceScale(), 1);
  EXPECT_EQ(W().PicGameMap()->frame().size(), QSize(376, 480));

  MoveToScreen("twice");
  ASSERT_EQ(W().devicePixelRatio(), 2.0);
  shell->RunOneFrame();
  QImage frame = W().PicGameMap()->frame();
  EXPECT_EQ(frame.devicePixelRatio(), 2.0);
  frame.setDevicePixelRatio(1);
  ASSERT_EQ(frame.size(), QSize(752, 960));
  // The set's own 2x background, not its 1x one magnified.
  EXPECT_EQ(AsImage(shell->sprites().GameMap).convertToFormat(QImage::Format_RGB32),
            File("pics/gems/GameMap@2x.JPG"));
  // Shown in the field's 376 x 480 area inside its border, one frame pixel to each screen pixel.
  const QImage field = Painted(W().PicGameMap());
  ASSERT_EQ(field.size(), QSize(756, 964));
  EXPECT_TRUE(field.copy(2, 2, 752, 960) == frame.convertToFormat(QImage::Format_RGB32));
  for (QPoint border : {QPoint(0, 0), QPoint(1, 1), QPoint(754, 962), QPoint(755, 963)})  // two screen pixels wide
    EXPECT_EQ(field.pixel(border), qRgb(0, 0, 0)) << border.x() << "," << border.y();
  // The button, the score and the cursor are drawn from their 2x pictures.
  EXPECT_TRUE(Painted(W().ComBox(1)) == File("ui/NewGame@2x.png"));
  EXPECT_EQ(W().PicGetF()->pixmap().size(), QSize(244, 54));
  EXPECT_EQ(W().GameCursor().pixmap().size(), QSize(64, 64));
  EXPECT_EQ(W().GameCursor().hotSpot(), QPoint(5, 0));
  // A pause hides the board behind the pause picture's own 2x drawing.
  shell->session().TogglePause();
  QImage paused = W().PicGameMap()->frame().convertToFormat(QImage::Format_RGB32);
  paused.setDevicePixelRatio(1);
  EXPECT_TRUE(paused == File("ui/Pause@2x.png"));
  shell->session().TogglePause();

  // Back on the ordinary screen, all is as it was.
  MoveToScreen("ordinary");
  shell->RunOneFrame();
  EXPECT_EQ(W().PicGameMap()->frame().size(), QSize(376, 480));
  EXPECT_TRUE(Painted(W().ComBox(1)) == File("ui/NewGame.png"));
  EXPECT_EQ(W().PicGetF()->pixmap().size(), QSize(122, 27));
}

// At 1.5 a frame is drawn down and painted only where it changed, each piece of a region of
// several: a place changed but not named keeps its old colour in the window's own pixels (shown at
// its logical size), and all is opaque.
TEST_F(DeviceScale, AtOneAndAHalfAFrameRepaintsOnlyTheChangedRectangle) {
  MoveToScreen("one and a half");
  ASSERT_EQ(W().devicePixelRatio(), 1.5);
  Surface frame(752, 960, 0x00203040u);  // top bytes 0, as the raster operations may leave them
  W().PicGameMap()->Show(AsImage(frame, 2));
  QApplication::processEvents();
  const Surface square(40, 40, 0x00F0E0D0u);
  for (QPoint p : {QPoint(200, 200), QPoint(600, 100), QPoint(600, 800)})
    BitBlt(frame, p.x(), p.y(), 40, 40, square, 0, 0, RasterOp::SrcCopy);
  W().PicGameMap()->ShowChanges(AsImage(frame, 2), {QRect(200, 200, 40, 40), QRect(600, 100, 40, 40)});
  QApplication::processEvents();
  const QImage screen = W().screen()->grabWindow(W().winId()).toImage();
  ASSERT_EQ(screen.size(), QSize(651, 551));
  auto at = [&](int x, int y) { return screen.pixel(36 + x / 2, 25 + y / 2); };  // a frame pixel's place
  EXPECT_EQ(at(220, 220), 0xFFF0E0D0u);
  EXPECT_EQ(at(620, 120), 0xFFF0E0D0u);  // the second piece of the region
  EXPECT_EQ(at(620, 820), 0xFF203040u);  // changed, not named
  EXPECT_EQ(at(100, 100), 0xFF203040u);
}

}  // namespace
}  // namespace pelmora::testing
