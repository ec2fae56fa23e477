#include "core/store/record_table.h"

#include <algorithm>
#include <stdexcept>

#include "core/store/binary_codec.h"
#include "core/store/catalogue.h"
#include "core/store/counts.h"
#include "core/store/file_io.h"
#include "core/store/store_error.h"
#include "core/store/text_list.h"

namespace vrk::store {
RecordTable::RecordTable(TableLayout layout, Transaction& tx) : layout_(std::move(layout)), tx_(tx) {
  if (layout_.presenceFile.empty()) layout_.presenceFile = layout_.columns.front().file;
  columns_.resize(layout_.columns.size());
  loadCounts();
  for (std::size_t i = 0; i < columns_.size(); ++i) loadColumn(i);
  if (!hasData()) return;
  slots_ = decodeInt32s(readEntries(layout_.slotFile, count_, 4, count_ > 0), count_);
  free_ = decodeInt32s(readEntries(layout_.freeFile, freeCount_, 4, freeCount_ > 0), freeCount_);
  checkSlots();
}

std::vector<std::string> RecordTable::files() const {
  std::vector<std::string> names;
  for (const auto& column : layout_.columns) names.push_back(column.file);
  for (const auto* name : {&layout_.slotFile, &layout_.freeFile, &layout_.dataFile})
    if (!name->empty()) names.push_back(*name);
  names.insert(names.end(), layout_.removedWithLastRecord.begin(), layout_.removedWithLastRecord.end());
  return names;
}

void RecordTable::loadCounts() {
  std::vector<std::string> present;
  for (const auto& name : files())
    if (tx_.exists(name)) present.push_back(name);
  const auto countsSize = tx_.size(files::kDimensions);
  const int slots = layout_.freeCountSlot >= 0 ? std::max(layout_.countSlot, layout_.freeCountSlot) + 1
                                               : layout_.countSlot + 1;
  // A folder with no file of this table may lack the counts (a new folder) or hold a counts file
  // too short for these slots (one started by the attorneys): the table is empty.
  if (present.empty() &&
      (!tx_.exists(files::kDimensions) || countsSize < static_cast<std::uint64_t>(slots) * 4))
    return;
  count_ = static_cast<std::size_t>(readCounts(tx_, layout_.countSlot, 1)[0]);
  if (layout_.freeCountSlot >= 0)
    freeCount_ = static_cast<std::size_t>(readCounts(tx_, layout_.freeCountSlot, 1)[0]);
  if (count_ == 0 && !present.empty()) {
    // Taking such a table for empty would start its files afresh over the records they hold.
    throw StoreError(tx_.pathOf(present.front()),
                     "The file exists although the counts file says the table is empty");
  }
  if (count_ == 0) freeCount_ = 0;  // no files: a stale free count is not a free list
  if (count_ > 0 && !tx_.exists(layout_.presenceFile))
    throw StoreError(
        tx_.pathOf(layout_.presenceFile),
        "The file is missing although the counts file says it holds " + std::to_string(count_) + " entries");
}

std::string RecordTable::readEntries(const std::string& file, std::size_t count, std::size_t size,
                                     bool expected) const {
  // Exactly `count` entries: fewer lose records, more would be cut off by the next rewrite.
  if (!expected) {
    if (tx_.exists(file))
      throw StoreError(tx_.pathOf(file), "The file holds more entries than its counts say");
    return {};
  }
  std::string bytes = tx_.readRange(file, 0, static_cast<std::uint64_t>(count) * size);
  if (tx_.size(file) > static_cast<std::uint64_t>(count) * size)
    throw StoreError(tx_.pathOf(file), "The file holds more entries than its counts say");
  return bytes;
}

void RecordTable::checkSlots() const {
  // Every data slot from 0 to N+F-1 stands exactly once in the data-slot or the free-slot file,
  // and the data file holds N+F records; a slot standing twice would give two records one place.
  const std::size_t total = count_ + free_.size();
  std::vector<char> seen(total, 0);
  const auto mark = [&](std::int32_t slot, const std::string& file) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= total)
      throw StoreError(tx_.pathOf(file), "The file names a data slot beyond the data file");
    if (seen[static_cast<std::size_t>(slot)]++)
      throw StoreError(tx_.pathOf(file), "The file names a data slot that is already in use");
  };
  for (const auto slot : slots_) mark(slot, layout_.slotFile);
  for (const auto slot : free_) mark(slot, layout_.freeFile);
  if (total == 0) {
    if (tx_.exists(layout_.dataFile))
      throw StoreError(tx_.pathOf(layout_.dataFile), "The file holds more records than its counts say");
    return;
  }
  if (!tx_.exists(layout_.dataFile)) throw StoreError(tx_.pathOf(layout_.dataFile), "The file is missing");
  const auto size = tx_.size(layout_.dataFile);
  if (size < total * layout_.recordSize)
    throw StoreError(tx_.pathOf(layout_.dataFile), "The file is shorter than its counts say");
  if (size > total * layout_.recordSize)
    throw StoreError(tx_.pathOf(layout_.dataFile), "The file holds more records than its counts say");
}

