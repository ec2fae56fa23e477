// The single-instance lock "AnyName": keeps a second copy of the program from starting.
#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace vrk::platform {

inline constexpr const char* kInstanceLockName = "AnyName";

// Name of the environment variable naming the folder of the lock file (tests).
inline constexpr const char* kInstanceLockDirVariable = "VRK_LOCK_DIR";

// The lock file of the per-user runtime folder (or the folder named by the variable above).
QString defaultInstanceLockPath();

// A lock file held for the life of the object. A lock left behind by a copy that crashed (its
// process is gone) does not block the next start; a lock of a running copy is never taken over,
// however old it is.
class SingleInstanceLock {
 public:
  enum class Result { Acquired, HeldByAnotherCopy, Failed };

  explicit SingleInstanceLock(QString lockFilePath = defaultInstanceLockPath());
  ~SingleInstanceLock();
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  // Tries once, without waiting. Failed: the lock file cannot be created (see errorText()).
  Result acquire();
  bool isHeld() const;
  void release();

  const QString& lockFilePath() const { return path_; }
  const QString& errorText() const { return error_; }

 private:
  QString path_;
  QString error_;
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace vrk::platform
