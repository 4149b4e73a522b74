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

namespace pelmora {

namespace {

// Full-width place numbers, as the table has always shown them.
constexpr const char* kPlaces[10] = {"０１．", "０２．", "０３．", "０４．", "０５．",
                                     "０６．", "０７．", "０８．", "０９．", "１０．"};
constexpr int kFirstRowY = 72;
constexpr int kRowPitch = 16;
// A 12-pixel font keeps one line of text within the 16-pixel row pitch.
constexpr int kLabelFontPixels = 12;
constexpr int kNameX = 64;
constexpr int kScoreX = 152;
// A name may fill its 16 bytes with 16 wide letters or 8 Chinese characters, wider than the 88
// pixels up to the score. It ends, cut with an ellipsis, the same 4 pixels before the score
// column that the places leave before the names.
constexpr int kNameWidth = kScoreX - kNameX - 4;

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

FrmPXB::FrmPXB(const PXBList& list, QWidget* owner, const QString& gameFolder)
    // Tool: a helper window of the game, kept out of the taskbar.
    : QDialog(owner, Qt::Tool | Qt::FramelessWindowHint), translucent_(*this) {
  setWindowTitle(QStringLiteral("Lumo排行榜"));
  setFixedSize(kWidth, kHeight);
  setModal(true);
  // It opens over its owner, on the owner's screen.
  const qreal ratio = owner != nullptr ? owner->devicePixelRatio() : devicePixelRatio();
  background_ = LoadPixmap(QString::fromStdString(GamePath(gameFolder.toStdString(), "\\ui\\PxbBack.png")),
                           layout::DeviceScale(ratio));

  for (int i = 1; i <= 10; ++i) {
    const auto row = static_cast<std::size_t>(i - 1);
    const PXBEntry& entry = list[row];
    const int y = kFirstRowY + kRowPitch * (i - 1);
    label1_[row] = MakeLabel(QString::fromUtf8(kPlaces[row]), 24, y);
    labName_[row] = MakeLabel(FromUtf8(entry.Name), kNameX, y, kNameWidth);
    labScore_[row] = MakeLabel(QString::number(entry.Score), kScoreX, y);
    labDate_[row] = MakeLabel(FromUtf8(entry.Date), 248, y);
  }

  comClose_ = new QPushButton(QStringLiteral("关闭"), this);
  comClose_->setGeometry(64, 256, 209, 25);
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
  font.setPixelSize(kLabelFontPixels);
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
  move(area.x() + (area.width() - kWidth) / 2, area.y() + (area.height() - kHeight) / 2);
}

}  // namespace pelmora
