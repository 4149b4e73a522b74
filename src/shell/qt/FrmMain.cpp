#include "shell/qt/FrmMain.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

#include "platform/qt/QtPictures.h"
#include "shell/qt/GameCursor.h"
#include "platform/AppInfo.h"
#include "view/ControlPanel.h"
#include "view/Layout.h"

namespace pelmora {

namespace {

// The captions in the game's own words, the source texts of the catalogue.
constexpr const char* kLevelCaption = QT_TRANSLATE_NOOP("pelmora::FrmMain", "第%1关");
constexpr const char* kModeCaptions[] = {
    QT_TRANSLATE_NOOP("pelmora::FrmMain", "１：简单模式"), QT_TRANSLATE_NOOP("pelmora::FrmMain", "２：正常模式"),
    QT_TRANSLATE_NOOP("pelmora::FrmMain", "３：挑战模式"), QT_TRANSLATE_NOOP("pelmora::FrmMain", "４：极限模式")};
constexpr const char* kModeSelectorCaption = QT_TRANSLATE_NOOP("pelmora::FrmMain", "游戏模式选择");
constexpr const char* kMusicCaption = QT_TRANSLATE_NOOP("pelmora::FrmMain", "音乐");
constexpr const char* kSoundCaption = QT_TRANSLATE_NOOP("pelmora::FrmMain", "音效");

QRect ToQRect(const layout::Rect& r) { return QRect(r.x, r.y, r.w, r.h); }

QColor ToColor(std::uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

void SetTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

// The window's default font: one line of text is 12 pixels high.
QFont DefaultFont() {
  QFont font;
  font.setFamilies({"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Microsoft YaHei", "SimSun"});
  font.setPixelSize(12);
  return font;
}

}  // namespace

FrmMain::FrmMain(const QString& uiFolder, QWidget* parent)
    : QWidget(parent), uiFolder_(uiFolder), scale_(layout::DeviceScale(devicePixelRatio())) {
  setWindowTitle(kAppTitle);
  setFixedSize(layout::kClientWidth, layout::kClientHeight);
  setMouseTracking(true);
  setFont(DefaultFont());
  QIcon icon;
  for (int size : {32, 48, 64, 128, 256}) icon.addFile(uiFolder + QString("Icon%1.png").arg(size));
  setWindowIcon(icon);

  BuildField();
  BuildScorePanel();
  BuildButtons();
  BuildModeSelector();
  BuildSwitches();
  Retranslate();
  LoadPictures();
}

void FrmMain::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Another language: its words, and its pictures (those with words have a twin of their own).
  if (event->type() != QEvent::LanguageChange) return;
  Retranslate();
  LoadPictures();
}

void FrmMain::Retranslate() {
  SetLevel(level_);
  for (std::size_t i = 0; i < labZNJB_.size(); ++i) {
    labZNJB_[i]->setText(tr(kModeCaptions[i]));
    labZNJB_[i]->adjustSize();
  }
  labZNJBS_->setText(tr(kModeSelectorCaption));
  checkMediaON_->setText(tr(kMusicCaption));
  checkSoundON_->setText(tr(kSoundCaption));
  // A longer word widens its switch to the right, where the panel has room; the design's width
  // stays the least.
  for (auto [box, place] : {std::pair{checkMediaON_, layout::kMusicSwitch}, std::pair{checkSoundON_, layout::kSoundSwitch}})
    box->resize(std::max(place.w, box->sizeHint().width()), place.h);
}

void FrmMain::LoadPictures() {
  background_ = LoadPixmap(uiFolder_ + "MainBack.png", scale_);
  // The cursor is made for the exact ratio (1.25 and 1.5 as well), not just for the scale.
  cursorRatio_ = devicePixelRatioF();
  gameCursor_ = pelmora::GameCursor(uiFolder_, cursorRatio_, QGuiApplication::platformName() == QLatin1String("xcb"));
  const char* names[] = {"NewGame", "Exit", "Menu"};
  for (std::size_t i = 0; i < comBox_.size(); ++i) {
    comClickList_[i] = LoadPixmap(uiFolder_ + names[i] + ".png", scale_);
    comMoverList_[i] = LoadPixmap(uiFolder_ + names[i] + "Hover.png", scale_);
  }
  for (int i = 0; i < kModes; ++i)
    znjbBoxList_[static_cast<std::size_t>(i)] = LoadPixmap(uiFolder_ + QString("Slider%1.png").arg(i + 1), scale_);

  LightButtons(lit_);
  ShowSliderPicture(sliderMode_);
  for (QWidget* control : std::initializer_list<QWidget*>{picGameMap_, comBox_[0], comBox_[1], comBox_[2], comZNJB_,
                                                          checkMediaON_, checkSoundON_})
    control->setCursor(gameCursor_);
  for (QWidget* label : labZNJB_) label->setCursor(gameCursor_);
  update();
}

void FrmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Shown, the window has a screen of its own, which may not be the one it was made for; and it
  // may be moved to a screen of another scale at any time.
  if (!watchingScreen_ && windowHandle() != nullptr) {
    connect(windowHandle(), &QWindow::screenChanged, this, &FrmMain::FollowDeviceScale);
    watchingScreen_ = true;
  }
  FollowDeviceScale();
}

