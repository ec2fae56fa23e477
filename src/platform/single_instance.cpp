#include "platform/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace vrk::platform {

QString defaultInstanceLockPath() {
  QString dir = qEnvironmentVariable(kInstanceLockDirVariable);
  if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return QDir(dir).filePath(QString::fromLatin1(kInstanceLockName) + QStringLiteral(".lock"));
}

SingleInstanceLock::SingleInstanceLock(QString lockFilePath) : path_(std::move(lockFilePath)) {}

SingleInstanceLock::~SingleInstanceLock() = default;

SingleInstanceLock::Result SingleInstanceLock::acquire() {
  if (isHeld()) return Result::Acquired;
  error_.clear();
  QDir().mkpath(QFileInfo(path_).absolutePath());
  lock_ = std::make_unique<QLockFile>(path_);
  // Age alone never makes a lock stale: the running copy holds it for hours. A lock whose owner
  // process is gone is still recognised as stale by QLockFile and taken over.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) return Result::Acquired;

  if (lock_->error() == QLockFile::LockFailedError) {
    qint64 pid = 0;
    QString hostName;
    QString appName;
    if (lock_->getLockInfo(&pid, &hostName, &appName)) return Result::HeldByAnotherCopy;
    // Empty or unreadable contents: a copy died while writing it. Removal succeeds only when no
    // live process holds the file's native lock.
    if (lock_->removeStaleLockFile() && lock_->tryLock(0)) return Result::Acquired;
    if (lock_->error() == QLockFile::LockFailedError) return Result::HeldByAnotherCopy;
  }
  error_ = lock_->error() == QLockFile::PermissionError
               ? QStringLiteral("The lock file %1 cannot be created: permission denied.").arg(path_)
               : QStringLiteral("The lock file %1 cannot be created.").arg(path_);
  return Result::Failed;
}

bool SingleInstanceLock::isHeld() const { return lock_ && lock_->isLocked(); }

void SingleInstanceLock::release() {
  if (lock_) lock_->unlock();
  lock_.reset();
}

}  // namespace vrk::platform
