// The lock is tried from a second real process: gtest's "threadsafe" death tests start a fresh
// copy of this test program for the statement of each EXPECT_EXIT, and the copy reports what
// it found by its exit code or dies as told.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QWidget>
#include <csignal>
#include <cstdlib>

#include "platform/qt/SingleInstance.h"

namespace pelmora {
namespace {

constexpr int kGotLock = 0;
constexpr int kRefused = 3;

// The copies that run the statements inherit the environment, so they find the same folder.
QString LockFolder() {
  static const char* const kVariable = "PELMORA_SINGLE_INSTANCE_TEST_DIR";
  if (!qEnvironmentVariableIsSet(kVariable)) {
    const QString folder =
        QDir::tempPath() + QStringLiteral("/pelmora-instance-%1").arg(QCoreApplication::applicationPid());
    qputenv(kVariable, folder.toUtf8());
  }
  const QString folder = qEnvironmentVariable(kVariable);
  QDir().mkpath(folder);
  return folder;
}

// In the copy: tries the lock and ends with the answer; refused, asks the running copy to raise.
[[noreturn]] void TryInAnotherProcess(const QString& path, bool raise = false) {
  SingleInstance second(path);
  std::_Exit(second.TryAcquire() ? kGotLock : !raise || second.AskRunningCopyToRaise() ? kRefused : kGotLock);
}

struct SingleInstanceTest : ::testing::Test {
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
  void TearDown() override { QDir(LockFolder()).removeRecursively(); }
  QString Path(const char* name) { return LockFolder() + QLatin1Char('/') + QLatin1String(name); }
};

TEST_F(SingleInstanceTest, SecondProcessIsRefusedWhileTheFirstRunsAndBringsItToTheFront) {
  const QString path = Path("held.lock");
  SingleInstance first(path);
  QWidget window;
  window.showMinimized();
  const bool firstGotIt = first.TryAcquire();  // in the copy this fails too: the parent holds it
  if (firstGotIt) first.RaiseOnLaterStarts(&window);  // not in the copy: it must not listen
  EXPECT_EXIT(TryInAnotherProcess(path, true), ::testing::ExitedWithCode(kRefused), "");
  EXPECT_TRUE(firstGotIt);
  EXPECT_TRUE(first.TryAcquire());  // still ours
  QTRY_VERIFY(!window.isMinimized());
}

TEST_F(SingleInstanceTest, KilledHolderDoesNotBlockTheNextStart) {
  const QString path = Path("killed.lock");
  EXPECT_EXIT(
      {
        SingleInstance holder(path);
        if (!holder.TryAcquire()) std::_Exit(kRefused);
        std::raise(SIGKILL);
      },
      ::testing::KilledBySignal(SIGKILL), "");
  ASSERT_TRUE(QFile::exists(path)) << "the killed holder left its lock file behind";
  SingleInstance next(path);
  EXPECT_TRUE(next.TryAcquire());
}

TEST_F(SingleInstanceTest, EndedHolderLetsTheNextProcessIn) {
  const QString path = Path("ended.lock");
  {
    SingleInstance first(path);
    ASSERT_TRUE(first.TryAcquire());
  }
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_EXIT(TryInAnotherProcess(path), ::testing::ExitedWithCode(kGotLock), "");
}

TEST_F(SingleInstanceTest, LockThatCannotBeMadeDoesNotKeepTheGameFromStarting) {
  const QString blocker = Path("a-file");
  QFile file(blocker);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  SingleInstance instance(blocker + QStringLiteral("/inside/Pelmora.lock"));
  EXPECT_TRUE(instance.TryAcquire());
}

TEST_F(SingleInstanceTest, DefaultLockLivesInAFolderThatCanBeMade) {
  const QString path = SingleInstance::DefaultLockPath();
  EXPECT_TRUE(path.endsWith(QStringLiteral(".lock")));
  EXPECT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
}

}  // namespace
}  // namespace pelmora
