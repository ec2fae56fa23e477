// Random sequences of adds, deletes and changes checked against a plain in-memory model of a
// record table, with the files reloaded from disk after every step.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <set>

#include "core/store/binary_codec.h"
#include "core/store/counts.h"
#include "core/store/record_table.h"
#include "core/store/store_error.h"
#include "core/store/tables.h"
#include "core/store/text_list.h"
#include "support/temp_folder.h"

namespace vrk::store {
namespace {

struct Row {
  Key key;
  std::string record;
  std::int32_t slot = 0;
};

// The model follows the rules literally: a linear scan for the place of a new key, the oldest
// free slot first, a freed slot at the back of the free list.
struct Model {
  explicit Model(TableLayout s) : layout(std::move(s)) {}

  std::size_t insertPosition(const Key& key) const {
    std::size_t p = 0;
    while (p < rows.size() && layout.order(rows[p].key, key) <= 0) ++p;
    return p;
  }
  bool hasData() const { return !layout.slotFile.empty(); }

  void add(const Key& key, const std::string& record) {
    std::int32_t slot = static_cast<std::int32_t>(rows.size());
    if (!free.empty()) {
      slot = free.front();
      free.pop_front();
    }
    if (rows.empty()) slot = 0, free.clear();
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(insertPosition(key)), Row{key, record, slot});
    if (hasData()) data[slot] = record;
  }
  void removeRun(std::size_t first, std::size_t count) {
    if (count == rows.size()) {
      rows.clear();
      free.clear();
      data.clear();
      return;
    }
    for (std::size_t i = first; i < first + count; ++i)
      if (hasData()) free.push_back(rows[i].slot);
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(first),
               rows.begin() + static_cast<std::ptrdiff_t>(first + count));
  }
  void changeKey(std::size_t s, const Key& key) {
    if (layout.order(rows[s].key, key) == 0) {
      rows[s].key = key;
      return;
    }
    const std::size_t p = insertPosition(key);
    Row row = rows[s];
    row.key = key;
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(s));
    const std::size_t target = p > s + 1 ? p - 1 : (p < s ? p : s);
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(target), row);
  }
  void rekey(const std::string& from, const std::string& to) {
    std::vector<Row> moving;
    for (std::size_t p = 0; p < rows.size();) {
      if (std::get<std::string>(rows[p].key[0]) != from) {
        ++p;
        continue;
      }
      moving.push_back(rows[p]);
      rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(p));
    }
    for (auto& row : moving) {
      row.key[0] = to;
      rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(insertPosition(row.key)), row);
    }
  }
  void changeRecord(std::size_t p, const std::string& record) {
    rows[p].record = record;
    data[rows[p].slot] = record;
  }

  TableLayout layout;
  std::vector<Row> rows;
  std::deque<std::int32_t> free;
  std::map<std::int32_t, std::string> data;
};

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}
  std::size_t below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
  template <typename T>
  const T& pick(const std::vector<T>& items) {
    return items[below(items.size())];
  }
  std::string record(std::size_t size) {
    std::string bytes(size, '\0');
    for (auto& c : bytes) c = static_cast<char>(below(256));
    return bytes;
  }

 private:
  std::mt19937 random_;
};

std::uint64_t fileSize(const std::filesystem::path& path) {
  return std::filesystem::exists(path) ? std::filesystem::file_size(path) : 0;
}

