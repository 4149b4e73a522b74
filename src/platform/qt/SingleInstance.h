#pragma once
// One running copy of the game per user. The first copy holds a lock file for as long as it
// runs; a later copy that finds the lock held by a live process learns that it is not alone,
// asks the running copy to come to the front and ends. A lock left behind by a copy that
// crashed or was killed names a process that no longer runs and does not hold the file's system
// lock any more, so the next start takes it over.

#include <QLocalServer>
#include <QLockFile>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace pelmora {

class SingleInstance {
 public:
  // The lock file in the user's runtime folder (the temporary folder, keyed by the user's name,
  // when there is none).
  static QString DefaultLockPath();

  explicit SingleInstance(const QString& lockPath = DefaultLockPath());
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // False only when another running copy holds the lock. When the lock cannot be made at all
  // (no writable folder), the answer is true: a broken temporary folder must not keep the
  // player from the game. On true the lock is held until this object is destroyed; asking
  // again while it is held answers true.
  bool TryAcquire();
  // Gives the lock up, for a process that ends without running its destructors.
  void Release() { lock_.unlock(); }

  // The running copy: from now on, a later start brings `window` to the front, un-minimised.
  void RaiseOnLaterStarts(QWidget* window);
  // A later copy: asks the running one to come to the front. Returns whether it was reached.
  bool AskRunningCopyToRaise() const;

 private:
  QLockFile lock_;
  QString serverName_;  // the running copy listens here; one name per user and lock
  QLocalServer server_;
  QPointer<QWidget> window_;
};

}  // namespace pelmora
