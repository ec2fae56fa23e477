#include "platform/folder_locking.h"

#include <QDir>
#include <QLockFile>
#include <QString>
#include <memory>

#include "core/store/folder_lock.h"

namespace vrk::platform {
namespace {

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
  auto file = std::make_unique<QLockFile>(QDir(dir).filePath(QString::fromLatin1(store::kLockName)));
  file->setStaleLockTime(static_cast<int>(kFolderLockStaleAfter.count()));
  if (file->tryLock(static_cast<int>(wait.count()))) return std::make_unique<LockFileHold>(std::move(file));
  if (file->error() == QLockFile::LockFailedError) throw store::FolderInUseError(folder);
  return nullptr;  // the folder cannot hold a lock file (read-only): a save reports its own failure
}

}  // namespace

void installFolderLocking(std::chrono::milliseconds wait) {
  store::setFolderLocker([wait](const std::filesystem::path& folder) { return lockFolder(folder, wait); });
}

}  // namespace vrk::platform