void checkAgainstModel(const std::filesystem::path& folder, const Model& model, const std::string& step) {
  SCOPED_TRACE(step);
  Transaction tx(folder);
  RecordTable table(model.layout, tx);
  const std::size_t n = model.rows.size();
  const std::size_t f = model.free.size();
  ASSERT_EQ(table.size(), n);
  ASSERT_EQ(table.freeCount(), f);
  for (std::size_t p = 0; p < n; ++p) {
    ASSERT_EQ(table.keyAt(p), model.rows[p].key) << "position " << p;
    if (model.hasData()) {
      ASSERT_EQ(table.dataSlotAt(p), model.rows[p].slot) << "position " << p;
      ASSERT_EQ(table.readRecord(p), model.rows[p].record) << "position " << p;
    }
  }
  ASSERT_EQ(std::vector<std::int32_t>(model.free.begin(), model.free.end()), table.freeSlots());

  // Invariants: every key file holds exactly N entries; the data file N + F records; every data
  // slot stands once; the free-slot file exists only while F > 0; an empty table has no files.
  const auto counts = readCounts(tx, model.layout.countSlot, 1);
  ASSERT_EQ(counts[0], static_cast<std::int32_t>(n));
  for (const auto& column : model.layout.columns) {
    if (column.kind == ColumnKind::SortedTextList) {
      ASSERT_EQ(parseTextList(test::readFile(folder / column.file)).size(), n);
    } else {
      const std::size_t entry = column.kind == ColumnKind::Date ? 8 : column.width + 1;
      ASSERT_EQ(fileSize(folder / column.file), n * entry) << column.file;
    }
    ASSERT_EQ(std::filesystem::exists(folder / column.file), n > 0) << column.file;
  }
  if (!model.hasData()) return;
  ASSERT_EQ(readCounts(tx, model.layout.freeCountSlot, 1)[0], static_cast<std::int32_t>(f));
  ASSERT_EQ(fileSize(folder / model.layout.slotFile), n * 4);
  ASSERT_EQ(fileSize(folder / model.layout.dataFile), (n + f) * model.layout.recordSize);
  ASSERT_EQ(std::filesystem::exists(folder / model.layout.freeFile), f > 0);
  ASSERT_EQ(std::filesystem::exists(folder / model.layout.dataFile), n > 0);
  std::set<std::int32_t> slots(table.dataSlots().begin(), table.dataSlots().end());
  slots.insert(table.freeSlots().begin(), table.freeSlots().end());
  ASSERT_EQ(slots.size(), n + f);
  if (!slots.empty()) {
    ASSERT_EQ(*slots.begin(), 0);
    ASSERT_EQ(*slots.rbegin(), static_cast<std::int32_t>(n + f - 1));
  }
}

// Damages a copy of the folder in one of the ways a crash elsewhere, a partial copy or a disk error
// leaves a folder, and checks that an operation on it is refused before any byte changes.
void checkDamageIsRefused(const std::filesystem::path& folder, const Model& model, Generator& random,
                          const Key& key, const std::string& record) {
  if (model.rows.empty()) return;
  test::TempFolder temp;
  const auto copy = temp / "copy";
  std::filesystem::copy(folder, copy);
  const auto setCount = [&](int slot, std::int32_t value) {
    std::string counts = test::readFile(copy / "Dimensions.Dat");
    counts.replace(static_cast<std::size_t>(slot) * 4, 4, encodeInt32s({value}));
    test::writeFile(copy / "Dimensions.Dat", counts);
  };
  std::string damage;
  switch (random.below(model.hasData() ? 3 : 2)) {
    case 0:
      damage = "no records counted";
      setCount(model.layout.countSlot, 0);
      break;
    case 1:
      damage = "counts file missing";
      std::filesystem::remove(copy / "Dimensions.Dat");
      break;
    default: {
      damage = "a slot in use also free";
      const auto slot = model.rows[random.below(model.rows.size())].slot;
      test::writeFile(copy / model.layout.freeFile,
                      test::readFile(copy / model.layout.freeFile) + encodeInt32s({slot}));
      setCount(model.layout.freeCountSlot, static_cast<std::int32_t>(model.free.size() + 1));
    }
  }
  SCOPED_TRACE(damage);
  const auto before = test::snapshot(copy);
  const std::size_t operation = random.below(3);
  try {
    Transaction tx(copy);
    RecordTable table(model.layout, tx);
    if (operation == 0) table.add(key, record);
    if (operation == 1) table.remove(0);
    if (operation == 2) table.changeKey(0, key);
    tx.commit();
    ADD_FAILURE() << "operation " << operation << " was not refused";
  } catch (const StoreError&) {
  }
  EXPECT_EQ(test::snapshot(copy), before);
}

