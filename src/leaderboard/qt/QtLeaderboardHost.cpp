#include "leaderboard/qt/QtLeaderboardHost.h"

#include <QDate>
#include <QLocale>

#include "leaderboard/qt/FrmPXB.h"

namespace pelmora {

QtLeaderboardHost::QtLeaderboardHost(QWidget* owner, QString gameFolder, std::string pxbPath)
    : owner_(owner), gameFolder_(std::move(gameFolder)), pxbPath_(std::move(pxbPath)) {}

std::string QtLeaderboardHost::Today() {
  return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

SaveResult QtLeaderboardHost::Store(const PXBEntry& entry, PXBList& list) { return AddPXBEntry(pxbPath_, entry, list); }

void QtLeaderboardHost::ShowLeaderboard(const PXBList& list) { FrmPXB::ShowModal(list, owner_, gameFolder_); }

}  // namespace pelmora
