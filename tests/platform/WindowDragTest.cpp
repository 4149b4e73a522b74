#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "support/MouseDrive.h"
#include "platform/qt/WindowDrag.h"

namespace pelmora {
namespace {

using testing::MouseDrive;

// A borderless window with a label and a button, shown on the offscreen platform, which has
// no window manager to hand a move to: the window must follow the mouse by hand.
struct WindowDragTest : ::testing::Test {
  QWidget window{nullptr, Qt::FramelessWindowHint};
  QLabel* label = new QLabel(QStringLiteral("label"), &window);
  QPushButton* button = new QPushButton(QStringLiteral("button"), &window);
  WindowDrag* drag = new WindowDrag(&window);
  int clicks = 0;

  void SetUp() override {
    window.setGeometry(100, 100, 200, 150);
    label->setGeometry(10, 10, 80, 20);
    button->setGeometry(10, 100, 80, 25);
    QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
    window.show();
  }
};

TEST_F(WindowDragTest, DragOnTheBackgroundMovesTheWindowWithThePointer) {
  MouseDrive mouse(&window, {150, 60});
  mouse.Press();
  EXPECT_TRUE(drag->DraggingByHand());
  mouse.MoveBy({5, 0});
  EXPECT_EQ(window.pos(), QPoint(105, 100));
  mouse.MoveBy({20, -30});
  EXPECT_EQ(window.pos(), QPoint(125, 70));
  mouse.Release();
  EXPECT_FALSE(drag->DraggingByHand());
  mouse.MoveBy({40, 40});  // after the release the window stays
  EXPECT_EQ(window.pos(), QPoint(125, 70));
}

TEST_F(WindowDragTest, DragOnALabelMovesTheWindow) {
  MouseDrive(label, {3, 3}).Drag({{-7, 12}, {-3, 8}});
  EXPECT_EQ(window.pos(), QPoint(90, 120));
}

TEST_F(WindowDragTest, PressOnTheButtonClicksItAndDoesNotMoveTheWindow) {
  MouseDrive(button, {20, 10}).Drag({{2, 1}, {3, 1}});
  EXPECT_EQ(window.pos(), QPoint(100, 100));
  EXPECT_FALSE(drag->DraggingByHand());
  EXPECT_EQ(clicks, 1);
}

TEST_F(WindowDragTest, RightButtonDoesNotDrag) {
  MouseDrive mouse(&window, {150, 60});
  mouse.Press(Qt::RightButton);
  mouse.MoveBy({30, 30});
  mouse.Release(Qt::RightButton);
  EXPECT_EQ(window.pos(), QPoint(100, 100));
}

TEST_F(WindowDragTest, MoveWithoutTheLeftButtonEndsADragWhoseReleaseWasLost) {
  MouseDrive mouse(&window, {150, 60});
  mouse.Press();
  mouse.MoveBy({10, 10});
  // The left release went elsewhere; the next move comes with only the right button down.
  const QPoint global = window.mapToGlobal(QPoint(150, 60));
  QMouseEvent stray(QEvent::MouseMove, QPointF(150, 60), QPointF(global), Qt::NoButton, Qt::RightButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&window, &stray);
  EXPECT_FALSE(drag->DraggingByHand());
  mouse.MoveBy({50, 50});
  EXPECT_EQ(window.pos(), QPoint(110, 110));
}

}  // namespace
}  // namespace pelmora
