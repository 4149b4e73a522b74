#pragma once
// The new-record dialogue's host on the desktop: the locale's short date, the leaderboard file
// and the leaderboard window over the main window.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <string>

#include "leaderboard/EnterPxb.h"

namespace pelmora {

class QtLeaderboardHost final : public LeaderboardHost {
 public:
  // `owner` is the window the leaderboard is centred over; it may go away first. The window's
  // pictures come from `gameFolder`; the table is saved to `pxbPath` (data.dat).
  QtLeaderboardHost(QWidget* owner, QString gameFolder, std::string pxbPath);

  std::string Today() override;
  SaveResult Store(const PXBEntry& entry, PXBList& list) override;  // into pxbPath
  void ShowLeaderboard(const PXBList& list) override;

 private:
  QPointer<QWidget> owner_;
  QString gameFolder_;
  std::string pxbPath_;
};

}  // namespace pelmora