std::size_t RecordTable::entrySize(const ColumnLayout& column) const {
  return column.kind == ColumnKind::Date ? 8 : column.width + 1;
}

void RecordTable::loadColumn(std::size_t index) {
  const ColumnLayout& layout = layout_.columns[index];
  Column& column = columns_[index];
  switch (layout.kind) {
    case ColumnKind::SortedTextList: {
      if (count_ == 0) return;
      // The list's lines pair with the data-slot file line by line: exactly N lines, in order.
      // A line takes at most the code and CR LF, so a larger file is refused before it is read.
      const auto path = tx_.pathOf(layout.file);
      const std::uint64_t most = static_cast<std::uint64_t>(count_) * (layout.width + 2);
      if (tx_.size(layout.file) > most)
        throw StoreError(path, "The file holds more lines than its counts say");
      column.texts = parseTextList(tx_.read(layout.file, most));
      if (column.texts.size() < count_) throw StoreError(path, "The file is shorter than its counts say");
      if (column.texts.size() > count_)
        throw StoreError(path, "The file holds more lines than its counts say");
      if (!isKeptInOrder(column.texts)) throw StoreError(path, kListOutOfOrder);
      break;
    }
    case ColumnKind::Text: {
      const std::size_t size = entrySize(layout);
      const std::string bytes = readEntries(layout.file, count_, size, count_ > 0);
      column.texts.reserve(count_ + 1);
      for (std::size_t i = 0; i < count_; ++i) column.texts.push_back(getText(bytes, i * size, layout.width));
      break;
    }
    case ColumnKind::Date: {
      const std::string bytes = readEntries(layout.file, count_, 8, count_ > 0);
      column.dates.reserve(count_ + 1);
      for (std::size_t i = 0; i < count_; ++i) column.dates.push_back(getDouble(bytes, i * 8));
      break;
    }
  }
}

Key RecordTable::keyAt(std::size_t position) const {
  Key key;
  key.reserve(columns_.size());
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (layout_.columns[i].kind == ColumnKind::Date) {
      key.emplace_back(columns_[i].dates[position]);
    } else {
      key.emplace_back(columns_[i].texts[position]);
    }
  }
  return key;
}

std::size_t RecordTable::upperBound(const Key& key) const {
  std::size_t low = 0, high = count_;
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    if (layout_.order(keyAt(mid), key) <= 0) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return low;
}

std::size_t RecordTable::lowerBound(const Key& key) const {
  std::size_t low = 0, high = count_;
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    if (layout_.order(keyAt(mid), key) < 0) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return low;
}

std::optional<std::size_t> RecordTable::find(const Key& key) const {
  const std::size_t position = lowerBound(key);
  if (position < count_ && layout_.order(keyAt(position), key) == 0) return position;
  return std::nullopt;
}

void RecordTable::checkDataFileHolds(std::int32_t slot) const {
  const auto needed = (static_cast<std::uint64_t>(slot) + 1) * layout_.recordSize;
  if (slot < 0 || tx_.size(layout_.dataFile) < needed)
    throw StoreError(tx_.pathOf(layout_.dataFile), "The file is shorter than its counts say");
}

void RecordTable::keepRecordsInMemory() {
  if (!hasData() || tx_.changed(layout_.dataFile) || tx_.size(layout_.dataFile) > io::kMaxWholeRead) return;
  records_ = tx_.exists(layout_.dataFile) ? tx_.read(layout_.dataFile) : std::string();
  recordsKept_ = true;
}

std::string RecordTable::readRecordAtSlot(std::int32_t slot) const {
  if (recordsKept_ && !tx_.changed(layout_.dataFile)) {
    const auto offset = static_cast<std::uint64_t>(slot) * layout_.recordSize;
    if (slot < 0 || offset + layout_.recordSize > records_.size())
      throw StoreError(tx_.pathOf(layout_.dataFile), "The file is shorter than its counts say");
    return records_.substr(offset, layout_.recordSize);
  }
  checkDataFileHolds(slot);
  return tx_.readRange(layout_.dataFile, static_cast<std::uint64_t>(slot) * layout_.recordSize,
                       layout_.recordSize);
}

