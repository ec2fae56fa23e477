#include "core/attorneys/attorney_register.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/store/store_error.h"
#include "support/temp_folder.h"

namespace vrk::attorneys {

TEST(AttorneyRegister, ReadsTheSampleOfficeAndWritesItBackUnchanged) {
  test::TempFolder temp;
  const auto folder = test::copySampleOffice(temp.path());
  const auto before = test::snapshot(folder);
  {
    store::Transaction tx(folder);
    ASSERT_TRUE(registerStarted(tx));
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

TEST(AttorneyRegister, DamagedFilesAreErrorsNamingTheFile) {
  // Rates pair with the attorney list by line, so a list out of order would give attorneys
  // each other's rates.
  const std::pair<std::function<void(const std::filesystem::path&)>, const char*> cases[] = {
      {[](const auto& f) { std::filesystem::resize_file(f / "FeeSchedules.Dat", 180); }, "FeeSchedules.Dat"},
      {[](const auto& f) { test::writeFile(f / "AttorneyInitials.Dat", "JD\r\nAB\r\nMKL\r\n"); },
       "AttorneyInitials.Dat"},
      {[](const auto& f) { test::writeFile(f / "AttorneyInitials.Dat", "AB\r\nAB\r\nJD\r\n"); },
       "AttorneyInitials.Dat"},
      {[](const auto& f) { std::filesystem::resize_file(f / "FeeSchedules.Dat", 360); }, "FeeSchedules.Dat"},
      // A register missing some of its files is damaged, never one yet to be started: starting
      // afresh would replace AB, JD and MKL.
      {[](const auto& f) { std::filesystem::remove(f / "AttorneyInitials.Dat"); }, "AttorneyInitials.Dat"},
      {[](const auto& f) { std::filesystem::remove(f / "FeeSchedules.Dat"); }, "FeeSchedules.Dat"},
      {[](const auto& f) { std::filesystem::remove(f / "Dimensions.Dat"); }, "072001"},
  };
  for (const auto& [damage, file] : cases) {
    test::TempFolder temp;
    const auto folder = test::copySampleOffice(temp.path());
    damage(folder);
    store::Transaction tx(folder);
    try {
      ASSERT_TRUE(registerStarted(tx));
      loadAttorneyRegister(tx);
      ADD_FAILURE() << file;
    } catch (const store::StoreError& error) {
      EXPECT_EQ(error.path().filename(), file);
    }
  }
}

}  // namespace vrk::attorneys
