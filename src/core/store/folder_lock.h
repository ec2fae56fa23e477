// The lock that keeps two programs (or two machines on a shared folder) from interleaving their
// transactions on one billing-period folder.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/store/store_error.h"

namespace vrk::store {

// The lock file in each billing-period folder, and the file a lock's takeover uses beside it.
// Neither is data: backups and comparisons of a folder leave them out.
inline constexpr const char* kLockName = ".vrk-lock";
bool isLockFileName(const std::string& fileName);

inline constexpr const char* kFolderInUseText = "THE DATA FILES ARE IN USE BY ANOTHER PROGRAM\r\nTRY AGAIN IN A MOMENT";

// Another program held the folder's lock for longer than a writer waits. The error box shows
// exactly kFolderInUseText; path() is the folder.
class FolderInUseError : public StoreError {
 public:
  explicit FolderInUseError(const std::filesystem::path& folder)
      : StoreError(folder, kFolderInUseText, WholeText{}) {}
};

// A lock on one folder, held until destroyed.
class HeldFolderLock {
 public:
  virtual ~HeldFolderLock() = default;
};

// Takes the lock of `folder` across processes: waits briefly while another program holds it, then
// throws FolderInUseError. Returns nothing when the folder cannot hold a lock file (read-only or
// missing): reads then go ahead, and a save fails on its own write with an error naming the
// folder. The platform layer installs its locker at start-up; without one (core-only builds and
// their tests) transactions take no lock.
using FolderLocker = std::function<std::unique_ptr<HeldFolderLock>(const std::filesystem::path& folder)>;
void setFolderLocker(FolderLocker locker);

// The lock on a folder for the life of the object. Re-entrant within one program: a transaction
// opened while another one on the same folder is alive (a report reading a second time, the
// recovery of a folder a transaction is opening) shares the lock.
class FolderLock {
 public:
  explicit FolderLock(const std::filesystem::path& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  std::string key_;
};

}  // namespace vrk::store