std::string RecordTable::readRecord(std::size_t position) const { return readRecordAtSlot(slots_[position]); }

void RecordTable::insertEntry(std::size_t position, const Key& key, std::int32_t slot) {
  const auto at = static_cast<std::ptrdiff_t>(position);
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (layout_.columns[i].kind == ColumnKind::Date) {
      columns_[i].dates.insert(columns_[i].dates.begin() + at, std::get<double>(key[i]));
    } else {
      columns_[i].texts.insert(columns_[i].texts.begin() + at, std::get<std::string>(key[i]));
    }
  }
  if (hasData()) slots_.insert(slots_.begin() + at, slot);
  ++count_;
}

void RecordTable::eraseEntries(std::size_t first, std::size_t count) {
  const auto from = static_cast<std::ptrdiff_t>(first);
  const auto to = static_cast<std::ptrdiff_t>(first + count);
  for (auto& column : columns_) {
    if (!column.dates.empty()) column.dates.erase(column.dates.begin() + from, column.dates.begin() + to);
    if (!column.texts.empty()) column.texts.erase(column.texts.begin() + from, column.texts.begin() + to);
  }
  if (hasData()) slots_.erase(slots_.begin() + from, slots_.begin() + to);
  count_ -= count;
}

void RecordTable::setKey(std::size_t position, const Key& key) {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (layout_.columns[i].kind == ColumnKind::Date) {
      columns_[i].dates[position] = std::get<double>(key[i]);
    } else {
      columns_[i].texts[position] = std::get<std::string>(key[i]);
    }
  }
}

void RecordTable::stageRange(std::size_t from, std::size_t to) {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    const ColumnLayout& layout = layout_.columns[i];
    if (layout.kind == ColumnKind::SortedTextList) {
      tx_.writeWhole(layout.file, formatTextList(columns_[i].texts));
      continue;
    }
    const std::size_t size = entrySize(layout);
    std::string bytes((to - from) * size, '\0');
    for (std::size_t p = from; p < to; ++p) {
      if (layout.kind == ColumnKind::Date) {
        putDouble(bytes, (p - from) * size, columns_[i].dates[p]);
      } else {
        putText(bytes, (p - from) * size, layout.width, columns_[i].texts[p]);
      }
    }
    tx_.writeAt(layout.file, from * size, std::move(bytes));
    if (tx_.size(layout.file) > count_ * size) tx_.truncate(layout.file, count_ * size);
  }
  if (hasData()) {
    std::string bytes =
        encodeInt32s(std::vector<std::int32_t>(slots_.begin() + static_cast<std::ptrdiff_t>(from),
                                               slots_.begin() + static_cast<std::ptrdiff_t>(to)));
    tx_.writeAt(layout_.slotFile, from * 4, std::move(bytes));
    if (tx_.size(layout_.slotFile) > count_ * 4) tx_.truncate(layout_.slotFile, count_ * 4);
  }
}

void RecordTable::stageCounts() {
  const auto n = static_cast<std::int32_t>(count_);
  const auto f = static_cast<std::int32_t>(free_.size());
  if (layout_.freeCountSlot == layout_.countSlot + 1) {
    writeCounts(tx_, layout_.countSlot, {n, f}, layout_.countsSlotsWhenCreated);
    return;
  }
  writeCounts(tx_, layout_.countSlot, {n}, layout_.countsSlotsWhenCreated);
  if (layout_.freeCountSlot >= 0)
    writeCounts(tx_, layout_.freeCountSlot, {f}, layout_.countsSlotsWhenCreated);
}

void RecordTable::stageFreeList() {
  if (layout_.freeFile.empty()) return;
  if (free_.empty()) {
    if (tx_.exists(layout_.freeFile)) tx_.remove(layout_.freeFile);
  } else {
    tx_.writeWhole(layout_.freeFile, encodeInt32s(free_));
  }
}

void RecordTable::stageEmptyTable() {
  stageCounts();
  for (const auto& name : files())
    if (tx_.exists(name)) tx_.remove(name);
}

std::size_t RecordTable::add(const Key& key, const std::string& record) {
  return addAt(count_ == 0 ? 0 : upperBound(key), key, record);
}

