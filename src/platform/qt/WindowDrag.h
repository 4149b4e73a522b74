#pragma once
// Lets a window without a title bar be moved by dragging its background, as a title bar would.
//
// The helper watches the window's own mouse events. A left press that reaches the window — on
// its background, or on a child that does not take presses (a label ignores them and they pass
// on to the window) — starts a move. A child that takes presses, such as a push button, keeps
// them and works as usual. The move is handed to the window system when it offers one
// (QWindow::startSystemMove), which keeps the feel of a real title bar; where it refuses (no
// window manager, the offscreen platform) the window follows the mouse until the button is
// released.

#include <QObject>
#include <QPoint>

class QMouseEvent;
class QWidget;

namespace pelmora {

class WindowDrag final : public QObject {
  Q_OBJECT

 public:
  // Starts watching `window` (a top-level widget); the helper is owned by it.
  explicit WindowDrag(QWidget* window);

  // True while the window follows the mouse by hand (between the press and the release).
  bool DraggingByHand() const { return byHand_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Press(const QMouseEvent& event);
  bool Move(const QMouseEvent& event);
  bool Release(const QMouseEvent& event);

  QWidget* window_;
  bool byHand_ = false;
  QPoint grabOffset_;  // from the window's position to the pointer, in global coordinates
};

}  // namespace pelmora
