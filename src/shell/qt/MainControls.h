#pragma once
// The small custom controls of the main window: the play field's picture box, the picture
// buttons of the control panel, the clickable mode labels and the difficulty slider.

#include <QImage>
#include <QLabel>
#include <QList>
#include <QRect>
#include <QRegion>
#include <QWidget>

#include "game/Rules.h"

namespace pelmora {

// PicGameMap: shows the composed field inside a flat one-pixel border, at the frame's logical
// size (a frame of device pixel ratio 2 is twice the pixels in the same area). Pointer
// coordinates are reported in pixels of the drawing area (inside the border), at scale 1.
//
// What it shows is kept in the screen's own pixels: a frame's changed places are copied there
// once (drawn down smoothly when the frame's scale is not the screen's, as a 2x frame on a screen
// of 1.5), and a repaint only copies that picture to the window, pixel for pixel.
class FieldView final : public QWidget {
  Q_OBJECT
 public:
  explicit FieldView(QWidget* parent);
  void Show(const QImage& frame);
  // The next frame in the same pixels as the frame shown, changed only within `changed` (in the
  // frame's pixels): only those places are drawn and painted again.
  void ShowChanges(const QImage& frame, const QList<QRect>& changed);
  const QImage& frame() const { return frame_; }

 signals:
  void pointerMoved(double x);
  void pressed(pelmora::MouseButton button, double x);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // Brings `changed` (in frame pixels) of the shown picture up to frame_ and asks for its
  // repaint; all of it when the picture is not in the screen's pixels yet.
  void Present(const QRegion& changed);
  // The pointer's x in the field's logical pixels, fraction kept.
  double PointerX(const QMouseEvent* event) const;

  QImage frame_;  // as composed: it shares the session's pixels
  QImage shown_;  // the field in the screen's pixels, opaque
};

// ComBox(i): a picture used as a button. Any mouse button presses it; every pointer move over
// it is reported so that the panel can light it.
class PictureButton final : public QLabel {
  Q_OBJECT
 public:
  PictureButton(int index, QWidget* parent);
  int index() const { return index_; }

 signals:
  void hovered(int index);
  void pressed(int index);

 protected:
  void mouseMoveEvent(QMouseEvent*) override { emit hovered(index_); }
  void mousePressEvent(QMouseEvent*) override { emit pressed(index_); }

 private:
  int index_;
};

// LabZNJB(i): a label that is clicked with the left button.
class ClickLabel final : public QLabel {
  Q_OBJECT
 public:
  ClickLabel(int index, const QString& text, QWidget* parent);

 signals:
  void clicked(int index);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int index_;
  bool armed_ = false;
};

// ComZNJB: a left press or a drag with the left button alone chooses the mode of the zone
// under the pointer, also when a drag leaves the slider above or below.
class ModeSlider final : public QLabel {
  Q_OBJECT
 public:
  explicit ModeSlider(QWidget* parent);

 signals:
  void modeChosen(int mode);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
};

// LabZNJBS: a caption written top to bottom, one character on each 12-pixel line.
class VerticalLabel final : public QLabel {
  Q_OBJECT
 public:
  VerticalLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}
  // Characters of the Chinese scripts stand one under the other; any other text (a word of
  // letters) is turned to run down the label.
  bool Stacked() const;

 protected:
  void paintEvent(QPaintEvent*) override;
};

}  // namespace pelmora
