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
      EXPECT_EQ(error.path().filename(), "Dimensions.Dat") << c.what;
    }
  }
}

}  // namespace vrk::store
