// A record table: parallel sorted key files, a data-slot file, a data file and a FIFO free-slot file.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/store/transaction.h"

namespace vrk::store {

enum class ColumnKind {
  SortedTextList,  // a CRLF text list kept sorted ignoring case (client codes)
  Text,            // fixed entries of a length-prefixed text of at most `width` characters
  Date,            // fixed entries of 8-byte doubles
};

struct ColumnLayout {
  std::string file;
  ColumnKind kind = ColumnKind::Text;
  std::size_t width = 0;  // characters of a Text column (an entry takes width + 1 bytes)
};

using KeyValue = std::variant<std::string, double>;
using Key = std::vector<KeyValue>;  // one value per column, in column order

// Compares two keys in the table's position order: negative, zero or positive.
using KeyOrder = std::function<int(const Key&, const Key&)>;

struct TableLayout {
  std::vector<ColumnLayout> columns;  // the key files (for payments: all three parallel files)
  std::string presenceFile;           // its absence means the table is empty
  std::string slotFile;               // empty: no data slots, data file or free list (payments)
  std::string freeFile;
  std::string dataFile;
  std::size_t recordSize = 0;
  int countSlot = 0;       // N in Dimensions.Dat
  int freeCountSlot = -1;  // F in Dimensions.Dat; -1 when there is no free list
  int countsSlotsWhenCreated = 10;
  std::vector<std::string> removedWithLastRecord;  // further files deleted with the last record
  KeyOrder order;
};

// The table as loaded into memory through a transaction. Every change is staged in the
// transaction at once and keeps the in-memory copy in step, so several changes can be made
// before one commit.
class RecordTable {
 public:
  // Loads N, F, every key column, the data-slot and free-slot files, and checks them against the
  // table's invariants before anything can be written: every file holds exactly what the counts
  // say (none exists when N is 0), and every data slot from 0 to N+F-1 stands exactly once in the
  // data-slot or free-slot file of a data file of N+F records. A folder that breaks them, or a
  // damaged or missing counts file, raises StoreError naming the file.
  RecordTable(TableLayout layout, Transaction& tx);

  std::size_t size() const { return count_; }
  std::size_t freeCount() const { return free_.size(); }
  const TableLayout& layout() const { return layout_; }

  Key keyAt(std::size_t position) const;
  const std::vector<std::string>& texts(std::size_t column) const { return columns_[column].texts; }
  const std::vector<double>& dates(std::size_t column) const { return columns_[column].dates; }
  std::int32_t dataSlotAt(std::size_t position) const { return slots_[position]; }
  const std::vector<std::int32_t>& dataSlots() const { return slots_; }
  const std::vector<std::int32_t>& freeSlots() const { return free_; }

  // First position whose key sorts after `key` (where an added record goes), and the first
  // position whose key does not sort before it.
  std::size_t upperBound(const Key& key) const;
  std::size_t lowerBound(const Key& key) const;
  std::optional<std::size_t> find(const Key& key) const;  // first position with an equal key

  std::string readRecord(std::size_t position) const;
  std::string readRecordAtSlot(std::int32_t slot) const;
  // Reads the whole data file once (when it is at most 64 MiB) so that a run reading every record
  // makes one read instead of one per record. Reads fall back to the file as soon as the
  // transaction has a change staged for the data file.
  void keepRecordsInMemory();

  // Adds a record at its sorted position (after equal keys) and returns the position. The data
  // slot is the oldest free one, else a new one at the end of the data file.
  std::size_t add(const Key& key, const std::string& record = {});
  // The same at a position the caller has found by its own rule (one that keeps the table in its
  // order, such as a finer comparison of dates).
  std::size_t addAt(std::size_t position, const Key& key, const std::string& record = {});
  // Adds many records with one merge and one write per file, leaving the table exactly as add()
  // would, called for each in the order given (free slots first, then new ones; an added record
  // after those its key does not sort before). `placement` compares keys as a record's place is
  // found when it differs from the table's order (cost/credit records: by whole stored date).
  struct NewRecord {
    Key key;
    std::string record;
  };
  void addAll(std::vector<NewRecord> records, const KeyOrder& placement = {});
  void remove(std::size_t position);
  // Removes positions first .. first+count-1; their data slots are freed in position order.
  void removeRun(std::size_t first, std::size_t count);
  // Overwrites the data record in place; the key stays.
  void changeRecord(std::size_t position, const std::string& record);
  // What a new key that sorts equal to the old one does: the record keeps its position, or it goes
  // behind the other records with that key (as if it had just been added).
  enum class EqualKey { KeepsPlace, GoesBehind };
  // Gives the record a new key, moving it to the new key's sorted place (where an added record with
  // that key would go, counted with the record still at its old place); it keeps its data slot.
  // Returns the new position.
  std::size_t changeKey(std::size_t position, const Key& key, EqualKey equal = EqualKey::KeepsPlace);
  // Gives every record whose key `match`es a new key made by `rekey`, each keeping its data
  // slot: the records leave their places and go, in their old order, where their new keys sort
  // (after records with equal keys). New keys must not match. Returns how many records moved.
  std::size_t rekey(const std::function<bool(const Key&)>& match,
                    const std::function<Key(const Key&)>& rekey);

 private:
  struct Column {
    std::vector<std::string> texts;
    std::vector<double> dates;
  };

  bool hasData() const { return !layout_.slotFile.empty(); }
  std::vector<std::string> files() const;  // every file of the table
  void loadCounts();
  // The first `count` entries of `size` bytes; the file must hold exactly these, and must not
  // exist unless `expected`.
  std::string readEntries(const std::string& file, std::size_t count, std::size_t size, bool expected) const;
  void checkSlots() const;
  std::size_t entrySize(const ColumnLayout& column) const;
  void loadColumn(std::size_t index);
  void insertEntry(std::size_t position, const Key& key, std::int32_t slot);
  void eraseEntries(std::size_t first, std::size_t count);
  void setKey(std::size_t position, const Key& key);
  // Writes entries from .. to-1 of every column and the slot file, and sets their lengths to N.
  void stageRange(std::size_t from, std::size_t to);
  void stageCounts();
  void stageFreeList();
  void stageEmptyTable();
  void checkDataFileHolds(std::int32_t slot) const;

  TableLayout layout_;
  Transaction& tx_;
  std::size_t count_ = 0;
  std::size_t freeCount_ = 0;  // F as the counts file says, until the free list is read
  std::vector<Column> columns_;
  std::vector<std::int32_t> slots_;
  std::vector<std::int32_t> free_;
  std::string records_;  // the data file as keepRecordsInMemory() read it
  bool recordsKept_ = false;
};

}  // namespace vrk::store
