#pragma once
// Drives a widget with synthetic mouse events, as a player's hand would: a press at a point of
// the widget, moves of the pointer on the screen, a release. Events go through
// QApplication::sendEvent, so children that ignore them pass them on to their parents as
// real events do.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace pelmora::testing {

class MouseDrive {
 public:
  // The pointer starts over `local` of `widget`.
  MouseDrive(QWidget* widget, QPoint local) : widget_(widget), global_(widget->mapToGlobal(local)) {}

  void Press(Qt::MouseButton button = Qt::LeftButton) {
    held_ |= button;
    Send(QEvent::MouseButtonPress, button);
  }
  // Moves the pointer by `delta` on the screen; the widget may have moved meanwhile.
  void MoveBy(QPoint delta) {
    global_ += delta;
    Send(QEvent::MouseMove, Qt::NoButton);
  }
  void Release(Qt::MouseButton button = Qt::LeftButton) {
    held_ &= ~Qt::MouseButtons(button);
    Send(QEvent::MouseButtonRelease, button);
  }
  // Press, the moves, release.
  void Drag(std::initializer_list<QPoint> deltas) {
    Press();
    for (QPoint d : deltas) MoveBy(d);
    Release();
  }

 private:
  void Send(QEvent::Type type, Qt::MouseButton button) {
    const QPoint local = widget_->mapFromGlobal(global_);
    QMouseEvent event(type, QPointF(local), QPointF(global_), button, held_, Qt::NoModifier);
    QApplication::sendEvent(widget_, &event);
  }

  QWidget* widget_;
  QPoint global_;
  Qt::MouseButtons held_;
};

}  // namespace pelmora::testing
