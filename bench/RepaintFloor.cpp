// What a bare Qt window costs to repaint as often and as much as the game's field does, with no
// game in it: a field-sized widget that copies a picture into the player's place and the guide's
// column ten times a second. cpu_under_xvfb.sh measures it beside the game, so that its figures
// can be read as this floor plus what the game adds; the floor depends on the machine, Qt and the
// X server, not on the game.
#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Field final : public QWidget {
 public:
  Field() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(376, 480);
  }

  // One frame: the player's square and the guide's column change, from one picture to the other.
  void Step() {
    ++frames_;
    update(QRegion(164, 396, 72, 72) + QRegion(182, 40, 36, 350));
  }

 protected:
  // Painted as the game paints its field: pictures in the screen's own pixels, copied one
  // rectangle of the region at a time (which keeps Qt's worker threads out of it).
  void paintEvent(QPaintEvent* event) override {
    const qreal ratio = devicePixelRatio();
    if (pictures_[0].devicePixelRatio() != ratio) {
      for (QImage& picture : pictures_) {
        picture = QImage(size() * ratio, QImage::Format_RGB32);
        picture.setDevicePixelRatio(ratio);
      }
      pictures_[0].fill(Qt::darkBlue);
      pictures_[1].fill(Qt::darkGreen);
    }
    QPainter p(this);
    for (const QRect& r : event->region()) {
      p.setClipRect(r);
      p.drawImage(QPointF(0, 0), pictures_[frames_ % 2]);
    }
  }

 private:
  QImage pictures_[2];
  int frames_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Field field;
  field.show();
  QTimer frames;
  frames.setTimerType(Qt::PreciseTimer);
  QObject::connect(&frames, &QTimer::timeout, &field, &Field::Step);
  frames.start(100);
  return QApplication::exec();
}
