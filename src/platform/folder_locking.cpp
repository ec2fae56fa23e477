#include "platform/folder_locking.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QString>
#include <algorithm>
#include <memory>

#include "core/store/folder_lock.h"

namespace vrk::platform {
namespace {

// How often a waiting transaction looks again, and the age from which a lock file that names no
// owner is taken for one left by a killed program (its owner writes into it at once).
constexpr std::chrono::milliseconds kRetryEvery{100};
constexpr std::chrono::milliseconds kOwnerlessAfter{1000};

class LockFileHold : public store::HeldFolderLock {
 public:
  explicit LockFileHold(std::unique_ptr<QLockFile> file) : file_(std::move(file)) {}
  ~LockFileHold() override { file_->unlock(); }

 private:
  std::unique_ptr<QLockFile> file_;
};

std::unique_ptr<store::HeldFolderLock> lockFolder(const std::filesystem::path& folder,
                                                  std::chrono::milliseconds wait) {
  const QString dir = QString::fromStdU16String(folder.u16string());
  if (!QDir(dir).exists()) return nullptr;  // nothing to protect; reads name the missing files
  const QString path = QDir(dir).filePath(QString::fromLatin1(store::kLockName));
  auto file = std::make_unique<QLockFile>(path);
  file->setStaleLockTime(static_cast<int>(kFolderLockStaleAfter.count()));
  QDeadlineTimer deadline(wait);
  for (;;) {
    if (file->tryLock(static_cast<int>(std::min<qint64>(kRetryEvery.count(), deadline.remainingTime()))))
      return std::make_unique<LockFileHold>(std::move(file));
    if (file->error() != QLockFile::LockFailedError)
      return nullptr;  // the folder cannot hold a lock file (read-only): a save reports its own failure
    // A lock file without its owner's process id: its program was killed between creating the
    // file and writing into it. Once it is older than any such moment it is taken over (the
    // removal fails while a live program holds the file's native lock).
    qint64 pid = 0;
    QString host;
    QString application;
    if (!file->getLockInfo(&pid, &host, &application) && QFileInfo(path).exists() &&
        QFileInfo(path).lastModified().msecsTo(QDateTime::currentDateTime()) > kOwnerlessAfter.count()) {
      if (file->removeStaleLockFile()) continue;
    }
    if (deadline.hasExpired()) throw store::FolderInUseError(folder);
  }
}

}  // namespace

void installFolderLocking(std::chrono::milliseconds wait) {
  store::setFolderLocker([wait](const std::filesystem::path& folder) { return lockFolder(folder, wait); });
}

}  // namespace vrk::platform
