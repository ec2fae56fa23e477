#include "core/store/record_table.h"

#include <gtest/gtest.h>

#include "core/store/binary_codec.h"
#include "core/store/catalogue.h"
#include "core/store/store_error.h"
#include "core/store/tables.h"
#include "support/temp_folder.h"

namespace vrk::store {
namespace {

std::string clientRecord(const std::string& code) {
  std::string record(kClientRecordSize, '\0');
  putText(record, 0, 7, code);
  return record;
}

std::vector<std::int32_t> ints(const std::filesystem::path& path) {
  const std::string bytes = test::readFile(path);
  return decodeInt32s(bytes, bytes.size() / 4);
}

class ClientTableTest : public ::testing::Test {
 protected:
  void add(const std::string& code) {
    apply([&](RecordTable& t) { t.add({code}, clientRecord(code)); });
  }
  void remove(const std::string& code) {
    apply([&](RecordTable& t) { t.remove(*t.find({code})); });
  }
  template <typename F>
  void apply(F change) {
    Transaction tx(folder.path());
    RecordTable table(clientTable(), tx);
    change(table);
    tx.commit();
  }
  std::vector<std::int32_t> counts() { return ints(folder / "Dimensions.Dat"); }
  std::size_t dataRecords() { return test::readFile(folder / "ClientData.Dat").size() / kClientRecordSize; }

