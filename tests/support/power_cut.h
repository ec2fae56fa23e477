// Test support: simulates a power cut in one folder. It watches the store's file steps and keeps
// what a disk would still hold: each file's contents as of its last sync, and the folder's entries
// (creations, renames, removals) as of the folder's last sync. cut() turns the folder into that.
// Several may watch at once (one a folder): each passes every step on to the one set before it.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "core/store/file_io.h"
#include "support/temp_folder.h"

namespace vrk::test {

class PowerCut : public store::io::Observer {
 public:
  explicit PowerCut(std::filesystem::path folder) : folder_(std::move(folder)) {
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      if (!entry.is_regular_file()) continue;
      names_[entry.path().filename().string()] = next_;
      synced_[next_++] = readFile(entry.path());
    }
    syncedNames_ = names_;
    previous_ = store::io::setObserver(this);
  }
  ~PowerCut() override { store::io::setObserver(previous_); }
  PowerCut(const PowerCut&) = delete;
  PowerCut& operator=(const PowerCut&) = delete;

  // The folder as the disk holds it after the power came back.
  void cut() {
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
      if (entry.is_regular_file()) std::filesystem::remove(entry.path());
    for (const auto& [name, file] : syncedNames_) writeFile(folder_ / name, synced_[file]);
    names_ = syncedNames_;
  }

  void fileCreated(const std::filesystem::path& path) override {
    if (previous_) previous_->fileCreated(path);
    if (!inFolder(path)) return;
    names_[path.filename().string()] = next_;
    synced_[next_++] = {};  // a new file's data reach the disk with its first sync
  }
  void fileSynced(const std::filesystem::path& path) override {
    if (previous_) previous_->fileSynced(path);
    if (inFolder(path)) synced_[names_.at(path.filename().string())] = readFile(path);
  }
  void fileRenamed(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (previous_) previous_->fileRenamed(from, to);
    if (!inFolder(from)) return;
    names_[to.filename().string()] = names_.at(from.filename().string());
    names_.erase(from.filename().string());
  }
  void fileRemoved(const std::filesystem::path& path) override {
    if (previous_) previous_->fileRemoved(path);
    if (inFolder(path)) names_.erase(path.filename().string());
  }
  void directorySynced(const std::filesystem::path& dir) override {
    if (previous_) previous_->directorySynced(dir);
    if (std::filesystem::equivalent(dir, folder_)) syncedNames_ = names_;
  }

 private:
  bool inFolder(const std::filesystem::path& path) const {
    return std::filesystem::equivalent(path.parent_path(), folder_);
  }

  std::filesystem::path folder_;
  store::io::Observer* previous_ = nullptr;
  int next_ = 0;
  std::map<std::string, int> names_, syncedNames_;  // entry name -> file
  std::map<int, std::string> synced_;               // file -> its contents as last synced
};

}  // namespace vrk::test
