// Copies a folder, with everything in it, into a destination directory (backup and restore).
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace vrk::services {

struct CopyProgress {
  std::uint64_t bytesDone = 0;
  std::uint64_t bytesTotal = 0;
  int filesDone = 0;
  int filesTotal = 0;
};

struct CopyResult {
  bool ok = true;
  std::string error;  // a clear sentence naming the file that failed, when !ok
  int files = 0;      // the files copied
  int folders = 0;    // the folders copied below the source folder (not counting itself)
};

class FolderCopier {
 public:
  using Progress = std::function<void(const CopyProgress&)>;
  virtual ~FolderCopier() = default;

  // Copies everything in the folder `source` into the folder `target` (created when missing).
  // Same-named files are replaced without asking; files only at the target stay.
  virtual CopyResult copyTo(const std::filesystem::path& source, const std::filesystem::path& target,
                            const Progress& progress) = 0;

  // Copies `source` into `destinationDir` under its own name: destinationDir/<name of source>.
  CopyResult copyInto(const std::filesystem::path& source, const std::filesystem::path& destinationDir,
                      const Progress& progress) {
    std::filesystem::path from = source.lexically_normal();
    if (!from.has_filename() && from.has_relative_path()) from = from.parent_path();
    if (!from.has_filename())
      return {false, "The folder " + source.string() + " has no name to copy it under."};
    return copyTo(source, destinationDir / from.filename(), progress);
  }
};

}  // namespace vrk::services
