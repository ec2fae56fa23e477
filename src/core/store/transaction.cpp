#include "core/store/transaction.h"

#include <algorithm>

#include "core/store/file_io.h"
#include "core/store/journal.h"
#include "core/store/store_error.h"

namespace vrk::store {
namespace {

// Whole files the commit reads (a journal, the old contents of a file it replaces) are refused
// beyond this size: larger is a damaged size, not data.
constexpr std::uint64_t kMaxJournalBytes = 1ULL << 30;

// What a file looked like before the commit touched it, enough to put it back: its old size and
// the old bytes under each patch and past a shorter new end (the whole file when the change
// replaces or removes it). Only what the change overwrites is kept, so one record written into
// a large data file costs one record, not the rest of the file.
struct Undo {
  std::string name;
  bool existed = false;
  std::uint64_t size = 0;
  std::vector<Transaction::Patch> saved;
};

Undo captureUndo(const std::filesystem::path& folder, const Transaction::Change& change) {
  Undo undo;
  undo.name = change.name;
  const auto path = folder / change.name;
  const auto size = io::fileSize(path);
  if (!size) return undo;
  undo.existed = true;
  undo.size = *size;
  if (change.removed || change.replaced) {
    undo.saved.push_back({0, io::readWhole(path, kMaxJournalBytes)});
    return undo;
  }
  if (change.size < *size)  // cut short: the tail goes too
    undo.saved.push_back({change.size, io::readRange(path, change.size, *size - change.size)});
  for (const auto& patch : change.patches) {
    if (patch.offset >= *size) continue;
    const std::uint64_t length = std::min<std::uint64_t>(patch.bytes.size(), *size - patch.offset);
    undo.saved.push_back({patch.offset, io::readRange(path, patch.offset, length)});
  }
  return undo;
}

void restore(const std::filesystem::path& folder, const Undo& undo) {
  if (!undo.existed) {
    io::removeFile(folder / undo.name);
    return;
  }
  io::WritableFile file(folder / undo.name, false);
  for (const auto& range : undo.saved) file.writeAt(range.offset, range.bytes);
  file.resize(undo.size);
  file.sync();
}

}  // namespace

namespace {

// Moves the journal aside under a name no earlier one holds, so none is lost, and reports why.
[[noreturn]] void setAside(const std::filesystem::path& folder, const std::string& suffix,
                           const std::string& problem) {
  const auto sealed = folder / kJournalName;
  std::string aside = std::string(kJournalName) + suffix;
  for (int n = 2; io::fileSize(folder / aside); ++n)
    aside = std::string(kJournalName) + suffix + "-" + std::to_string(n);
  io::renameFile(sealed, folder / aside);
  io::syncDirectory(folder);
  throw StoreError(sealed, problem);
}

// Removes the journal and makes the removal durable: a journal that came back after a power cut
// would otherwise be found again.
void removeJournal(const std::filesystem::path& folder) {
  io::removeFile(folder / kJournalName);
  io::syncDirectory(folder);
}

}  // namespace

void recoverFolder(const std::filesystem::path& folder) {
  const auto partial = folder / kPartialJournalName;
  const auto sealed = folder / kJournalName;
  if (io::fileSize(partial)) io::removeFile(partial);  // the commit never started: discard it
  const auto size = io::fileSize(sealed);
  if (!size) return;
  const auto journal =
      *size > kMaxJournalBytes ? std::nullopt : journal::decode(io::readWhole(sealed, kMaxJournalBytes));
  if (!journal)
    setAside(folder, ".damaged", "An interrupted save could not be completed because its journal is damaged");
  const std::uint64_t stamp = journal::readStamp(folder);
  if (stamp == journal->stampBefore) {
    for (const auto& change : journal->changes) journal::apply(folder, change);
    io::syncDirectory(folder);  // before the stamp says the changes are in place
    journal::apply(folder, journal::stampChange(folder, journal->stampAfter));
    io::syncDirectory(folder);
  } else if (stamp != journal->stampAfter) {
    // Neither the state the save began from nor the one it leads to: the files were written
    // after it, and replaying it would overwrite those newer records.
    setAside(folder, ".stale",
             "An interrupted save was not completed because the files have changed since it began");
  }
  removeJournal(folder);
}

void recoverFolders(const std::filesystem::path& root) {
  namespace fs = std::filesystem;
  const auto hasJournal = [](const fs::path& folder) {
    std::error_code ignored;
    return fs::exists(folder / kJournalName, ignored) || fs::exists(folder / kPartialJournalName, ignored);
  };
  std::error_code error;
  if (!fs::is_directory(root, error)) return;
  if (hasJournal(root)) recoverFolder(root);
  for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, error), end;
       !error && it != end; it.increment(error)) {
    std::error_code entryError;  // an entry that cannot be examined is passed over
    if (it->is_directory(entryError) && !it->is_symlink(entryError) && hasJournal(it->path()))
      recoverFolder(it->path());
  }
}

