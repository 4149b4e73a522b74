#include "shell/qt/MainControls.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "platform/qt/QtPictures.h"
#include "view/ControlPanel.h"

namespace pelmora {

FieldView::FieldView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FieldView::Show(const QImage& frame) {
  frame_ = frame;
  Present(frame_.rect());
}

void FieldView::ShowChanges(const QImage& frame, const QList<QRect>& changed) {
  const bool samePixels = frame.constBits() == frame_.constBits() && frame.size() == frame_.size() &&
                          frame.devicePixelRatio() == frame_.devicePixelRatio();
  frame_ = frame;
  if (!samePixels) {
    Present(frame_.rect());
    return;
  }
  // Changes close together go as one rectangle around them, copied in one block: a region of many
  // pieces is painted span by span at a cost that outweighs what it spares. Changes spread out,
  // as flakes of snow are, go piece by piece.
  QRegion region;
  long area = 0;
  for (const QRect& r : changed) {
    region += r;
    area += static_cast<long>(r.width()) * r.height();
  }
  const QRect around = region.boundingRect();
  if (area * 2 > static_cast<long>(around.width()) * around.height()) region = around;
  Present(region);
}

namespace {
// The rectangle of `area` (in the frame's pixels) in the field's logical pixels, whole pixels
// around it.
QRect Logical(const QRect& area, qreal ratio) {
  return QRect(QPoint(static_cast<int>(std::floor(area.left() / ratio)), static_cast<int>(std::floor(area.top() / ratio))),
               QPoint(static_cast<int>(std::ceil((area.right() + 1) / ratio)) - 1,
                      static_cast<int>(std::ceil((area.bottom() + 1) / ratio)) - 1));
}
}  // namespace

void FieldView::Present(const QRegion& changed) {
  const qreal screen = devicePixelRatio();
  const QSize pixels = (QSizeF(frame_.deviceIndependentSize()) * screen).toSize();
  QRegion area = changed;
  if (shown_.size() != pixels || shown_.devicePixelRatio() != screen) {
    shown_ = QImage(pixels, QImage::Format_RGB32);
    shown_.setDevicePixelRatio(screen);
    area = frame_.rect();
  }
  if (frame_.isNull() || area.isEmpty()) return;
  const qreal ratio = frame_.devicePixelRatio();
  QRegion logical;
  if (ratio == screen) {
    for (const QRect& r : area) {
      CopyOpaque(frame_, r, shown_);
      logical += Logical(r, ratio);
    }
  } else {
    // A smooth shrink reads a frame pixel's neighbours: a changed pixel reaches one logical pixel
    // beyond its own place.
    for (const QRect& r : area) logical += Logical(r, ratio).adjusted(-1, -1, 1, 1);
    // Each piece is drawn down from its own part of the frame (a whole frame would be scaled for
    // every piece), a pixel wider so that its edges are not clamped. Qt shrinks a picture of more
    // than 2^17 pixels on several threads, and for a frame's few changed places handing the work
    // over costs more than the work: bands of kBandRows rows keep every piece under that.
    constexpr int kBandRows = 32;
    const QRect field(QPoint(0, 0), frame_.deviceIndependentSize().toSize());
    QPainter p(&shown_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const QRect& r : logical) {
      for (int top = r.top(); top <= r.bottom(); top += kBandRows) {
        const QRect band(r.left(), top, r.width(), std::min(kBandRows, r.bottom() + 1 - top));
        const QRect from = band.adjusted(-1, -1, 1, 1) & field;
        p.setClipRect(band);
        p.drawImage(QRectF(from), frame_,
                    QRectF(from.x() * ratio, from.y() * ratio, from.width() * ratio, from.height() * ratio));
      }
    }
  }
  update(logical.translated(1, 1));  // inside the border
}

void FieldView::paintEvent(QPaintEvent* event) {
  // Moved to a screen of another ratio: the picture is drawn again for it first.
  if (!frame_.isNull() && shown_.devicePixelRatio() != devicePixelRatio()) Present(frame_.rect());
  QPainter p(this);
  // The flat single-pixel border is the black left around the picture. (A pen would be centred on
  // the edge and, on a screen of ratio 2, cover the picture's last row and column.) Only what the
  // picture leaves is filled: at ten frames a second a needless fill costs as much as the copy.
  // On a screen of a fractional ratio the picture's edges fall between screen pixels, and all is
  // filled.
  const qreal ratio = devicePixelRatio();
  if (ratio == std::floor(ratio))
    p.setClipRegion(QRegion(rect()).subtracted(QRect(QPoint(1, 1), shown_.deviceIndependentSize().toSize())));
  p.fillRect(rect(), Qt::black);
  p.setClipping(false);
  if (shown_.isNull()) return;
  // Clipped to one rectangle at a time, the picture is copied row by row; clipped to a region of
  // several, Qt composes it span by span, and hands a tall one to worker threads every frame.
  for (const QRect& r : event->region()) {
    p.setClipRect(r);
    p.drawImage(QPointF(1, 1), shown_);
  }
}

// A widget's event position is rounded to whole logical pixels: on a screen of ratio 2, a pointer
// on a column's last screen pixel would count as in the next column, while the cursor's tip is
// still over this one. The position in the window keeps the fraction. The 1-px border comes off.
double FieldView::PointerX(const QMouseEvent* event) const {
  return event->scenePosition().x() - mapTo(window(), QPointF(0, 0)).x() - 1;
}

void FieldView::mouseMoveEvent(QMouseEvent* event) { emit pointerMoved(PointerX(event)); }

void FieldView::mousePressEvent(QMouseEvent* event) {
  const MouseButton button = event->button() == Qt::LeftButton    ? MouseButton::Left
                             : event->button() == Qt::RightButton ? MouseButton::Right
                                                                  : MouseButton::Middle;
  emit pressed(button, PointerX(event));
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
