// Low-level file access for the store: whole and ranged reads, durable writes; errors as StoreError.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vrk::store::io {

// Size of a regular file, or nothing when it does not exist.
std::optional<std::uint64_t> fileSize(const std::filesystem::path& path);

// Reads `length` bytes at `offset`; the file must hold them.
std::string readRange(const std::filesystem::path& path, std::uint64_t offset, std::uint64_t length);
std::string readWhole(const std::filesystem::path& path);

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

}  // namespace vrk::store::io
