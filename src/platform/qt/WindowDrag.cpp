#include "platform/qt/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace pelmora {

WindowDrag::WindowDrag(QWidget* window) : QObject(window), window_(window) { window_->installEventFilter(this); }

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      return Press(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseMove:
      return Move(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease:
      return Release(static_cast<const QMouseEvent&>(*event));
    default:
      return false;
  }
}

bool WindowDrag::Press(const QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return false;
  QWindow* handle = window_->windowHandle();
  if (handle != nullptr && handle->startSystemMove()) return true;
  byHand_ = true;
  grabOffset_ = event.globalPosition().toPoint() - window_->pos();
  return true;
}

bool WindowDrag::Move(const QMouseEvent& event) {
  if (!byHand_) return false;
  // A release that went elsewhere (the pointer grabbed away) ends the drag here.
  if (!(event.buttons() & Qt::LeftButton)) {
    byHand_ = false;
    return false;
  }
  window_->move(event.globalPosition().toPoint() - grabOffset_);
  return true;
}

bool WindowDrag::Release(const QMouseEvent& event) {
  if (!byHand_ || event.button() != Qt::LeftButton) return false;
  byHand_ = false;
  return true;
}

}  // namespace pelmora
