#include "platform/qt/SingleInstance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

namespace pelmora {

namespace {

// Keeps one user's game from meeting another's in the folders and names that all users share.
QString UserName() {
  QString name = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
  if (name.isEmpty()) name = QDir::home().dirName();
  return name;
}

constexpr int kAnswerWaitMs = 2000;  // a running copy busy with a frame still answers in time

}  // namespace

QString SingleInstance::DefaultLockPath() {
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (!runtime.isEmpty()) return runtime + QStringLiteral("/Pelmora.lock");
  return QDir::tempPath() + QStringLiteral("/Pelmora-%1.lock").arg(UserName());
}

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
  // The lock is held for the whole run, which is longer than any age limit; only a dead owner
  // makes a lock stale.
  lock_.setStaleLockTime(0);
  // Local server names live in one folder (or namespace) for all users and all lock folders.
  const QByteArray where = QCryptographicHash::hash(QFileInfo(lockPath).absoluteFilePath().toUtf8(),
                                                    QCryptographicHash::Sha1).toHex().left(12);
  serverName_ = QStringLiteral("Pelmora-%1-%2").arg(UserName(), QString::fromLatin1(where));
}

bool SingleInstance::TryAcquire() {
  if (lock_.isLocked()) return true;
  QDir().mkpath(QFileInfo(lock_.fileName()).absolutePath());
  if (lock_.tryLock(0)) return true;
  return lock_.error() != QLockFile::LockFailedError;
}

void SingleInstance::RaiseOnLaterStarts(QWidget* window) {
  window_ = window;
  if (server_.isListening()) return;
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  // Holding the lock, this copy is the only one: a name still taken was left by one that died.
  if (!server_.listen(serverName_) && server_.serverError() == QAbstractSocket::AddressInUseError) {
    QLocalServer::removeServer(serverName_);
    server_.listen(serverName_);
  }
  QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
    // A connection is the whole request.
    while (QLocalSocket* socket = server_.nextPendingConnection()) socket->deleteLater();
    if (!window_) return;
    window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window_->show();
    window_->raise();
    window_->activateWindow();
    // An open dialogue of the game stays above the window it belongs to.
    if (QWidget* dialogue = QApplication::activeModalWidget()) dialogue->raise();
  });
}

bool SingleInstance::AskRunningCopyToRaise() const {
  QLocalSocket socket;
  socket.connectToServer(serverName_);
  if (!socket.waitForConnected(kAnswerWaitMs)) return false;
  socket.disconnectFromServer();
  return true;
}

}  // namespace pelmora
