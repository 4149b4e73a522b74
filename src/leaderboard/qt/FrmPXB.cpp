#include "leaderboard/qt/FrmPXB.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "platform/qt/WindowDrag.h"
#include "platform/Paths.h"
#include "platform/qt/QtPictures.h"
#include "view/Layout.h"
#include "game/GameFiles.h"

namespace pelmora {

namespace {

// Full-width place numbers, as the table has always shown them.
constexpr const char* kPlaces[10] = {"０１．", "０２．", "０３．", "０４．", "０５．",
                                     "０６．", "０７．", "０８．", "０９．", "１０．"};
QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

FrmPXB::FrmPXB(const PXBList& list, QWidget* owner, const QString& gameFolder)
    // Tool: a helper window of the game, kept out of the taskbar.
    : QDialog(owner, Qt::Tool | Qt::FramelessWindowHint), translucent_(*this) {
  setWindowTitle(tr("Lumo排行榜"));
  setFixedSize(layout::kBoardWidth, layout::kBoardHeight);
  setModal(true);
  // It opens over its owner, on the owner's screen.
  const qreal ratio = owner != nullptr ? owner->devicePixelRatio() : devicePixelRatio();
  background_ = LoadPixmap(QString::fromStdString(GamePath(gameFolder.toStdString(), files::kLeaderboardBack)),
                           layout::DeviceScale(ratio));

  for (int i = 1; i <= 10; ++i) {
    const auto row = static_cast<std::size_t>(i - 1);
    const PXBEntry& entry = list[row];
    const int y = layout::kBoardFirstRowY + layout::kBoardRowPitch * (i - 1);
    label1_[row] = MakeLabel(QString::fromUtf8(kPlaces[row]), layout::kBoardColumnX[0], y);
    labName_[row] = MakeLabel(FromUtf8(entry.Name), layout::kBoardColumnX[1], y, layout::kBoardNameWidth);
    labScore_[row] = MakeLabel(QString::number(entry.Score), layout::kBoardColumnX[2], y);
    labDate_[row] = MakeLabel(FromUtf8(entry.Date), layout::kBoardColumnX[3], y);
  }

  comClose_ = new QPushButton(tr("关闭"), this);
  const layout::Rect close = layout::kBoardCloseButton;
  comClose_->setGeometry(close.x, close.y, close.w, close.h);
  connect(comClose_, &QPushButton::clicked, this, &QDialog::close);

  new WindowDrag(this);
  CentreOver(owner);
  tmFrom(kOpacity);
}

void FrmPXB::ShowModal(const PXBList& list, QWidget* owner, const QString& gameFolder) {
  FrmPXB window(list, owner, gameFolder);
  window.exec();
}

void FrmPXB::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // A translucent window has no background but what it paints: the window colour wherever the
  // picture does not reach.
  painter.fillRect(rect(), palette().window());
  painter.drawPixmap(0, 0, background_);
}

QLabel* FrmPXB::MakeLabel(const QString& text, int x, int y, int maxWidth) {
  auto* label = new QLabel(this);
  QFont font = label->font();
  font.setPixelSize(layout::kBoardFontPixels);
  label->setFont(font);
  label->setText(QFontMetrics(font).elidedText(text, Qt::ElideRight, maxWidth));
  label->setMaximumWidth(maxWidth);  // and the label clips whatever the metrics missed
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
  label->setPalette(palette);
  // Labels are part of the background: no fill of their own, and a press on them goes to the
  // window, which starts a drag.
  label->setAutoFillBackground(false);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->setTextFormat(Qt::PlainText);
  label->move(x, y);
  label->adjustSize();
  return label;
}

void FrmPXB::CentreOver(QWidget* owner) {
  QRect area;
  if (owner != nullptr) {
    area = owner->window()->frameGeometry();
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->geometry();
  } else {
    return;
  }
  move(area.x() + (area.width() - layout::kBoardWidth) / 2, area.y() + (area.height() - layout::kBoardHeight) / 2);
}

}  // namespace pelmora
