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

// Seals the folder's partial journal: from here on its save is completed, not discarded.
void seal(const std::filesystem::path& folder) {
  io::renameFile(folder / kPartialJournalName, folder / kJournalName);
  io::syncDirectory(folder);
}

// The journal at `path`; nothing when there is none or it is not an intact journal.
std::optional<journal::Journal> readJournal(const std::filesystem::path& path) {
  const auto size = io::fileSize(path);
  if (!size || *size > kMaxJournalBytes) return std::nullopt;
  return journal::decode(io::readWhole(path, kMaxJournalBytes));
}

// The journal named `name` in the partner folder of a linked journal, when it is the other half
// of the same save.
std::optional<journal::Journal> partnerJournal(const std::filesystem::path& folder,
                                               const std::optional<journal::Journal>& journal,
                                               const char* name) {
  auto other = readJournal(journal::partnerFolder(folder, *journal->link) / name);
  if (other && journal::arePartners(folder, *journal, *other)) return other;
  return std::nullopt;
}

// Brings the folder to the state the sealed journal leads to, when it is still in the state the
// journal was sealed against; the journal stays for the caller to remove.
void replay(const std::filesystem::path& folder, const std::optional<journal::Journal>& journal) {
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
}

// A sealed journal of a save spanning two folders. The save stands when the partner folder holds
// the other half, sealed or partial (the first folder's journal is sealed only after the second's
// partial one is durable, so a sealed one decided): a partial one is sealed now, and both folders
// are brought to their new state, this one first, before either journal goes. A partner without
// the other half either finished it (this folder then holds its new stamp too: no journal goes
// before both folders are done) or withdrew it after a failure, its folder gone too when the
// user removed it; while this folder holds its old stamp, the journal is discarded.
void recoverLinked(const std::filesystem::path& folder, const std::optional<journal::Journal>& journal) {
  const auto partner = journal::partnerFolder(folder, *journal->link);
  const FolderLock partnerLock(partner);
  auto other = partnerJournal(folder, journal, kJournalName);
  if (!other && !io::fileSize(partner / kJournalName)) {
    other = partnerJournal(folder, journal, kPartialJournalName);
    if (other) seal(partner);
  }
  if (!other && journal::readStamp(folder) == journal->stampBefore) return;
  replay(folder, journal);
  if (other) {
    replay(partner, other);
    removeJournal(partner);
  }
}

}  // namespace

