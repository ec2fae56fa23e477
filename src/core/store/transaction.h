// A store transaction: stages every file change of one operation and commits all of them or none.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/store/folder_lock.h"

namespace vrk::store {

// Journal files kept in the folder only while a commit is under way. A journal found when the
// folder opens is replayed only while the folder's files are still in the state it was sealed
// against (see journal.h); otherwise it is set aside and reported.
inline constexpr const char* kJournalName = ".vrk-commit-journal";
inline constexpr const char* kPartialJournalName = ".vrk-commit-journal.partial";

// Completes a commit that a crash interrupted after its journal was sealed, or discards one that
// stopped before, holding the folder's lock (and the partner folder's for a linked save).
// Transactions call it when they open a folder. A save spanning two folders
// (commitTogether()) is completed or discarded in both folders at once, whichever opens first.
void recoverFolder(const std::filesystem::path& folder);

// recoverFolder() for `root` and every folder under it that holds a journal. Backup and restore
// call it before copying, so a copy never carries a journal that would later be applied over
// newer files. A folder that cannot be listed is left alone.
void recoverFolders(const std::filesystem::path& root);

// Reads go through the staged changes, so later steps of an operation see its earlier writes.
// commit() writes an intent journal (synced), applies the changes in the order they were first
// staged, syncs them, and removes the journal. When applying fails (disk full, medium read-only),
// the changes already applied are undone, so the folder holds exactly the old state.
class Transaction {
 public:
  // Called before each write point of a commit with its name ("write journal", "seal journal",
  // "sync folder", "apply <file>", "remove journal"). Tests throw from it to simulate a crash at
  // that point; such an exception leaves the folder as a crash would (nothing is undone). A
  // StoreError thrown from it is a failed write, handled as the commit handles one (at "remove
  // journal" the save stands: only the journal's removal failed). The folder's stamp is applied
  // last, as "apply .vrk-folder-stamp".
  using FaultHook = std::function<void(const std::string& point)>;

  // Takes the folder's lock (see folder_lock.h) for the life of the transaction, so its reads and
  // its commit see no other program's save half done, then finishes a save a crash interrupted.
  explicit Transaction(std::filesystem::path folder);

  const std::filesystem::path& folder() const { return folder_; }
  std::filesystem::path pathOf(const std::string& name) const { return folder_ / name; }

  bool exists(const std::string& name) const;
  std::uint64_t size(const std::string& name) const;  // 0 when missing
  // StoreError when missing, or larger than `maxBytes` (a damaged size is never read whole).
  std::string read(const std::string& name, std::uint64_t maxBytes = 64ULL << 20) const;
  // StoreError when the file is missing or does not hold the range.
  std::string readRange(const std::string& name, std::uint64_t offset, std::uint64_t length) const;

  void writeWhole(const std::string& name, std::string bytes);
  // Writes over or extends the file; offset must not lie past the end (a missing file is empty).
  void writeAt(const std::string& name, std::uint64_t offset, std::string bytes);
  void append(const std::string& name, std::string bytes);
  void truncate(const std::string& name, std::uint64_t size);
  void remove(const std::string& name);

  bool hasChanges() const { return !changes_.empty(); }
  bool changed(const std::string& name) const { return staged(name) != nullptr; }
  // Names of the files changed so far, in the order they will be written.
  std::vector<std::string> changedFiles() const;

  void commit();
  void setFaultHook(FaultHook hook) { faultHook_ = std::move(hook); }

  struct Patch {
    std::uint64_t offset = 0;
    std::string bytes;
  };
  struct Change {
    std::string name;
    bool removed = false;   // the file is gone after the commit
    bool replaced = false;  // the file's old contents are discarded first
    std::uint64_t size = 0;
    std::vector<Patch> patches;  // applied in order over the old (or empty) contents
  };

 private:
  friend void commitTogether(Transaction& first, Transaction& second);
  // Commits the changes of one transaction, or of two on folders side by side as one save
  // (their journals then link to each other): commit() and commitTogether().
  static void commitAll(const std::vector<Transaction*>& transactions);

  Change& stage(const std::string& name);
  const Change* staged(const std::string& name) const;
  void hook(const std::string& point) const;

  std::filesystem::path folder_;
  FolderLock lock_;
  std::vector<Change> changes_;
  std::unordered_map<std::string, std::size_t> index_;
  FaultHook faultHook_;
};

}  // namespace vrk::store
