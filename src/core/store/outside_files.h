// Files an operation writes outside the data folders: an export, a final run's LEDES invoices.
// A file is written and synced under a hidden temporary name first and only then given its name,
// so a reader never finds it half-written.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vrk::store {

// Writes `bytes` to `path` whole, replacing the file there. StoreError naming `path` when it cannot.
void writeFileWhole(const std::filesystem::path& path, const std::string& bytes);

// Files that must exist if and only if a save stands. add() writes each one before the save under a
// temporary name (a write failure stops the operation before anything is saved); publish() gives
// them their names once the save has committed. Files never published are removed on destruction.
class PendingFiles {
 public:
  explicit PendingFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}
  ~PendingFiles();
  PendingFiles(const PendingFiles&) = delete;
  PendingFiles& operator=(const PendingFiles&) = delete;

  const std::filesystem::path& folder() const { return folder_; }
  // StoreError naming the file when it is already in the folder (nothing is ever written over)
  // or when it cannot be written.
  void add(const std::string& name, const std::string& bytes);
  // Renames every file into place; StoreError naming the first that could not be (those before it
  // keep their names, the rest are removed on destruction).
  void publish();
  // The names added, in order.
  const std::vector<std::string>& names() const { return names_; }
  // How many of them publish() has named.
  std::size_t published() const { return published_; }

 private:
  std::filesystem::path temporaryOf(const std::string& name) const;

  std::filesystem::path folder_;
  std::vector<std::string> names_;
  std::size_t published_ = 0;
};

}  // namespace vrk::store