Transaction::Transaction(std::filesystem::path folder) : folder_(std::move(folder)) {
  recoverFolder(folder_);
}

const Transaction::Change* Transaction::staged(const std::string& name) const {
  const auto it = index_.find(name);
  return it == index_.end() ? nullptr : &changes_[it->second];
}

Transaction::Change& Transaction::stage(const std::string& name) {
  if (const auto it = index_.find(name); it != index_.end()) return changes_[it->second];
  Change change;
  change.name = name;
  if (const auto size = io::fileSize(pathOf(name))) {
    change.size = *size;
  } else {
    change.replaced = true;  // a new file starts empty
  }
  index_.emplace(name, changes_.size());
  changes_.push_back(std::move(change));
  return changes_.back();
}

bool Transaction::exists(const std::string& name) const {
  if (const auto* change = staged(name)) return !change->removed;
  return io::fileSize(pathOf(name)).has_value();
}

std::uint64_t Transaction::size(const std::string& name) const {
  if (const auto* change = staged(name)) return change->removed ? 0 : change->size;
  return io::fileSize(pathOf(name)).value_or(0);
}

std::string Transaction::read(const std::string& name, std::uint64_t maxBytes) const {
  const auto* change = staged(name);
  if (!change) return io::readWhole(pathOf(name), maxBytes);
  if (change->size > maxBytes)
    throw StoreError(pathOf(name), "The file is damaged (far larger than such a file can be)");
  return readRange(name, 0, change->removed ? 0 : change->size);
}

std::string Transaction::readRange(const std::string& name, std::uint64_t offset,
                                   std::uint64_t length) const {
  const auto* change = staged(name);
  if (!change) return io::readRange(pathOf(name), offset, length);
  if (change->removed) throw StoreError(pathOf(name), "The file is missing");
  if (offset + length > change->size)
    throw StoreError(pathOf(name), "The file is shorter than its counts say");
  std::string bytes;
  if (!change->replaced) {
    const std::uint64_t onDisk = io::fileSize(pathOf(name)).value_or(0);
    if (offset < onDisk) bytes = io::readRange(pathOf(name), offset, std::min(length, onDisk - offset));
  }
  bytes.resize(length, '\0');
  for (const auto& patch : change->patches) {
    const std::uint64_t from = std::max(offset, patch.offset);
    const std::uint64_t to = std::min(offset + length, patch.offset + patch.bytes.size());
    if (from < to) bytes.replace(from - offset, to - from, patch.bytes, from - patch.offset, to - from);
  }
  return bytes;
}

void Transaction::writeWhole(const std::string& name, std::string bytes) {
  Change& change = stage(name);
  change.removed = false;
  change.replaced = true;
  change.size = bytes.size();
  change.patches.clear();
  change.patches.push_back({0, std::move(bytes)});
}

void Transaction::writeAt(const std::string& name, std::uint64_t offset, std::string bytes) {
  Change& change = stage(name);
  if (change.removed) {
    change.removed = false;
    change.replaced = true;
    change.size = 0;
  }
  if (offset > change.size) throw StoreError(pathOf(name), "The file is shorter than its counts say");
  change.size = std::max(change.size, offset + bytes.size());
  if (!bytes.empty()) change.patches.push_back({offset, std::move(bytes)});
}

void Transaction::append(const std::string& name, std::string bytes) {
  const std::uint64_t end = size(name);
  writeAt(name, end, std::move(bytes));
}