void FrmMain::FollowDeviceScale() {
  const int scale = layout::DeviceScale(devicePixelRatio());
  if (scale == scale_ && devicePixelRatioF() == cursorRatio_) return;
  const bool rescaled = scale != scale_;
  scale_ = scale;
  LoadPictures();
  if (rescaled) emit deviceScaleChanged(scale);
}

void FrmMain::BuildField() {
  picGameMap_ = new FieldView(this);
  picGameMap_->setGeometry(ToQRect(layout::kFieldBox));
}

void FrmMain::BuildScorePanel() {
  labG_ = new QLabel(this);
  QFont font;
  font.setFamilies({"宋体", "SimSun", "Noto Serif CJK SC", "AR PL UMing CN", "WenQuanYi Micro Hei"});
  font.setPointSize(15);
  font.setBold(true);
  labG_->setFont(font);
  SetTextColour(labG_, QColor(255, 0, 0));
  labG_->move(layout::kLevelCaption.x, layout::kLevelCaption.y);

  picGetF_ = new QLabel(this);
  picGetF_->setGeometry(ToQRect(layout::kScoreBox));
}

void FrmMain::BuildButtons() {
  const layout::Rect places[] = {layout::kNewGameButton, layout::kExitButton, layout::kMenuButton};
  for (std::size_t i = 0; i < comBox_.size(); ++i) {
    auto* button = new PictureButton(static_cast<int>(kCommandButtons[i]), this);
    button->setGeometry(ToQRect(places[i]));
    connect(button, &PictureButton::hovered, this, &FrmMain::LightButtons);
    connect(button, &PictureButton::pressed, this, &FrmMain::commandPressed);
    comBox_[i] = button;
  }
}

void FrmMain::BuildModeSelector() {
  for (int i = 0; i < kModes; ++i) {
    auto* label = new ClickLabel(i + 1, QString(), this);
    label->move(layout::kModeLabelX, layout::kModeLabelTop + layout::kModeLabelPitch * i);
    connect(label, &ClickLabel::clicked, this, &FrmMain::modeLabelClicked);
    labZNJB_[static_cast<std::size_t>(i)] = label;
  }
  comZNJB_ = new ModeSlider(this);
  comZNJB_->setGeometry(ToQRect(layout::kModeSlider));

  labZNJBS_ = new VerticalLabel(QString(), this);
  labZNJBS_->setGeometry(ToQRect(layout::kModeCaption));
  SetTextColour(labZNJBS_, QColor(255, 128, 255));
}

void FrmMain::BuildSwitches() {
  auto make = [this](const QString& caption, const layout::Rect& place) {
    auto* box = new QCheckBox(caption, this);
    box->setGeometry(ToQRect(place));
    box->setCursor(gameCursor_);
    // The keys play the game: a switch must not take them (Space would toggle it, and the arrows
    // would move the focus).
    box->setFocusPolicy(Qt::NoFocus);
    // A check box fills its background with the Button colour unless told otherwise.
    box->setBackgroundRole(QPalette::Window);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, QColor(192, 255, 192));
    palette.setColor(QPalette::WindowText, QColor(255, 128, 0));
    box->setPalette(palette);
    return box;
  };
  checkMediaON_ = make(QString(), layout::kMusicSwitch);
  checkSoundON_ = make(QString(), layout::kSoundSwitch);
}

PictureButton* FrmMain::ComBox(int index) const {
  for (std::size_t i = 0; i < kCommandButtons.size(); ++i)
    if (static_cast<int>(kCommandButtons[i]) == index) return comBox_[i];
  return nullptr;
}

void FrmMain::ShowScore(const QImage& picture) { picGetF_->setPixmap(QPixmap::fromImage(picture)); }

void FrmMain::SetLevel(int level) {
  level_ = level;
  labG_->setText(tr(kLevelCaption).arg(level));
  labG_->adjustSize();
}

void FrmMain::ShowModeColours(int mode) {
  const auto colours = ModeLabelColours(mode);
  for (std::size_t i = 0; i < labZNJB_.size(); ++i) SetTextColour(labZNJB_[i], ToColor(colours[i]));
}

void FrmMain::ShowSliderPicture(int mode) {
  if (mode < 1 || mode > kModes) return;
  sliderMode_ = mode;
  comZNJB_->setPixmap(znjbBoxList_[static_cast<std::size_t>(mode - 1)]);
}

void FrmMain::LightButtons(int pointerOver) {
  lit_ = pointerOver;
  const auto lit = HighlightedButtons(pointerOver);
  for (std::size_t i = 0; i < comBox_.size(); ++i) comBox_[i]->setPixmap(lit[i] ? comMoverList_[i] : comClickList_[i]);
}

void FrmMain::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(40, 44, 70));
  p.drawPixmap(0, 0, background_);
}

void FrmMain::mouseMoveEvent(QMouseEvent* event) {
  // Only the bare background puts the buttons back to normal; a move that a control passes on to
  // the window is not the background.
  if (childAt(event->position().toPoint()) == nullptr) LightButtons(0);
}

void FrmMain::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closing();
}

}  // namespace pelmora
