#include "leaderboard/QtLeaderboardHost.h"

#include <QDate>
#include <QLocale>

#include "leaderboard/FrmPXB.h"
#include "platform/Paths.h"

namespace pelmora {

QtLeaderboardHost::QtLeaderboardHost(QWidget* owner, QString gameFolder)
    : owner_(owner), gameFolder_(std::move(gameFolder)) {}

std::string QtLeaderboardHost::Today() {
  return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

bool QtLeaderboardHost::Save(const PXBList& list) {
  return SavePXB(PXBPath(gameFolder_.toStdString()), list);
}

void QtLeaderboardHost::ShowLeaderboard(const PXBList& list) { FrmPXB::ShowModal(list, owner_, gameFolder_); }

}  // namespace pelmora
