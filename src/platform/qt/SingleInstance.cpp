#include "platform/qt/SingleInstance.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pelmora {

QString SingleInstance::DefaultLockPath() {
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (!runtime.isEmpty()) return runtime + QStringLiteral("/Pelmora.lock");
  // The temporary folder is shared by all users: the user id keeps one user's game from
  // blocking another's.
  return QDir::tempPath() + QStringLiteral("/Pelmora-%1.lock").arg(::getuid());
}

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
  // The lock is held for the whole run, which is longer than any age limit; only a dead owner
  // makes a lock stale.
  lock_.setStaleLockTime(0);
}

bool SingleInstance::TryAcquire() {
  if (lock_.isLocked()) return true;
  QDir().mkpath(QFileInfo(lock_.fileName()).absolutePath());
  if (lock_.tryLock(0)) return true;
  return lock_.error() != QLockFile::LockFailedError;
}

}  // namespace pelmora
