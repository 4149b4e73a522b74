#include "shell/qt/FrmLong.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "platform/Paths.h"
#include "platform/qt/QtPictures.h"
#include "view/Layout.h"
#include "game/GameFiles.h"

namespace pelmora {

FrmLong::FrmLong(const QString& gameFolder, QWidget* parent)
    // Tool: a passing helper window, kept out of the taskbar.
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint), translucent_(*this), longTimer_(new QTimer(this)) {
  setWindowTitle(tr("Lumo程序加载"));
  setFixedSize(layout::kSplashWidth, layout::kSplashHeight);
  setModal(true);
  const QScreen* screen = QGuiApplication::primaryScreen();
  // A missing or unreadable picture leaves a null image: the plain background shows.
  picture_ = LoadImage(QString::fromStdString(GamePath(gameFolder.toStdString(), files::kSplash)),
                       layout::DeviceScale(screen != nullptr ? screen->devicePixelRatio() : 1.0));

  if (screen != nullptr) {
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - layout::kSplashWidth) / 2, area.y() + (area.height() - layout::kSplashHeight) / 2);
  }

  longTimer_->setObjectName(QStringLiteral("LongTimer"));
  longTimer_->setInterval(kTickMs);
  connect(longTimer_, &QTimer::timeout, this, &FrmLong::Tick);
  tmFrom(fadeAlpha_);
}

void FrmLong::ShowModal(const QString& gameFolder) {
  FrmLong splash(gameFolder);
  splash.exec();
}

void FrmLong::Tick() {
  if (finished_) return;
  if (fadeIn_) {
    fadeAlpha_ += kAlphaStep;
    if (fadeAlpha_ >= 255) fadeIn_ = false;
    tmFrom(fadeAlpha_);
    return;
  }
  fadeAlpha_ -= kAlphaStep;
  if (fadeAlpha_ > kLowAlpha) {
    tmFrom(fadeAlpha_);
  } else {
    Finish();
  }
}

void FrmLong::Finish() {
  finished_ = true;
  longTimer_->stop();
  close();
}

void FrmLong::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!finished_ && !longTimer_->isActive()) longTimer_->start();
}

void FrmLong::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // A translucent window has no background but what it paints.
  painter.fillRect(rect(), palette().window());
  if (picture_.isNull()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect(), picture_);
}

}  // namespace pelmora
