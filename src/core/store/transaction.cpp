#include "core/store/transaction.h"

#include <algorithm>

#include "core/store/file_io.h"
#include "core/store/journal.h"
#include "core/store/store_error.h"

namespace vrk::store {
namespace {

// What a file looked like before the commit touched it, enough to put it back.
struct Undo {
  std::string name;
  bool existed = false;
  std::uint64_t size = 0;
  std::uint64_t offset = 0;
  std::string bytes;  // the old contents from `offset` to the old end
};

Undo captureUndo(const std::filesystem::path& folder, const Transaction::Change& change) {
  Undo undo;
  undo.name = change.name;
  const auto size = io::fileSize(folder / change.name);
  if (!size) return undo;
  undo.existed = true;
  undo.size = *size;
  std::uint64_t from = change.size;
  if (change.removed || change.replaced) from = 0;
  for (const auto& patch : change.patches) from = std::min(from, patch.offset);
  undo.offset = std::min(from, *size);
  undo.bytes = io::readRange(folder / change.name, undo.offset, *size - undo.offset);
  return undo;
}

void restore(const std::filesystem::path& folder, const Undo& undo) {
  if (!undo.existed) {
    io::removeFile(folder / undo.name);
    return;
  }
  io::WritableFile file(folder / undo.name, false);
  file.writeAt(undo.offset, undo.bytes);
  file.resize(undo.size);
  file.sync();
}

}  // namespace

void recoverFolder(const std::filesystem::path& folder) {
  const auto partial = folder / kPartialJournalName;
  const auto sealed = folder / kJournalName;
  if (io::fileSize(partial)) io::removeFile(partial);  // the commit never started: discard it
  if (!io::fileSize(sealed)) return;
  const auto changes = journal::decode(io::readWhole(sealed));
  if (!changes) {
    io::renameFile(sealed, folder / (std::string(kJournalName) + ".damaged"));
    throw StoreError(sealed, "An interrupted save could not be completed because its journal is damaged");
  }
  for (const auto& change : *changes) journal::apply(folder, change);
  io::syncDirectory(folder);
  io::removeFile(sealed);
  io::syncDirectory(folder);
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

std::string Transaction::read(const std::string& name) const {
  const auto* change = staged(name);
  if (!change) return io::readWhole(pathOf(name));
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

void Transaction::commit() {
  if (changes_.empty()) return;
  const auto partial = pathOf(kPartialJournalName);
  const auto sealed = pathOf(kJournalName);

  // 1. The journal: once it is sealed, the commit will be completed even after a crash.
  try {
    hook("write journal");
    {
      io::WritableFile file(partial, true);
      file.writeAt(0, journal::encode(changes_));
      file.sync();
    }
    hook("seal journal");
    io::renameFile(partial, sealed);
    io::syncDirectory(folder_);
  } catch (const StoreError& error) {
    try {
      io::removeFile(partial);
    } catch (const StoreError&) {
    }
    throw StoreError(folder_, "The changes cannot be saved in this folder (" + error.problem() + ")");
  }

  // 2. The changes, in order; on a failure the ones already made are undone.
  std::vector<Undo> undos;
  try {
    for (const auto& change : changes_) {
      hook("apply " + change.name);
      undos.push_back(captureUndo(folder_, change));
      journal::apply(folder_, change);
    }
    io::syncDirectory(folder_);
  } catch (const StoreError& error) {
    try {
      for (auto it = undos.rbegin(); it != undos.rend(); ++it) restore(folder_, *it);
      io::syncDirectory(folder_);
      io::removeFile(sealed);
    } catch (const StoreError&) {
      throw StoreError(error.path(), error.problem() +
                                         "; the save will be completed the next time this billing "
                                         "period is opened");
    }
    changes_.clear();
    index_.clear();
    throw StoreError(error.path(), error.problem() + "; nothing was changed");
  }

  // 3. Done: the journal goes.
  hook("remove journal");
  io::removeFile(sealed);
  io::syncDirectory(folder_);
  changes_.clear();
  index_.clear();
}

}  // namespace vrk::store
