#include "core/attorneys/attorney_register.h"

#include <gtest/gtest.h>

#include "core/store/store_error.h"
#include "support/temp_folder.h"

namespace vrk::attorneys {

TEST(AttorneyRegister, ReadsTheSampleOfficeAndWritesItBackUnchanged) {
  test::TempFolder temp;
  const auto folder = test::copySampleOffice(temp.path());
  const auto before = test::snapshot(folder);
  {
    store::Transaction tx(folder);
    ASSERT_TRUE(registerPresent(tx));
    const auto reg = loadAttorneyRegister(tx);
    EXPECT_EQ(reg.initials, (std::vector<std::string>{"AB", "JD", "MKL"}));
    EXPECT_EQ(reg.scheduleCount, 3);
    EXPECT_EQ(reg.rates[1][2], "300");  // written without leading zeros
    EXPECT_EQ(rateFor(reg, "JD", 3), 300.0);
    EXPECT_EQ(rateFor(reg, "MKL", 1), 95.5);
    EXPECT_EQ(rateFor(reg, "MKL", 4), std::nullopt);
    EXPECT_EQ(rateFor(reg, "ZZ", 1), std::nullopt);
    stageAttorneyRegister(tx, reg);
    tx.commit();
  }
  EXPECT_EQ(test::snapshot(folder), before);
}

TEST(AttorneyRegister, ARateFileShorterThanTheListIsAnError) {
  test::TempFolder temp;
  const auto folder = test::copySampleOffice(temp.path());
  std::filesystem::resize_file(folder / "FeeSchedules.Dat", 180);
  store::Transaction tx(folder);
  EXPECT_THROW(loadAttorneyRegister(tx), store::StoreError);
}

}  // namespace vrk::attorneys