std::size_t RecordTable::addAt(std::size_t position, const Key& key, const std::string& record) {
  if (position > count_) throw std::out_of_range("record table: position out of range");
  if (hasData() && record.size() != layout_.recordSize)
    throw StoreError(tx_.pathOf(layout_.dataFile), "A record of the wrong size was to be written");
  if (count_ == 0) {
    // Empty table: every file starts afresh with the one record (a stale free list goes).
    free_.clear();
    insertEntry(0, key, 0);
    stageCounts();
    for (const auto& column : layout_.columns) tx_.writeWhole(column.file, {});
    if (hasData()) tx_.writeWhole(layout_.slotFile, {});
    stageRange(0, 1);
    if (hasData()) {
      stageFreeList();
      tx_.writeWhole(layout_.dataFile, record);
    }
    return 0;
  }
  std::int32_t slot = static_cast<std::int32_t>(count_);
  const bool reused = !free_.empty();
  if (reused) {
    slot = free_.front();
    free_.erase(free_.begin());
  }
  if (hasData()) checkDataFileHolds(reused ? slot : slot - 1);
  insertEntry(position, key, slot);
  stageCounts();
  stageRange(position, count_);
  if (hasData()) {
    if (reused) stageFreeList();
    tx_.writeAt(layout_.dataFile, static_cast<std::uint64_t>(slot) * layout_.recordSize, record);
  }
  return position;
}

void RecordTable::addAll(std::vector<NewRecord> records, const KeyOrder& placement) {
  if (records.empty()) return;
  if (hasData())
    for (const auto& added : records)
      if (added.record.size() != layout_.recordSize)
        throw StoreError(tx_.pathOf(layout_.dataFile), "A record of the wrong size was to be written");
  const KeyOrder& order = placement ? placement : layout_.order;
  const bool wasEmpty = count_ == 0;
  if (wasEmpty) free_.clear();  // as the first add into an empty table starts every file afresh
  const auto slotsBefore = static_cast<std::int32_t>(count_ + free_.size());
  if (hasData() && slotsBefore > 0) checkDataFileHolds(slotsBefore - 1);

  // Data slots in the order the records come: the oldest free ones, then new ones at the end.
  const std::size_t reused = std::min(free_.size(), records.size());
  std::vector<std::int32_t> slots(free_.begin(), free_.begin() + static_cast<std::ptrdiff_t>(reused));
  for (std::int32_t next = slotsBefore; slots.size() < records.size(); ++next) slots.push_back(next);
  free_.erase(free_.begin(), free_.begin() + static_cast<std::ptrdiff_t>(reused));

  // The new records in place order (equal keys in the order given), merged behind equal old ones.
  std::vector<std::size_t> byPlace(records.size());
  for (std::size_t i = 0; i < byPlace.size(); ++i) byPlace[i] = i;
  std::stable_sort(byPlace.begin(), byPlace.end(),
                   [&](std::size_t a, std::size_t b) { return order(records[a].key, records[b].key) < 0; });
  std::vector<Column> merged(columns_.size());
  std::vector<std::int32_t> mergedSlots;
  const std::size_t total = count_ + records.size();
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (layout_.columns[i].kind == ColumnKind::Date) merged[i].dates.reserve(total);
    else merged[i].texts.reserve(total);
  }
  if (hasData()) mergedSlots.reserve(total);
  std::size_t firstChanged = total;
  std::size_t old = 0;
  const auto takeOld = [&] {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      if (layout_.columns[i].kind == ColumnKind::Date) merged[i].dates.push_back(columns_[i].dates[old]);
      else merged[i].texts.push_back(std::move(columns_[i].texts[old]));
    }
    if (hasData()) mergedSlots.push_back(slots_[old]);
    ++old;
  };
  for (const std::size_t index : byPlace) {
    const Key& key = records[index].key;
    while (old < count_ && order(keyAt(old), key) <= 0) takeOld();
    if (firstChanged == total) firstChanged = old;  // where the first new record goes
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      if (layout_.columns[i].kind == ColumnKind::Date) merged[i].dates.push_back(std::get<double>(key[i]));
      else merged[i].texts.push_back(std::get<std::string>(key[i]));
    }
    if (hasData()) mergedSlots.push_back(slots[index]);
  }
  while (old < count_) takeOld();
  columns_ = std::move(merged);
  if (hasData()) slots_ = std::move(mergedSlots);
  count_ = total;

  if (wasEmpty) {
    for (const auto& column : layout_.columns) tx_.writeWhole(column.file, {});
    if (hasData()) tx_.writeWhole(layout_.slotFile, {});
  }
  stageCounts();
  stageRange(wasEmpty ? 0 : firstChanged, count_);
  if (!hasData()) return;
  if (wasEmpty || reused > 0) stageFreeList();
  if (wasEmpty) tx_.writeWhole(layout_.dataFile, {});
  std::string appended;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (i < reused) {
      tx_.writeAt(layout_.dataFile, static_cast<std::uint64_t>(slots[i]) * layout_.recordSize, records[i].record);
    } else {
      appended += records[i].record;
    }
  }
  tx_.writeAt(layout_.dataFile, static_cast<std::uint64_t>(slotsBefore) * layout_.recordSize, std::move(appended));
}

