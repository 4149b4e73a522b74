#pragma once
// The main window: the play field, the level and score beside it, the command buttons, the
// difficulty selector and the two sound switches, on the window's background picture. The
// window shows what it is told and reports what the player does; the game shell decides.

#include <QCheckBox>
#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <array>

#include "shell/qt/MainControls.h"

namespace pelmora {

class FrmMain final : public QWidget {
  Q_OBJECT
 public:
  // `uiFolder` (ending in a separator) holds the window's own pictures (background, buttons, slider,
  // cursor, icon), each also drawn at twice the size ("@2x") for screens of device scale 2.
  explicit FrmMain(const QString& uiFolder, QWidget* parent = nullptr);

  // The scale the window's pictures are drawn for: 1, or 2 on a screen with a device pixel ratio
  // above 1 (layout::DeviceScale). It follows the window from screen to screen.
  int DeviceScale() const { return scale_; }

  void ShowField(const QImage& frame) { picGameMap_->Show(frame); }
  void ShowFieldChanges(const QImage& frame, const QList<QRect>& changed) { picGameMap_->ShowChanges(frame, changed); }
  void ShowScore(const QImage& picture);
  // LabG: "第n关", in the player's language.
  void SetLevel(int level);
  // The look of a chosen mode: label colours and the slider's picture.
  void ShowModeColours(int mode);
  void ShowSliderPicture(int mode);
  // Lights the button under the pointer (1, 2 or 4) or none (0).
  void LightButtons(int pointerOver);

  FieldView* PicGameMap() const { return picGameMap_; }
  QLabel* LabG() const { return labG_; }
  QLabel* PicGetF() const { return picGetF_; }
  PictureButton* ComBox(int index) const;
  ClickLabel* LabZNJB(int index) const { return labZNJB_.at(static_cast<std::size_t>(index - 1)); }
  ModeSlider* ComZNJB() const { return comZNJB_; }
  QLabel* LabZNJBS() const { return labZNJBS_; }
  QCheckBox* CheckMediaON() const { return checkMediaON_; }
  QCheckBox* CheckSoundON() const { return checkSoundON_; }
  const QCursor& GameCursor() const { return gameCursor_; }

 signals:
  void commandPressed(int index);  // ComBox(1) new game, (2) exit, (4) game menu
  void modeLabelClicked(int index);
  void closing();
  // The window has reached a screen of another scale and shows its own pictures at it now.
  void deviceScaleChanged(int scale);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildField();
  void BuildScorePanel();
  void BuildButtons();
  void BuildModeSelector();
  void BuildSwitches();
  // Loads the window's pictures and the game cursor for scale_ and puts them on the controls.
  void LoadPictures();
  void FollowDeviceScale();
  // Words every caption in the current language.
  void Retranslate();

  QString uiFolder_;
  int scale_ = 1;
  qreal cursorRatio_ = 1;  // the device pixel ratio the cursor was made for
  bool watchingScreen_ = false;
  int sliderMode_ = 1;  // the mode whose slider picture shows
  int lit_ = 0;         // the button shown lit, or 0
  int level_ = 1;       // the level LabG shows
  QPixmap background_;
  QCursor gameCursor_;
  FieldView* picGameMap_ = nullptr;
  QLabel* labG_ = nullptr;
  QLabel* picGetF_ = nullptr;
  std::array<PictureButton*, 3> comBox_{};
  std::array<QPixmap, 3> comClickList_;  // the buttons' normal pictures
  std::array<QPixmap, 3> comMoverList_;  // and their highlighted pictures
  std::array<ClickLabel*, kModes> labZNJB_{};
  ModeSlider* comZNJB_ = nullptr;
  std::array<QPixmap, kModes> znjbBoxList_;   // the slider's picture for each mode
  QLabel* labZNJBS_ = nullptr;
  QCheckBox* checkMediaON_ = nullptr;
  QCheckBox* checkSoundON_ = nullptr;
};

}  // namespace pelmora
