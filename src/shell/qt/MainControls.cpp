#include "shell/qt/MainControls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "view/ControlPanel.h"

namespace pelmora {

FieldView::FieldView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FieldView::Show(const QImage& frame) {
  frame_ = frame;
  update();
}

void FieldView::ShowChanges(const QImage& frame, const QList<QRect>& changed) {
  const bool samePixels = frame.constBits() == frame_.constBits() && frame.size() == frame_.size() &&
                          frame.devicePixelRatio() == frame_.devicePixelRatio();
  frame_ = frame;
  // On a screen of a fractional ratio a frame pixel's edges fall between screen pixels: all of it
  // is painted again.
  const qreal screen = devicePixelRatio();
  if (!samePixels || screen != std::floor(screen)) {
    update();
    return;
  }
  // One rectangle around all changes: the frame is then copied in one block, where a region of
  // many pieces would be painted span by span at a cost that outweighs what it spares.
  QRect around;
  for (const QRect& r : changed) around |= r;
  if (around.isEmpty()) return;
  const qreal ratio = frame.devicePixelRatio();
  const QPoint from(static_cast<int>(std::floor(around.left() / ratio)), static_cast<int>(std::floor(around.top() / ratio)));
  const QPoint to(static_cast<int>(std::ceil((around.right() + 1) / ratio)),
                  static_cast<int>(std::ceil((around.bottom() + 1) / ratio)));
  update(QRect(from, to - QPoint(1, 1)).translated(1, 1));  // inside the border
}

void FieldView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // The flat single-pixel border is the black left around the frame. (A pen would be centred on
  // the edge and, on a screen of ratio 2, cover the frame's last row and column.) Only what the
  // frame leaves is filled: at ten frames a second a needless fill of the whole field costs as
  // much as a layer of the frame. On a screen of a fractional ratio the frame's edges fall
  // between screen pixels, and all is filled.
  const qreal ratio = devicePixelRatio();
  if (ratio == std::floor(ratio))
    p.setClipRegion(QRegion(rect()).subtracted(QRect(QPoint(1, 1), frame_.deviceIndependentSize().toSize())));
  p.fillRect(rect(), Qt::black);
  p.setClipping(false);
  // A frame composed at scale 2 fills the same logical area: pixel for pixel on a screen of ratio
  // 2, shrunk smoothly on one of 1.5.
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!frame_.isNull()) p.drawImage(1, 1, frame_);
}

void FieldView::mouseMoveEvent(QMouseEvent* event) { emit pointerMoved(event->position().x() - 1); }

void FieldView::mousePressEvent(QMouseEvent* event) {
  const MouseButton button = event->button() == Qt::LeftButton    ? MouseButton::Left
                             : event->button() == Qt::RightButton ? MouseButton::Right
                                                                  : MouseButton::Middle;
  emit pressed(button, event->position().x() - 1);
}

PictureButton::PictureButton(int index, QWidget* parent) : QLabel(parent), index_(index) {
  setMouseTracking(true);
}

ClickLabel::ClickLabel(int index, const QString& text, QWidget* parent) : QLabel(text, parent), index_(index) {}

void ClickLabel::mousePressEvent(QMouseEvent* event) { armed_ = event->button() == Qt::LeftButton; }

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a left press and release on the label, as with any button.
  if (armed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked(index_);
  armed_ = false;
}

bool VerticalLabel::Stacked() const {
  const QString words = text();
  return std::all_of(words.begin(), words.end(), [](QChar ch) { return ch.unicode() >= 0x2E80; });
}

void VerticalLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setFont(font());
  p.setPen(palette().color(QPalette::WindowText));
  if (!Stacked()) {
    // Turned a quarter clockwise, read from the top down as on the spine of a book.
    p.translate(width(), 0);
    p.rotate(90);
    p.drawText(QRect(0, 0, height(), width()), Qt::AlignHCenter | Qt::AlignVCenter, text());
    return;
  }
  const int line = 12;
  int y = 0;
  for (const QChar ch : text()) {
    p.drawText(QRect(0, y, width(), line), Qt::AlignHCenter | Qt::AlignVCenter, QString(ch));
    y += line;
  }
}

ModeSlider::ModeSlider(QWidget* parent) : QLabel(parent) {}

namespace {
int ZoneOf(const QMouseEvent* event) {
  return ModeOfSliderY(static_cast<int>(std::floor(event->position().y())) * kTwipsPerPixel);
}
}  // namespace

void ModeSlider::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton) emit modeChosen(ZoneOf(event));
}

void ModeSlider::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() == Qt::LeftButton) emit modeChosen(ZoneOf(event));
}

}  // namespace pelmora
