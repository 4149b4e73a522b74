#pragma once
// The splash window shown before the main window: the picture images/Long.JPG stretched over a
// small borderless window that fades in from alpha 50 to fully opaque, fades out to 50 again
// and closes itself. A missing or broken picture leaves the plain window colour; the fade runs
// all the same.

#include <QDialog>
#include <QImage>
#include <QString>

#include "platform/qt/Translucent.h"

class QTimer;

namespace pelmora {

class FrmLong final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kLowAlpha = 50;    // the alpha it starts and ends at
  static constexpr int kAlphaStep = 5;    // per tick; from 50 the steps land on 255 exactly
  static constexpr int kTickMs = 10;

  // Builds the window centred on the screen at alpha 50. The fade timer starts when the window
  // is first shown.
  explicit FrmLong(const QString& gameFolder, QWidget* parent = nullptr);

  // Shows the splash modally; returns when the fade has finished and the window has closed.
  static void ShowModal(const QString& gameFolder);

  // The alpha of the whole window, 0 (invisible) .. 255 (opaque).
  void tmFrom(int alpha) { translucent_.SetAlpha(alpha); }
  int Alpha() const { return translucent_.Alpha(); }

  // One step of the fade (the timer's tick): up by 5 until 255, then down by 5; the step that
  // comes back to 50 stops the timer and closes the window without applying 50 again. Steps
  // after that do nothing.
  void Tick();

  int FadeAlpha() const { return fadeAlpha_; }
  bool FadeIn() const { return fadeIn_; }
  bool HasPicture() const { return !picture_.isNull(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Finish();

  Translucent translucent_;
  QImage picture_;
  QTimer* longTimer_;
  int fadeAlpha_ = kLowAlpha;
  bool fadeIn_ = true;
  bool finished_ = false;
};

}  // namespace pelmora
