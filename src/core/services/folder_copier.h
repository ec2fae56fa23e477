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
};

class FolderCopier {
 public:
  virtual ~FolderCopier() = default;
  // Copies `source` into `destinationDir` under its own name: destinationDir/<name of source>.
  // Same-named files are replaced without asking; files only at the destination stay.
  virtual CopyResult copyInto(const std::filesystem::path& source,
                              const std::filesystem::path& destinationDir,
                              const std::function<void(const CopyProgress&)>& progress) = 0;
};

}  // namespace vrk::services
