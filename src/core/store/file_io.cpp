// POSIX file access: std::fstream cannot sync a file to disk, which a safe commit needs.
#include "core/store/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/store/store_error.h"

namespace vrk::store::io {
namespace {

Observer* observer = nullptr;

[[noreturn]] void fail(const std::filesystem::path& path, const std::string& what, int error) {
  throw StoreError(path, what + " (" + std::strerror(error) + ")");
}

class ReadableFile {
 public:
  explicit ReadableFile(const std::filesystem::path& path) : path_(path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) fail(path, errno == ENOENT ? "The file is missing" : "The file cannot be opened", errno);
  }
  ~ReadableFile() { ::close(fd_); }
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;

  std::uint64_t size() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) fail(path_, "The file cannot be read", errno);
    return static_cast<std::uint64_t>(info.st_size);
  }

  std::string read(std::uint64_t offset, std::uint64_t length) const {
    std::string bytes(length, '\0');
    std::uint64_t done = 0;
    while (done < length) {
      const ssize_t n = ::pread(fd_, bytes.data() + done, length - done, static_cast<off_t>(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) fail(path_, "The file cannot be read", errno);
      if (n == 0) throw StoreError(path_, "The file is shorter than its counts say");
      done += static_cast<std::uint64_t>(n);
    }
    return bytes;
  }

 private:
  std::filesystem::path path_;
  int fd_ = -1;
};

}  // namespace

std::optional<std::uint64_t> fileSize(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    fail(path, "The file cannot be examined", errno);
  }
  if (!S_ISREG(info.st_mode)) throw StoreError(path, "This is not a data file");
  return static_cast<std::uint64_t>(info.st_size);
}

std::string readRange(const std::filesystem::path& path, std::uint64_t offset, std::uint64_t length) {
  ReadableFile file(path);
  if (offset + length > file.size()) throw StoreError(path, "The file is shorter than its counts say");
  // Damaged counts over a huge sparse file must not become a huge allocation.
  if (length > kMaxRangeRead)
    throw StoreError(path, "The file is damaged (its counts ask for far more than such a file can hold)");
  return file.read(offset, length);
}

std::string readWhole(const std::filesystem::path& path, std::uint64_t maxBytes) {
  ReadableFile file(path);
  const std::uint64_t size = file.size();
  if (size > maxBytes) throw StoreError(path, "The file is damaged (far larger than such a file can be)");
  return file.read(0, size);
}

WritableFile::WritableFile(const std::filesystem::path& path, bool truncate) : path_(path) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | (truncate ? O_TRUNC : 0));
  if (fd_ < 0 && errno == ENOENT) {
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (truncate ? O_TRUNC : 0), 0644);
    if (fd_ >= 0 && observer) observer->fileCreated(path);
  }
  if (fd_ < 0) fail(path, "The file cannot be written", errno);
}

WritableFile::~WritableFile() {
  if (fd_ >= 0) ::close(fd_);
}

void WritableFile::writeAt(std::uint64_t offset, const std::string& bytes) {
  std::uint64_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(path_, "The file cannot be written", errno);
    done += static_cast<std::uint64_t>(n);
  }
}

void WritableFile::resize(std::uint64_t size) {
  if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) fail(path_, "The file cannot be written", errno);
}

void WritableFile::sync() {
  if (::fdatasync(fd_) != 0) fail(path_, "The file cannot be written", errno);
  if (observer) observer->fileSynced(path_);
}

void removeFile(const std::filesystem::path& path) {
  if (::unlink(path.c_str()) != 0) {
    if (errno != ENOENT) fail(path, "The file cannot be deleted", errno);
    return;
  }
  if (observer) observer->fileRemoved(path);
}

void renameFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) fail(to, "The file cannot be written", errno);
  if (observer) observer->fileRenamed(from, to);
}

void syncDirectory(const std::filesystem::path& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) fail(dir, "The folder cannot be opened", errno);
  const int result = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  if (result != 0 && error != EINVAL) fail(dir, "The folder cannot be written", error);
  if (observer) observer->directorySynced(dir);
}

bool createDirectory(const std::filesystem::path& dir, std::error_code& error) {
  error.clear();
  if (std::filesystem::create_directory(dir, error)) {
    // The new entry lives in the parent: without this sync a power cut can take the folder, and
    // every save already reported done in it, away on file systems that do not order metadata.
    auto parent = dir.parent_path();
    if (dir.filename().empty()) parent = parent.parent_path();  // "a/b/" names b
    try {
      syncDirectory(parent.empty() ? std::filesystem::path(".") : parent);
    } catch (const StoreError&) {
      error = std::make_error_code(std::errc::io_error);
      return false;
    }
  }
  std::error_code ignored;
  return std::filesystem::is_directory(dir, ignored);
}

Observer* setObserver(Observer* next) {
  Observer* previous = observer;
  observer = next;
  return previous;
}

}  // namespace vrk::store::io