void RecordTable::remove(std::size_t position) { removeRun(position, 1); }

void RecordTable::removeRun(std::size_t first, std::size_t count) {
  if (count == 0) return;
  if (first + count > count_) throw std::out_of_range("record table: positions out of range");
  if (count == count_) {
    eraseEntries(0, count_);
    free_.clear();
    stageEmptyTable();
    return;
  }
  std::vector<std::int32_t> freed;
  if (hasData())
    freed.assign(slots_.begin() + static_cast<std::ptrdiff_t>(first),
                 slots_.begin() + static_cast<std::ptrdiff_t>(first + count));
  const std::size_t oldFree = free_.size();
  free_.insert(free_.end(), freed.begin(), freed.end());
  eraseEntries(first, count);
  stageCounts();
  stageRange(first, count_);
  if (!freed.empty()) {
    tx_.writeAt(layout_.freeFile, oldFree * 4, encodeInt32s(freed));
    if (tx_.size(layout_.freeFile) > free_.size() * 4) tx_.truncate(layout_.freeFile, free_.size() * 4);
  }
}

void RecordTable::changeRecord(std::size_t position, const std::string& record) {
  if (record.size() != layout_.recordSize)
    throw StoreError(tx_.pathOf(layout_.dataFile), "A record of the wrong size was to be written");
  const std::int32_t slot = slots_[position];
  checkDataFileHolds(slot);
  tx_.writeAt(layout_.dataFile, static_cast<std::uint64_t>(slot) * layout_.recordSize, record);
}

std::size_t RecordTable::changeKey(std::size_t position, const Key& key, EqualKey equal) {
  const bool sameOrder = equal == EqualKey::KeepsPlace && layout_.order(keyAt(position), key) == 0;
  const std::size_t insertAt = sameOrder ? position : upperBound(key);
  std::size_t target = position;
  if (insertAt > position + 1) {
    target = insertAt - 1;
  } else if (insertAt < position) {
    target = insertAt;
  }
  if (target != position) {
    const std::int32_t slot = hasData() ? slots_[position] : 0;
    eraseEntries(position, 1);
    insertEntry(target, key, slot);
  } else {
    setKey(position, key);
  }
  stageRange(std::min(position, target), std::max(position, target) + 1);
  return target;
}

std::size_t RecordTable::rekey(const std::function<bool(const Key&)>& match,
                               const std::function<Key(const Key&)>& makeKey) {
  const std::vector<Key> before = [this] {
    std::vector<Key> keys;
    keys.reserve(count_);
    for (std::size_t p = 0; p < count_; ++p) keys.push_back(keyAt(p));
    return keys;
  }();
  const std::vector<std::int32_t> slotsBefore = slots_;
  std::vector<std::pair<Key, std::int32_t>> moving;
  for (std::size_t p = count_; p-- > 0;) {
    if (!match(before[p])) continue;
    moving.emplace_back(makeKey(before[p]), hasData() ? slots_[p] : 0);
    eraseEntries(p, 1);
  }
  if (moving.empty()) return 0;
  for (auto it = moving.rbegin(); it != moving.rend(); ++it)
    insertEntry(upperBound(it->first), it->first, it->second);
  // Write only the stretch of positions whose entries changed.
  std::size_t first = 0;
  while (first < count_ && keyAt(first) == before[first] &&
         (!hasData() || slots_[first] == slotsBefore[first]))
    ++first;
  std::size_t last = count_;
  while (last > first && keyAt(last - 1) == before[last - 1] &&
         (!hasData() || slots_[last - 1] == slotsBefore[last - 1]))
    --last;
  stageRange(first, last);
  return moving.size();
}

}  // namespace vrk::store
