#include "core/store/folder_lock.h"

#include <map>
#include <mutex>
#include <utility>

namespace vrk::store {
namespace {

struct Holding {
  int users = 0;
  std::unique_ptr<HeldFolderLock> lock;
};

struct Locks {
  std::mutex mutex;
  FolderLocker locker;
  std::map<std::string, Holding> held;  // by the folder's absolute, normal path
};

Locks& locks() {
  static Locks instance;
  return instance;
}

std::string keyOf(const std::filesystem::path& folder) {
  std::error_code ignored;
  auto absolute = std::filesystem::absolute(folder, ignored);
  if (absolute.empty()) absolute = folder;
  auto key = absolute.lexically_normal();
  if (!key.has_filename() && key.has_relative_path()) key = key.parent_path();  // no trailing separator
  return key.string();
}

}  // namespace

bool isLockFileName(const std::string& fileName) { return fileName.rfind(kLockName, 0) == 0; }

void setFolderLocker(FolderLocker locker) {
  auto& all = locks();
  const std::lock_guard guard(all.mutex);
  all.locker = std::move(locker);
}

FolderLock::FolderLock(const std::filesystem::path& folder) : key_(keyOf(folder)) {
  auto& all = locks();
  const std::lock_guard guard(all.mutex);
  auto& holding = all.held[key_];
  if (holding.users == 0 && all.locker) {
    try {
      holding.lock = all.locker(key_);
    } catch (...) {
      all.held.erase(key_);
      throw;
    }
  }
  ++holding.users;
}

FolderLock::~FolderLock() {
  auto& all = locks();
  const std::lock_guard guard(all.mutex);
  const auto it = all.held.find(key_);
  if (it == all.held.end() || --it->second.users > 0) return;
  all.held.erase(it);  // releases the lock
}

}  // namespace vrk::store
