#pragma once
// The leaderboard window: the ten rows of the table over a background picture, in a borderless,
// slightly see-through window that is moved by dragging its background and closed by its one
// button. It shows the table as it was when the window was made; a new showing makes a new
// window, so it always shows the current table.

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <array>

#include "leaderboard/PxbStore.h"
#include "platform/qt/Translucent.h"

class QLabel;
class QPushButton;

namespace pelmora {

class FrmPXB final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kOpacity = 200;  // of 255: the main window shows faintly through

  // Builds the window, filled from `list`, centred over `owner` (or the screen without one).
  // The background is <gameFolder>/ui/PxbBack.png; without it the plain window colour shows.
  FrmPXB(const PXBList& list, QWidget* owner, const QString& gameFolder);

  // Shows a new window modally; returns when it has been closed.
  static void ShowModal(const PXBList& list, QWidget* owner, const QString& gameFolder);

  // The alpha of the whole window, 0 (invisible) .. 255 (opaque).
  void tmFrom(int alpha) { translucent_.SetAlpha(alpha); }
  int Alpha() const { return translucent_.Alpha(); }

  // The controls of row i = 1..10: place, name (cut with an ellipsis before the score column),
  // score, date; and the close button.
  QLabel* Label1(int i) const { return label1_.at(static_cast<std::size_t>(i - 1)); }
  QLabel* LabName(int i) const { return labName_.at(static_cast<std::size_t>(i - 1)); }
  QLabel* LabScore(int i) const { return labScore_.at(static_cast<std::size_t>(i - 1)); }
  QLabel* LabDate(int i) const { return labDate_.at(static_cast<std::size_t>(i - 1)); }
  QPushButton* ComClose() const { return comClose_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // A red label sized to its text, cut with an ellipsis to at most `maxWidth` pixels.
  QLabel* MakeLabel(const QString& text, int x, int y, int maxWidth = QWIDGETSIZE_MAX);
  void CentreOver(QWidget* owner);

  Translucent translucent_;
  QPixmap background_;
  std::array<QLabel*, 10> label1_{};
  std::array<QLabel*, 10> labName_{};
  std::array<QLabel*, 10> labScore_{};
  std::array<QLabel*, 10> labDate_{};
  QPushButton* comClose_ = nullptr;
};

}  // namespace pelmora