  test::TempFolder folder;
};

}  // namespace

TEST_F(ClientTableTest, DeleteFreesASlotAndTheNextAddReusesIt) {
  for (const char* code : {"A", "B", "C"}) add(code);
  remove("B");
  EXPECT_EQ(test::readFile(folder / "ClientCodes.Dat"), "A\r\nC\r\n");
  EXPECT_EQ(ints(folder / "ClientIndicesInUse.Dat"), (std::vector<std::int32_t>{0, 2}));
  EXPECT_EQ(ints(folder / "ClientIndicesNotInUse.Dat"), (std::vector<std::int32_t>{1}));
  EXPECT_EQ(counts()[0], 2);
  EXPECT_EQ(counts()[1], 1);
  EXPECT_EQ(dataRecords(), 3u);

  add("D");
  EXPECT_EQ(ints(folder / "ClientIndicesInUse.Dat"), (std::vector<std::int32_t>{0, 2, 1}));
  EXPECT_FALSE(std::filesystem::exists(folder / "ClientIndicesNotInUse.Dat"));
  EXPECT_EQ(counts()[0], 3);
  EXPECT_EQ(counts()[1], 0);
  EXPECT_EQ(dataRecords(), 3u);
  EXPECT_EQ(test::readFile(folder / "ClientData.Dat").substr(kClientRecordSize, 2),
            "\x01"
            "D");
}

TEST_F(ClientTableTest, FreedSlotsAreReusedFirstFreedFirst) {
  for (const char* code : {"A", "B", "C", "D", "E"}) add(code);
  remove("E");  // slot 4
  remove("C");  // slot 2
  add("F");
  add("G");
  Transaction tx(folder.path());
  RecordTable table(clientTable(), tx);
  EXPECT_EQ(table.dataSlotAt(*table.find({std::string("F")})), 4);
  EXPECT_EQ(table.dataSlotAt(*table.find({std::string("G")})), 2);
}

TEST_F(ClientTableTest, AddingACodeThatSortsFirstShiftsEverySlotUp) {
  for (const char* code : {"M", "N", "P"}) add(code);
  add("a1");
  EXPECT_EQ(test::readFile(folder / "ClientCodes.Dat"), "a1\r\nM\r\nN\r\nP\r\n");
  EXPECT_EQ(ints(folder / "ClientIndicesInUse.Dat"), (std::vector<std::int32_t>{3, 0, 1, 2}));
}

TEST_F(ClientTableTest, FirstClientCreatesElevenCountsAndLastClientTakesEveryFileAlong) {
  add("A");
  EXPECT_EQ(counts(), (std::vector<std::int32_t>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  add("B");
  remove("A");
  test::writeFile(folder / "ClientGroups.Dat", "A\r\n");
  remove("B");
  EXPECT_EQ(test::snapshot(folder.path()).size(), 1u);  // only the counts file is left
  EXPECT_EQ(counts()[0], 0);
  EXPECT_EQ(counts()[1], 0);
  add("Z");
  EXPECT_EQ(ints(folder / "ClientIndicesInUse.Dat"), (std::vector<std::int32_t>{0}));
  EXPECT_EQ(dataRecords(), 1u);
}

TEST(RecordTable, ReadsTheSampleOfficeAsWritten) {
  test::TempFolder temp;
  const auto folder = test::copySampleOffice(temp.path());
  Transaction tx(folder);

  RecordTable clients(clientTable(), tx);
  EXPECT_EQ(clients.texts(0), (std::vector<std::string>{"ACME", "BETA1", "ZED"}));
  EXPECT_EQ(clients.dataSlots(), (std::vector<std::int32_t>{2, 0, 1}));
  EXPECT_EQ(clients.freeSlots(), (std::vector<std::int32_t>{3}));
  EXPECT_EQ(clients.readRecord(1).substr(2, 12), "Beta One LLC");

  RecordTable matters(matterTable(), tx);
  EXPECT_EQ(matters.texts(1), (std::vector<std::string>{"1", "012", "3"}));
  EXPECT_EQ(matters.find({std::string("ACME"), std::string("12")}), 1u);
  EXPECT_EQ(matters.upperBound({std::string("ACME"), std::string("5")}), 1u);

  RecordTable times(timeRecordTable(), tx);
  EXPECT_EQ(times.size(), 5u);
  EXPECT_EQ(times.dates(2), (std::vector<double>{37074.0, 37075.25, 37075.0, 37082.0, 37077.0}));
  EXPECT_EQ(times.dataSlots(), (std::vector<std::int32_t>{4, 0, 2, 1, 5}));
  EXPECT_EQ(times.freeSlots(), (std::vector<std::int32_t>{3}));
  // A third record on the same day goes after both earlier ones, whatever their time of day.
  EXPECT_EQ(times.upperBound({std::string("ACME"), std::string("1"), 37075.5}), 3u);

  RecordTable payments(paymentRecordTable(), tx);
  EXPECT_EQ(payments.texts(2), (std::vector<std::string>{"500.00", "1500.00"}));
}

TEST(RecordTable, RewritingUnchangedEntriesGivesTheSameBytes) {
  test::TempFolder temp;
  const auto folder = test::copySampleOffice(temp.path());
  const auto before = test::snapshot(folder);
  {
    Transaction tx(folder);
    for (const auto& layout :
         {clientTable(), matterTable(), timeRecordTable(), costCreditRecordTable(), paymentRecordTable()}) {
      RecordTable table(layout, tx);
      for (std::size_t p = 0; p < table.size(); ++p) table.changeKey(p, table.keyAt(p));
      if (!layout.dataFile.empty())
        for (std::size_t p = 0; p < table.size(); ++p) table.changeRecord(p, table.readRecord(p));
    }
    EXPECT_TRUE(tx.hasChanges());
    tx.commit();
  }
  EXPECT_EQ(test::snapshot(folder), before);
}

TEST(RecordTable, ChangingAKeyMovesTheRecordAndKeepsItsDataSlot) {
  test::TempFolder temp;
  const auto folder = test::copySampleOffice(temp.path());
  Transaction tx(folder);
  RecordTable times(timeRecordTable(), tx);
  // ACME/1 on day 37075 (slot 0) moves to ACME/12 after day 37082: the end of ACME's records.
  EXPECT_EQ(times.changeKey(1, {std::string("ACME"), std::string("12"), 37090.0}), 3u);
  EXPECT_EQ(times.dataSlots(), (std::vector<std::int32_t>{4, 2, 1, 0, 5}));
  // A later day within the same place stays put.
  EXPECT_EQ(times.changeKey(0, {std::string("ACME"), std::string("0"), 37080.0}), 0u);
  // Moving to the front.
  EXPECT_EQ(times.changeKey(4, {std::string("AAA"), std::string("1"), 37080.0}), 0u);
  EXPECT_EQ(times.dataSlots(), (std::vector<std::int32_t>{5, 4, 2, 1, 0}));
  tx.commit();
  Transaction reread(folder);
  RecordTable again(timeRecordTable(), reread);
  EXPECT_EQ(again.texts(0), (std::vector<std::string>{"AAA", "ACME", "ACME", "ACME", "ACME"}));
  EXPECT_EQ(again.texts(1), (std::vector<std::string>{"1", "0", "1", "012", "12"}));
}

TEST(RecordTable, RemovingARunFreesItsSlotsInPositionOrder) {
  test::TempFolder temp;
  const auto folder = test::copySampleOffice(temp.path());
  {
    Transaction tx(folder);
    RecordTable matters(matterTable(), tx);
    matters.removeRun(0, 2);  // ACME's two matters
    tx.commit();
  }
  EXPECT_EQ(ints(folder / "MatterIndicesInUse.Dat"), (std::vector<std::int32_t>{0}));
  EXPECT_EQ(ints(folder / "MatterIndicesNotInUse.Dat"), (std::vector<std::int32_t>{1, 2}));
  EXPECT_EQ(ints(folder / "Dimensions.Dat")[3], 1);
  EXPECT_EQ(ints(folder / "Dimensions.Dat")[4], 2);
  EXPECT_EQ(test::readFile(folder / "MatterNumbersArray.Dat"), std::string("\x01"
                                                                           "3\0\0\0\0",
                                                                           6));
}

TEST(RecordTable, PaymentsHaveThreeParallelFilesAndNoSlots) {
  test::TempFolder temp;
  const auto folder = test::copySampleOffice(temp.path());
  {
    Transaction tx(folder);
    RecordTable payments(paymentRecordTable(), tx);
    EXPECT_EQ(payments.add({std::string("ACME"), 37087.9, std::string("75.00")}), 1u);
    payments.remove(0);
    tx.commit();
  }
  EXPECT_EQ(test::readFile(folder / "PaymentRecordAmountsArray.Dat").size(), 24u);
  EXPECT_EQ(ints(folder / "Dimensions.Dat")[9], 2);
  {
    Transaction tx(folder);
    RecordTable payments(paymentRecordTable(), tx);
    payments.removeRun(0, 2);
    tx.commit();
  }
  for (const char* name :
       {"PaymentRecordClientCodesArray.Dat", "PaymentRecordDatesArray.Dat", "PaymentRecordAmountsArray.Dat"})
    EXPECT_FALSE(std::filesystem::exists(folder / name)) << name;
}

TEST(RecordTable, FilesThatDisagreeWithTheCountsAreErrorsNamingTheFile) {
  struct Case {
    const char* damage;
    std::function<void(const std::filesystem::path&)> apply;
    const char* file;
    TableLayout (*table)() = timeRecordTable;
  };
  const auto codes = [](const char* lines) {
    return [lines](const std::filesystem::path& f) { test::writeFile(f / "ClientCodes.Dat", lines); };
  };
  const auto put = [](const char* name, std::vector<std::int32_t> values) {
    return
        [name, values](const std::filesystem::path& f) { test::writeFile(f / name, encodeInt32s(values)); };
  };
  const auto count = [](int slot, std::int32_t value) {
    return [slot, value](const std::filesystem::path& f) {
      std::string counts = test::readFile(f / "Dimensions.Dat");
      counts.replace(static_cast<std::size_t>(slot) * 4, 4, encodeInt32s({value}));
      test::writeFile(f / "Dimensions.Dat", counts);
    };
  };
  const auto grow = [](const char* name, std::uintmax_t by) {
    return [name, by](const std::filesystem::path& f) {
      std::filesystem::resize_file(f / name, std::filesystem::file_size(f / name) + by);
    };
  };
  const Case cases[] = {
      {"short key file",
       [](const auto& f) { std::filesystem::resize_file(f / "TimeRecordDatesArray.Dat", 32); },
       "TimeRecordDatesArray.Dat"},
      {"short slot file",
       [](const auto& f) { std::filesystem::resize_file(f / "TimeRecordIndicesInUse.Dat", 8); },
       "TimeRecordIndicesInUse.Dat"},
      {"missing free-slot file",
       [](const auto& f) { std::filesystem::remove(f / "TimeRecordIndicesNotInUse.Dat"); },
       "TimeRecordIndicesNotInUse.Dat"},
      {"missing counts file", [](const auto& f) { std::filesystem::remove(f / "Dimensions.Dat"); }, "072001"},
      {"key file gone though counted",
       [](const auto& f) { std::filesystem::remove(f / "TimeRecordIndicesInUse.Dat"); },
       "TimeRecordIndicesInUse.Dat"},
      // A code list that re-sorting or cutting would pair with other clients' data slots.
      {"blank line after the codes", codes("ACME\r\nBETA1\r\nZED\r\n\r\n"), "ClientCodes.Dat", clientTable},
      {"codes out of order", codes("ZED\r\nACME\r\nBETA1\r\n"), "ClientCodes.Dat", clientTable},
      {"a code twice", codes("ACME\r\nacme\r\nZED\r\n"), "ClientCodes.Dat", clientTable},
      {"an empty line", codes("\r\nACME\r\nZED\r\n"), "ClientCodes.Dat", clientTable},
      {"one code more than counted", codes("ACME\r\nBETA1\r\nZED\r\nZZ\r\n"), "ClientCodes.Dat", clientTable},
      // Data slots: each of 0..N+F-1 exactly once; one slot twice gives two records one place.
      {"a free slot in use", put("ClientIndicesNotInUse.Dat", {0}), "ClientIndicesNotInUse.Dat", clientTable},
      {"a slot in use twice", put("ClientIndicesInUse.Dat", {2, 0, 2}), "ClientIndicesInUse.Dat",
       clientTable},
      {"a slot beyond the data file", put("TimeRecordIndicesNotInUse.Dat", {6}),
       "TimeRecordIndicesNotInUse.Dat"},
      {"a negative slot", put("MatterIndicesInUse.Dat", {1, -1, 0}), "MatterIndicesInUse.Dat", matterTable},
      {"data file one record long", grow("ClientData.Dat", 396), "ClientData.Dat", clientTable},
      // More entries than counted would be cut off by the next rewrite.
      {"key file one entry long", grow("TimeRecordDatesArray.Dat", 8), "TimeRecordDatesArray.Dat"},
      {"free list one entry long", put("TimeRecordIndicesNotInUse.Dat", {3, 3}),
       "TimeRecordIndicesNotInUse.Dat"},
      {"free list without a free count", count(6, 0), "TimeRecordIndicesNotInUse.Dat"},
      {"payments one entry long", grow("PaymentRecordAmountsArray.Dat", 12), "PaymentRecordAmountsArray.Dat",
       paymentRecordTable},
      // A count of 0 beside the table's files: the table would start afresh over its records.
      {"no matters counted", count(3, 0), "MatterClientCodesArray.Dat", matterTable},
      {"no clients counted", count(0, 0), "ClientCodes.Dat", clientTable},
      {"no payments counted", count(9, 0), "PaymentRecordClientCodesArray.Dat", paymentRecordTable},
      {"a stray file of an empty table",
       [count](const auto& f) {
         for (const char* name :
              {"TimeRecordClientCodesArray.Dat", "TimeRecordMatterNumbersArray.Dat",
               "TimeRecordDatesArray.Dat", "TimeRecordIndicesInUse.Dat", "TimeRecordData.Dat"})
           std::filesystem::remove(f / name);
         count(5, 0)(f);
       },
       "TimeRecordIndicesNotInUse.Dat"},
      // A size no count can need is refused before anything is read.
      {"a 1 TiB code list",
       [](const auto& f) { std::filesystem::resize_file(f / "ClientCodes.Dat", 1ULL << 40); },
       "ClientCodes.Dat", clientTable},
      {"a huge count over a 1 TiB key file",
       [count](const auto& f) {
         count(5, 0x7FFFFFFF)(f);
         std::filesystem::resize_file(f / "TimeRecordClientCodesArray.Dat", 1ULL << 40);
       },
       "TimeRecordClientCodesArray.Dat"},
  };
  for (const auto& c : cases) {
    test::TempFolder temp;
    const auto folder = test::copySampleOffice(temp.path());
    c.apply(folder);
    try {
      Transaction tx(folder);
      RecordTable table(c.table(), tx);
      ADD_FAILURE() << c.damage;
    } catch (const StoreError& error) {
      EXPECT_EQ(error.path().filename(), c.file) << c.damage;
    }
  }
}

TEST(RecordTable, AShortDataFileStopsTheAddBeforeAnythingIsStaged) {
  test::TempFolder temp;
  const auto folder = test::copySampleOffice(temp.path());
  std::filesystem::resize_file(folder / "TimeRecordData.Dat", 265 * 3);  // slot 3 (free) is missing
  const auto before = test::snapshot(folder);
  Transaction tx(folder);
  EXPECT_THROW(RecordTable(timeRecordTable(), tx), StoreError);
  EXPECT_FALSE(tx.hasChanges());
  EXPECT_EQ(test::snapshot(folder), before);
}

}  // namespace vrk::store

namespace vrk::store {

TEST(RecordTable, RekeyMovesEveryMatchingRecordKeepingSlotsAndOrder) {
  test::TempFolder temp;
  const auto folder = test::copySampleOffice(temp.path());
  {
    Transaction tx(folder);
    RecordTable times(timeRecordTable(), tx);
    // ACME's records become BZZ's: after BETA1, in their old order, data slots kept.
    const auto moved = times.rekey([](const Key& k) { return std::get<std::string>(k[0]) == "ACME"; },
                                   [](Key k) {
                                     k[0] = std::string("BZZ");
                                     return k;
                                   });
    EXPECT_EQ(moved, 4u);
    tx.commit();
  }
  Transaction tx(folder);
  RecordTable times(timeRecordTable(), tx);
  EXPECT_EQ(times.texts(0), (std::vector<std::string>{"BETA1", "BZZ", "BZZ", "BZZ", "BZZ"}));
  EXPECT_EQ(times.texts(1), (std::vector<std::string>{"3", "0", "1", "1", "012"}));
  EXPECT_EQ(times.dataSlots(), (std::vector<std::int32_t>{5, 4, 0, 2, 1}));
  EXPECT_EQ(times.dates(2)[2], 37075.25);  // the same-day pair keeps its order
}

}  // namespace vrk::store

namespace vrk::store {

TEST(RecordTable, AddingManyAtOnceLeavesTheFilesAsAddingThemOneByOne) {
  const auto timeKey = [](const char* client, const char* matter, double date) {
    return Key{std::string(client), std::string(matter), date};
  };
  const auto payment = [](const char* client, double date, const char* amount) {
    return Key{std::string(client), date, std::string(amount)};
  };
  struct Case {
    const char* what;
    std::function<TableLayout()> layout;
    bool emptyFirst;
    std::vector<Key> keys;
  };
  const Case cases[] = {
      // The sample's time table has a free slot (3) and records on one day at several times.
      {"time records: free slot, equal keys, first and last, same day", timeRecordTable, false,
       {timeKey("ACME", "1", 37075.0), timeKey("AAA", "1", 1.0), timeKey("ZZZ", "9", 99999.0),
        timeKey("ACME", "1", 37075.0), timeKey("ACME", "01", 37075.9), timeKey("BETA1", "3", 37000.0)}},
      {"time records into an empty table", timeRecordTable, true,
       {timeKey("B", "1", 2.0), timeKey("A", "1", 2.0), timeKey("B", "1", 2.0)}},
      {"payments (no data slots)", paymentRecordTable, false,
       {payment("BETA1", 37080.0, "1.00"), payment("ACME", 1.0, "2.00"), payment("BETA1", 37080.0, "3.00")}},
  };
  for (const auto& c : cases) {
    test::TempFolder oneByOne;
    test::TempFolder atOnce;
    const auto a = test::copySampleOffice(oneByOne.path());
    const auto b = test::copySampleOffice(atOnce.path());
    std::vector<RecordTable::NewRecord> records;
    for (std::size_t i = 0; i < c.keys.size(); ++i) {
      const TableLayout layout = c.layout();
      records.push_back({c.keys[i], layout.recordSize ? std::string(layout.recordSize, static_cast<char>('a' + i))
                                                      : std::string()});
    }
    for (const auto& folder : {a, b}) {
      Transaction tx(folder);
      RecordTable table(c.layout(), tx);
      if (c.emptyFirst) table.removeRun(0, table.size());
      if (folder == a) {
        for (const auto& record : records) table.add(record.key, record.record);
      } else {
        table.addAll(records);
      }
      tx.commit();
    }
    EXPECT_EQ(test::snapshot(b), test::snapshot(a)) << c.what;
  }
}

}  // namespace vrk::store