void Transaction::truncate(const std::string& name, std::uint64_t newSize) {
  Change& change = stage(name);
  if (change.removed || newSize > change.size)
    throw StoreError(pathOf(name), "The file is shorter than its counts say");
  change.size = newSize;
  auto& patches = change.patches;
  patches.erase(std::remove_if(patches.begin(), patches.end(),
                               [newSize](const Patch& patch) { return patch.offset >= newSize; }),
                patches.end());
  for (auto& patch : patches)
    if (patch.offset + patch.bytes.size() > newSize) patch.bytes.resize(newSize - patch.offset);
}

void Transaction::remove(const std::string& name) {
  Change& change = stage(name);
  change.removed = true;
  change.replaced = false;
  change.size = 0;
  change.patches.clear();
}

std::vector<std::string> Transaction::changedFiles() const {
  std::vector<std::string> names;
  for (const auto& change : changes_) names.push_back(change.name);
  return names;
}

void Transaction::hook(const std::string& point) const {
  if (faultHook_) faultHook_(point);
}

namespace {

// The path and problem of a failure while committing; an unexpected one names the folder.
std::pair<std::filesystem::path, std::string> describe(const std::exception& error,
                                                       const std::filesystem::path& folder) {
  if (const auto* storeError = dynamic_cast<const StoreError*>(&error))
    return {storeError->path(), storeError->problem()};
  return {folder, std::string("An unexpected error occurred (") + error.what() + ")"};
}

}  // namespace

void Transaction::commit() {
  if (changes_.empty()) return;
  const auto partial = pathOf(kPartialJournalName);
  const auto sealed = pathOf(kJournalName);
  constexpr const char* kCompletedLater =
      "; the save will be completed the next time this billing period is opened";

  // 1. The journal: once it is sealed, the commit will be completed even after a crash.
  bool isSealed = false;
  std::uint64_t stampAfter = 0;
  try {
    const std::uint64_t stampBefore = journal::readStamp(folder_);
    hook("write journal");
    {
      io::WritableFile file(partial, true);
      file.writeAt(0, journal::encode(changes_, stampBefore, stampAfter));
      file.sync();
    }
    hook("seal journal");
    io::renameFile(partial, sealed);
    isSealed = true;
    hook("sync folder");
    io::syncDirectory(folder_);
  } catch (const std::exception& error) {
    const std::string failed =
        "The changes cannot be saved in this folder (" + describe(error, folder_).second + ")";
    try {
      io::removeFile(partial);
    } catch (const StoreError&) {
    }
    // Nothing has been applied yet: a sealed journal left behind would apply the changes the
    // next time the folder opens, after the user was told they were not saved.
    if (isSealed) {
      try {
        removeJournal(folder_);
      } catch (const StoreError&) {
        throw StoreError(folder_, failed + kCompletedLater);
      }
    }
    throw StoreError(folder_, failed);
  }

  // 2. The changes, in order, and the folder's new stamp last; on a failure the ones already
  // made are undone.
  std::vector<Undo> undos;
  try {
    bool entriesChanged = false;  // a file made or removed
    const auto apply = [&](const Change& change) {
      hook("apply " + change.name);
      undos.push_back(captureUndo(folder_, change));
      entriesChanged = entriesChanged || change.removed || !undos.back().existed;
      journal::apply(folder_, change);
    };
    for (const auto& change : changes_) apply(change);
    // The folder's entries must be durable before the stamp says the changes are all in place.
    hook("sync folder");
    if (entriesChanged) io::syncDirectory(folder_);
    const auto stamp = journal::stampChange(folder_, stampAfter);
    apply(stamp);
    if (stamp.replaced) io::syncDirectory(folder_);  // the stamp file is new
  } catch (const std::exception& error) {
    const auto [path, problem] = describe(error, folder_);
    try {
      for (auto it = undos.rbegin(); it != undos.rend(); ++it) restore(folder_, *it);
      io::syncDirectory(folder_);
      removeJournal(folder_);
    } catch (const StoreError&) {
      throw StoreError(path, problem + kCompletedLater);
    }
    changes_.clear();
    index_.clear();
    throw StoreError(path, problem + "; nothing was changed");
  }

  // 3. Done: the journal goes, durably. Should that fail, the save still stands: the folder's
  // stamp tells the next opening that the journal left behind has been applied.
  changes_.clear();
  index_.clear();
  hook("remove journal");
  try {
    removeJournal(folder_);
  } catch (const StoreError&) {
  }
}

}  // namespace vrk::store
