#include "shell/qt/FrmMain.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "platform/qt/QtPictures.h"
#include "platform/AppInfo.h"
#include "view/ControlPanel.h"
#include "view/Layout.h"

namespace pelmora {

namespace {

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
  LoadPictures();
}

void FrmMain::LoadPictures() {
  background_ = LoadPixmap(uiFolder_ + "MainBack.png", scale_);
  // The hot spot is given in the cursor's logical pixels, whatever its device pixel ratio.
  const QPixmap cursor = LoadPixmap(uiFolder_ + "Cursor.png", scale_);
  gameCursor_ = cursor.isNull() ? QCursor(Qt::PointingHandCursor)
                                : QCursor(cursor, layout::kCursorHotX, layout::kCursorHotY);
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
  if (scale == scale_) return;
  scale_ = scale;
  LoadPictures();
  emit deviceScaleChanged(scale);
}

void FrmMain::BuildField() {
  picGameMap_ = new FieldView(this);
  picGameMap_->setGeometry(ToQRect(layout::kFieldBox));
}

void FrmMain::BuildScorePanel() {
  labG_ = new QLabel("第1关", this);
  QFont font;
  font.setFamilies({"宋体", "SimSun", "Noto Serif CJK SC", "AR PL UMing CN", "WenQuanYi Micro Hei"});
  font.setPointSize(15);
  font.setBold(true);
  labG_->setFont(font);
  SetTextColour(labG_, QColor(255, 0, 0));
  labG_->move(layout::kLevelCaption.x, layout::kLevelCaption.y);
  labG_->adjustSize();

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
  const char* captions[] = {"１：简单模式", "２：正常模式", "３：挑战模式", "４：极限模式"};
  for (int i = 0; i < kModes; ++i) {
    auto* label = new ClickLabel(i + 1, captions[i], this);
    label->move(layout::kModeLabelX, layout::kModeLabelTop + layout::kModeLabelPitch * i);
    label->adjustSize();
    connect(label, &ClickLabel::clicked, this, &FrmMain::modeLabelClicked);
    labZNJB_[static_cast<std::size_t>(i)] = label;
  }
  comZNJB_ = new ModeSlider(this);
  comZNJB_->setGeometry(ToQRect(layout::kModeSlider));

  labZNJBS_ = new VerticalLabel("游戏模式选择", this);
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
  checkMediaON_ = make("音乐", layout::kMusicSwitch);
  checkSoundON_ = make("音效", layout::kSoundSwitch);
}

PictureButton* FrmMain::ComBox(int index) const {
  for (std::size_t i = 0; i < kCommandButtons.size(); ++i)
    if (static_cast<int>(kCommandButtons[i]) == index) return comBox_[i];
  return nullptr;
}

void FrmMain::ShowScore(const QImage& picture) { picGetF_->setPixmap(QPixmap::fromImage(picture)); }

void FrmMain::SetLevelCaption(const QString& caption) {
  labG_->setText(caption);
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
