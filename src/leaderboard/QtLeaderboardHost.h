#pragma once
// The new-record dialogue's host on the desktop: the locale's short date, data.dat in the game
// folder and the leaderboard window over the main window.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "leaderboard/EnterPxb.h"

namespace pelmora {

class QtLeaderboardHost final : public LeaderboardHost {
 public:
  // `owner` is the window the leaderboard is centred over; it may go away first.
  QtLeaderboardHost(QWidget* owner, QString gameFolder);

  std::string Today() override;
  bool Save(const PXBList& list) override;  // <gameFolder>/data.dat
  void ShowLeaderboard(const PXBList& list) override;

 private:
  QPointer<QWidget> owner_;
  QString gameFolder_;
};

}  // namespace pelmora