// Runs `steps` random operations; `makeKey` draws a key, `unique` says whether keys must be new
// (clients refuse a code already present).
void runModel(TableLayout layout, unsigned seed, int steps, const std::function<Key(Generator&)>& makeKey,
              bool unique) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  test::TempFolder folder;
  Model model(layout);
  Generator random(seed);
  const auto freshKey = [&]() {
    for (;;) {
      Key key = makeKey(random);
      const bool taken = std::any_of(model.rows.begin(), model.rows.end(),
                                     [&](const Row& row) { return model.layout.order(row.key, key) == 0; });
      if (!unique || !taken) return key;
    }
  };
  for (int step = 0; step < steps; ++step) {
    Transaction tx(folder.path());
    RecordTable table(layout, tx);
    const std::size_t n = model.rows.size();
    const std::size_t choice = random.below(n < 3 ? 3 : 11);
    std::string what;
    // Several changes in one transaction now and then: they must compose.
    const int repeat = random.below(5) == 0 ? 2 : 1;
    for (int r = 0; r < repeat; ++r) {
      const std::size_t size = model.rows.size();
      if (choice <= 4 || size == 0) {
        const Key key = freshKey();
        const std::string record = model.hasData() ? random.record(layout.recordSize) : std::string();
        table.add(key, record);
        model.add(key, record);
        what += " add";
      } else if (choice <= 6) {
        const std::size_t p = random.below(size);
        table.remove(p);
        model.removeRun(p, 1);
        what += " delete " + std::to_string(p);
      } else if (choice == 7) {
        const std::size_t first = random.below(size);
        const std::size_t count = 1 + random.below(std::min<std::size_t>(size - first, 4));
        table.removeRun(first, count);
        model.removeRun(first, count);
        what += " delete run";
      } else if (choice == 10) {
        // Every record of one first-column value moves to a value no record has yet.
        const std::string from = std::get<std::string>(model.rows[random.below(size)].key[0]);
        const std::string to =
            random.below(2) ? std::get<std::string>(freshKey()[0]) : "Q" + std::to_string(random.below(40));
        const bool taken = std::any_of(model.rows.begin(), model.rows.end(), [&](const Row& row) {
          return compareTextIgnoringCase(std::get<std::string>(row.key[0]), to) == 0;
        });
        if (taken) continue;
        table.rekey([&](const Key& k) { return std::get<std::string>(k[0]) == from; },
                    [&](Key k) {
                      k[0] = to;
                      return k;
                    });
        model.rekey(from, to);
        what += " rekey " + from + " to " + to;
      } else if (choice == 8 || !model.hasData()) {
        const std::size_t p = random.below(size);
        const Key key = random.below(4) == 0 ? model.rows[p].key : freshKey();
        const std::size_t moved = table.changeKey(p, key);
        model.changeKey(p, key);
        EXPECT_EQ(model.rows[moved].key, key);
        what += " change key";
      } else {
        const std::size_t p = random.below(size);
        const std::string record = random.record(layout.recordSize);
        table.changeRecord(p, record);
        model.changeRecord(p, record);
        what += " change record";
      }
    }
    tx.commit();
    checkAgainstModel(folder.path(), model, "step " + std::to_string(step) + what);
    if (::testing::Test::HasFatalFailure()) return;
    if (step % 10 == 9)
      checkDamageIsRefused(folder.path(), model, random, freshKey(),
                           model.hasData() ? random.record(layout.recordSize) : std::string());
  }
}

}  // namespace

TEST(RecordTableModel, TimeRecordsFollowTheModelThroughRandomChanges) {
  const std::vector<std::string> clients{"A", "AB", "B", "ZZ9"};
  const std::vector<std::string> matters{"0", "1", "01", "2", "10", "00010"};
  const auto key = [&](Generator& g) -> Key {
    return {g.pick(clients), g.pick(matters), 37000.0 + static_cast<double>(g.below(4)) + 0.25 * g.below(4)};
  };
  for (const unsigned seed : {1u, 2u, 3u}) runModel(timeRecordTable(), seed, 250, key, false);
}

TEST(RecordTableModel, ClientsFollowTheModelThroughRandomChanges) {
  const auto key = [](Generator& g) -> Key {
    std::string code;
    const std::size_t length = 1 + g.below(3);
    for (std::size_t i = 0; i < length; ++i) code += "ABCabc19"[g.below(8)];
    return {code};
  };
  for (const unsigned seed : {4u, 5u}) runModel(clientTable(), seed, 250, key, true);
}

TEST(RecordTableModel, MattersAndPaymentsFollowTheModelThroughRandomChanges) {
  const auto matter = [](Generator& g) -> Key {
    return {std::string(g.below(2) ? "ACME" : "ACM"), std::to_string(g.below(30))};
  };
  runModel(matterTable(), 6, 250, matter, true);
  const auto payment = [](Generator& g) -> Key {
    return {std::string(g.below(2) ? "ACME" : "BETA1"), 37000.0 + static_cast<double>(g.below(5)),
            std::to_string(g.below(1000)) + ".00"};
  };
  runModel(paymentRecordTable(), 7, 250, payment, false);
}

}  // namespace vrk::store
