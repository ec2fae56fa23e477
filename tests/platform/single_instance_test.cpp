#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/single_instance.h"

namespace vrk::platform {
namespace {

using Result = SingleInstanceLock::Result;

class InstanceLock : public ::testing::Test {
 protected:
  QString lockPath() const { return dir_.filePath(QStringLiteral("AnyName.lock")); }
  void writeLockFile(const QByteArray& contents) const {
    QFile file(lockPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
  }

  QTemporaryDir dir_;
};

// What a copy that died while holding the lock leaves behind: a real lock file whose process id
// belongs to a process that has ended.
QByteArray lockFileOfDeadProcess(const QString& scratchPath) {
  QProcess finished;
  finished.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exit 0")});
  if (!finished.waitForStarted()) return {};
  const qint64 deadPid = finished.processId();
  finished.waitForFinished();

  QLockFile own(scratchPath);
  if (!own.tryLock(0)) return {};
  QFile file(scratchPath);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray contents = file.readAll();
  const qsizetype endOfPid = contents.indexOf('\n');
  return QByteArray::number(deadPid) + contents.mid(endOfPid);
}

TEST_F(InstanceLock, SecondHolderIsRefusedUntilTheFirstLetsGo) {
  SingleInstanceLock first(lockPath());
  SingleInstanceLock second(lockPath());
  ASSERT_EQ(first.acquire(), Result::Acquired);
  EXPECT_TRUE(first.isHeld());
  EXPECT_EQ(second.acquire(), Result::HeldByAnotherCopy);
  EXPECT_FALSE(second.isHeld());
  first.release();
  EXPECT_EQ(second.acquire(), Result::Acquired);
}

TEST_F(InstanceLock, LeftoverLockFilesDoNotBlockTheNextStart) {
  const QByteArray dead = lockFileOfDeadProcess(dir_.filePath(QStringLiteral("scratch.lock")));
  ASSERT_FALSE(dead.isEmpty());
  const QByteArray leftovers[] = {dead, QByteArray(), QByteArray("garbage without a process id")};
  for (const QByteArray& contents : leftovers) {
    writeLockFile(contents);
    SingleInstanceLock lock(lockPath());
    EXPECT_EQ(lock.acquire(), Result::Acquired) << contents.toStdString();
  }
}

TEST_F(InstanceLock, CopyInAnotherProcessHoldsTheLockUntilItIsKilled) {
  QProcess other;
  other.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-instance-lock"), lockPath()});
  ASSERT_TRUE(other.waitForReadyRead(20000)) << "helper process did not take the lock";
  ASSERT_EQ(other.readAllStandardOutput().trimmed(), QByteArray("locked"));

  SingleInstanceLock lock(lockPath());
  EXPECT_EQ(lock.acquire(), Result::HeldByAnotherCopy);
  {  // a copy that has run for a day still holds its lock
    QFile file(lockPath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        file.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
  }
  EXPECT_EQ(lock.acquire(), Result::HeldByAnotherCopy);

  other.kill();  // a crash: the lock file stays behind
  other.waitForFinished();
  EXPECT_TRUE(QFile::exists(lockPath()));
  EXPECT_EQ(lock.acquire(), Result::Acquired);
}

TEST_F(InstanceLock, LockFileThatCannotBeCreatedIsReported) {
  writeLockFile("a file where the folder should be");
  SingleInstanceLock lock(lockPath() + QStringLiteral("/AnyName.lock"));
  EXPECT_EQ(lock.acquire(), Result::Failed);
  EXPECT_TRUE(lock.errorText().contains(lockPath())) << lock.errorText().toStdString();
}

TEST(InstanceLockPath, VariableChoosesTheFolder) {
  qputenv(kInstanceLockDirVariable, "/tmp/vrk-lock-test");
  EXPECT_EQ(defaultInstanceLockPath(), QStringLiteral("/tmp/vrk-lock-test/AnyName.lock"));
  qunsetenv(kInstanceLockDirVariable);
  EXPECT_TRUE(defaultInstanceLockPath().endsWith(QStringLiteral("/AnyName.lock")));
}

}  // namespace
}  // namespace vrk::platform
