// Low-level file access for the store: whole and ranged reads, durable writes; errors as StoreError.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vrk::store::io {

// Size of a regular file, or nothing when it does not exist.
std::optional<std::uint64_t> fileSize(const std::filesystem::path& path);

// Reads `length` bytes at `offset`; the file must hold them, and one read takes at most
// kMaxRangeRead bytes (far more than any table of an office needs).
inline constexpr std::uint64_t kMaxRangeRead = 1ULL << 30;
std::string readRange(const std::filesystem::path& path, std::uint64_t offset, std::uint64_t length);
// Reads the whole file; a file larger than `maxBytes` is refused as damaged before anything is
// read, so a damaged size never turns into a huge allocation.
inline constexpr std::uint64_t kMaxWholeRead = 64ULL << 20;
std::string readWhole(const std::filesystem::path& path, std::uint64_t maxBytes = kMaxWholeRead);

// An open file for writing; closes on destruction. Every failure raises StoreError.
class WritableFile {
 public:
  // truncate: start from an empty file. The file is created when missing.
  WritableFile(const std::filesystem::path& path, bool truncate);
  ~WritableFile();
  WritableFile(const WritableFile&) = delete;
  WritableFile& operator=(const WritableFile&) = delete;

  void writeAt(std::uint64_t offset, const std::string& bytes);
  void resize(std::uint64_t size);
  void sync();  // the data reach the disk before this returns

 private:
  std::filesystem::path path_;
  int fd_ = -1;
};

// Removes a file when present.
void removeFile(const std::filesystem::path& path);
void renameFile(const std::filesystem::path& from, const std::filesystem::path& to);
// Makes a directory's entries (creations, renames, removals) durable.
void syncDirectory(const std::filesystem::path& dir);
// Creates one directory level and makes its entry durable by syncing the parent. False, with
// `error` set, when it cannot be created; true when it exists afterwards.
bool createDirectory(const std::filesystem::path& dir, std::error_code& error);

// Sees every durable step of the store's writes: tests use it to simulate a power cut, when what
// was written but not yet synced is lost. Events are reported after the step succeeded.
class Observer {
 public:
  virtual ~Observer() = default;
  virtual void fileCreated(const std::filesystem::path& path) = 0;
  virtual void fileSynced(const std::filesystem::path& path) = 0;
  virtual void fileRenamed(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual void fileRemoved(const std::filesystem::path& path) = 0;
  virtual void directorySynced(const std::filesystem::path& dir) = 0;
};
// Sets the observer (nullptr: none); returns the previous one.
Observer* setObserver(Observer* observer);

}  // namespace vrk::store::io