void recoverFolder(const std::filesystem::path& folder) {
  const FolderLock lock(folder);
  const auto partial = folder / kPartialJournalName;
  const auto sealed = folder / kJournalName;
  if (io::fileSize(partial)) {
    // The commit never started: discard it, unless it is half of a save spanning two folders
    // whose other half has been sealed. Then the save stands, and this half is sealed too.
    const auto journal = readJournal(partial);
    if (journal && journal->link && !io::fileSize(sealed) && partnerJournal(folder, journal, kJournalName)) {
      seal(folder);
    } else {
      io::removeFile(partial);
    }
  }
  const auto size = io::fileSize(sealed);
  if (!size) return;
  const auto journal =
      *size > kMaxJournalBytes ? std::nullopt : journal::decode(io::readWhole(sealed, kMaxJournalBytes));
  if (!journal)
    setAside(folder, ".damaged", "An interrupted save could not be completed because its journal is damaged");
  if (journal->link) {
    recoverLinked(folder, journal);
  } else {
    replay(folder, journal);
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

Transaction::Transaction(std::filesystem::path folder) : folder_(std::move(folder)), lock_(folder_) {
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

constexpr const char* kCompletedLater =
    "; the save will be completed the next time this billing period is opened";

// One folder's part of a save: its transaction, its journal and what undoes the changes made.
struct Part {
  Transaction* tx = nullptr;
  std::string journal;
  std::uint64_t stampBefore = 0;
  std::uint64_t stampAfter = 0;
  bool sealed = false;
  std::vector<Undo> undos;
};

journal::Link linkTo(const Part& part) {
  return {journal::normalFolder(part.tx->folder()).filename().string(), part.stampBefore, part.stampAfter};
}

// Withdraws the journals of a save that failed, the first part's first and a sealed one durably,
// so nothing is replayed later after the user was told the save failed. False when a sealed
// journal of the first part stays: the save will then be completed the next time the folder
// opens. A journal of a later part that stays is discarded then, since the first's is gone.
bool withdraw(std::vector<Part>& parts) {
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const auto& folder = parts[i].tx->folder();
    try {
      io::removeFile(folder / kPartialJournalName);
    } catch (const StoreError&) {
    }
    if (!parts[i].sealed) continue;
    try {
      removeJournal(folder);
    } catch (const StoreError&) {
      if (i == 0) return false;
    }
  }
  return true;
}

}  // namespace

void Transaction::commit() {
  if (!changes_.empty()) commitAll({this});
}

void Transaction::commitAll(const std::vector<Transaction*>& transactions) {
  std::vector<Part> parts;
  for (auto* tx : transactions) parts.push_back({tx, {}, 0, 0, false, {}});
  const Part* failing = &parts.front();
  const auto clearChanges = [&parts] {
    for (auto& part : parts) {
      part.tx->changes_.clear();
      part.tx->index_.clear();
    }
  };

  // 1. The journals: once the first is sealed, the save will be completed even after a crash. The
  // others are written before it, and their folders synced, so that a sealed first journal always
  // finds them.
  try {
    for (auto& part : parts) {
      failing = &part;
      part.stampBefore = journal::readStamp(part.tx->folder_);
      part.journal = journal::encode(part.tx->changes_, part.stampBefore, part.stampAfter);
    }
    if (parts.size() == 2) {
      journal::addLink(parts[0].journal, linkTo(parts[1]));
      journal::addLink(parts[1].journal, linkTo(parts[0]));
    }
    for (auto& part : parts) {
      failing = &part;
      part.tx->hook("write journal");
      io::WritableFile file(part.tx->pathOf(kPartialJournalName), true);
      file.writeAt(0, part.journal);
      file.sync();
      if (&part != &parts.front()) io::syncDirectory(part.tx->folder_);
    }
    for (auto& part : parts) {
      failing = &part;
      part.tx->hook("seal journal");
      io::renameFile(part.tx->pathOf(kPartialJournalName), part.tx->pathOf(kJournalName));
      part.sealed = true;
      part.tx->hook("sync folder");
      io::syncDirectory(part.tx->folder_);
    }
  } catch (const std::exception& error) {
    const auto& folder = failing->tx->folder_;
    const std::string failed =
        "The changes cannot be saved in this folder (" + describe(error, folder).second + ")";
    if (!withdraw(parts)) throw StoreError(folder, failed + kCompletedLater);
    throw StoreError(folder, failed);
  }

  // 2. The changes of each folder, in order, and the folder's new stamp last; on a failure the
  // ones already made, in every folder, are undone.
  try {
    for (auto& part : parts) {
      failing = &part;
      Transaction& tx = *part.tx;
      bool entriesChanged = false;  // a file made or removed
      const auto apply = [&](const Change& change) {
        tx.hook("apply " + change.name);
        part.undos.push_back(captureUndo(tx.folder_, change));
        entriesChanged = entriesChanged || change.removed || !part.undos.back().existed;
        journal::apply(tx.folder_, change);
      };
      for (const auto& change : tx.changes_) apply(change);
      // The folder's entries must be durable before the stamp says the changes are all in place.
      tx.hook("sync folder");
      if (entriesChanged) io::syncDirectory(tx.folder_);
      const auto stamp = journal::stampChange(tx.folder_, part.stampAfter);
      apply(stamp);
      if (stamp.replaced) io::syncDirectory(tx.folder_);  // the stamp file is new
    }
  } catch (const std::exception& error) {
    const auto [path, problem] = describe(error, failing->tx->folder_);
    try {
      for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
        for (auto it = part->undos.rbegin(); it != part->undos.rend(); ++it) restore(part->tx->folder_, *it);
        io::syncDirectory(part->tx->folder_);
      }
    } catch (const StoreError&) {
      throw StoreError(path, problem + kCompletedLater);
    }
    if (!withdraw(parts)) throw StoreError(path, problem + kCompletedLater);
    clearChanges();
    throw StoreError(path, problem + "; nothing was changed");
  }

  // 3. Done: the journals go, durably. Should that fail, the save still stands: each folder's
  // stamp tells the next opening that the journal left behind has been applied.
  clearChanges();
  for (auto& part : parts) {
    try {
      part.tx->hook("remove journal");
      removeJournal(part.tx->folder_);
    } catch (const StoreError&) {
    }
  }
}

}  // namespace vrk::store
