#include "core/store/outside_files.h"

#include "core/store/file_io.h"
#include "core/store/store_error.h"

namespace vrk::store {
namespace {

std::filesystem::path temporaryPath(const std::filesystem::path& path) {
  return path.parent_path() / ("." + path.filename().string() + ".partial");
}

void writeSynced(const std::filesystem::path& path, const std::string& bytes) {
  io::WritableFile file(path, true);
  file.writeAt(0, bytes);
  file.sync();
}

std::filesystem::path directoryOf(const std::filesystem::path& path) {
  return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

}  // namespace

void writeFileWhole(const std::filesystem::path& path, const std::string& bytes) {
  const auto temporary = temporaryPath(path);
  try {
    writeSynced(temporary, bytes);
    io::renameFile(temporary, path);
    io::syncDirectory(directoryOf(path));
  } catch (const StoreError&) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw StoreError(path, "The file cannot be written");
  }
}

PendingFiles::~PendingFiles() {
  for (std::size_t k = published_; k < names_.size(); ++k) {
    std::error_code ignored;
    std::filesystem::remove(temporaryOf(names_[k]), ignored);
  }
}

std::filesystem::path PendingFiles::temporaryOf(const std::string& name) const {
  return temporaryPath(folder_ / name);
}

void PendingFiles::add(const std::string& name, const std::string& bytes) {
  const auto path = folder_ / name;
  std::error_code error;
  if (std::filesystem::exists(path, error) || error)
    throw StoreError(path, "A file of this name is already there: it is never written over");
  names_.push_back(name);  // removed again on destruction, even when half-written
  try {
    writeSynced(temporaryOf(name), bytes);
  } catch (const StoreError&) {
    throw StoreError(path, "The file cannot be written");
  }
}

void PendingFiles::publish() {
  for (; published_ < names_.size(); ++published_) {
    // A file of that name that appeared since add() is not written over either.
    const auto path = folder_ / names_[published_];
    std::error_code error;
    if (std::filesystem::exists(path, error) || error)
      throw StoreError(path, "A file of this name is already there: it is never written over");
    io::renameFile(temporaryOf(names_[published_]), path);
  }
  if (!names_.empty()) io::syncDirectory(folder_);
}

}  // namespace vrk::store
