#include "core/store/counts.h"

#include <gtest/gtest.h>

#include "core/store/binary_codec.h"
#include "core/store/store_error.h"
#include "support/temp_folder.h"

namespace vrk::store {

TEST(CountsFile, CreatedWithTenOrElevenSlotsAndWritersKeepToTheirSlots) {
  test::TempFolder folder;
  {
    Transaction tx(folder.path());
    writeCounts(tx, slot::kClients, {1, 0}, 11);
    tx.commit();
  }
  EXPECT_EQ(test::readFile(folder / "Dimensions.Dat"), encodeInt32s({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  {
    Transaction tx(folder.path());
    writeCounts(tx, slot::kFeeSchedules, {3});
    writeCounts(tx, slot::kPaymentRecords, {2});
    EXPECT_EQ(readCounts(tx, 0, 3), (std::vector<std::int32_t>{1, 0, 3}));  // staged writes are seen
    tx.commit();
  }
  EXPECT_EQ(test::readFile(folder / "Dimensions.Dat"), encodeInt32s({1, 0, 3, 0, 0, 0, 0, 0, 0, 2, 0}));

  test::TempFolder other;
  Transaction tx(other.path());
  writeCounts(tx, slot::kFeeSchedules, {1});
  tx.commit();
  EXPECT_EQ(test::readFile(other / "Dimensions.Dat"), encodeInt32s({0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(CountsFile, MissingShortOrNegativeIsAnErrorNamingTheFile) {
  struct Case {
    const char* what;
    std::string bytes;
    bool present;
  };
  const Case cases[] = {
      {"missing", "", false},
      {"too short", encodeInt32s({1, 0, 2}), true},
      {"negative", encodeInt32s({1, 0, 2, 0, 0, -1, 0, 0, 0, 0}), true},
  };
  for (const auto& c : cases) {
    test::TempFolder folder;
    if (c.present) test::writeFile(folder / "Dimensions.Dat", c.bytes);
    Transaction tx(folder.path());
    try {
      readCounts(tx, slot::kTimeRecords, 2);
      ADD_FAILURE() << c.what;
    } catch (const StoreError& error) {
      // A missing counts file is named by its folder, with the file's name in the message.
      EXPECT_EQ(error.path(), c.present ? folder / "Dimensions.Dat" : folder.path()) << c.what;
      EXPECT_EQ(c.present, error.problem() != kCountsFileMissing) << c.what;
    }
  }
}

TEST(CountsFile, WritingPastTheEndOfAShortFileIsRefusedNotExtended) {
  struct Case {
    int first;
    std::vector<std::int32_t> values;
    bool refused;
  };
  const Case cases[] = {
      {2, {3}, false},  // the last slot the three-slot file holds
      {2, {3, 4}, true},
      {3, {3}, true},  // starts right at the end
  };
  for (const auto& c : cases) {
    test::TempFolder folder;
    test::writeFile(folder / "Dimensions.Dat", encodeInt32s({1, 0, 2}));
    Transaction tx(folder.path());
    if (c.refused) {
      EXPECT_THROW(writeCounts(tx, c.first, c.values), StoreError) << c.first;
      EXPECT_EQ(tx.size("Dimensions.Dat"), 12u) << c.first;
    } else {
      writeCounts(tx, c.first, c.values);
      EXPECT_EQ(tx.read("Dimensions.Dat"), encodeInt32s({1, 0, 3}));
    }
  }
}

TEST(CountsFile, StartedAfreshOnlyInAFolderWithoutCountedFiles) {
  // Fresh counts beside existing records would tell every table it is empty.
  for (const char* present : {"AttorneyInitials.Dat", "ClientData.Dat", "MatterIndicesNotInUse.Dat",
                              "PaymentRecordAmountsArray.Dat"}) {
    test::TempFolder folder;
    test::writeFile(folder / present, "x");
    Transaction tx(folder.path());
    try {
      writeCounts(tx, slot::kFeeSchedules, {1});
      ADD_FAILURE() << present;
    } catch (const StoreError& error) {
      EXPECT_EQ(error.path(), folder.path()) << present;
      EXPECT_EQ(error.problem(), kCountsFileMissing) << present;
    }
    EXPECT_FALSE(tx.hasChanges()) << present;
  }
}

}  // namespace vrk::store
