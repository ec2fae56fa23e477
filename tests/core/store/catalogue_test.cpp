#include "core/store/catalogue.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace vrk::store {

TEST(PresenceChecks, AnEmptyFolderFailsEveryCheckOnTheCountsFile) {
  test::TempFolder folder;
  for (const PresenceCheck check : kAllPresenceChecks)
    EXPECT_EQ(firstMissingFile(folder.path(), check), std::optional<std::string>("Dimensions.Dat"));
}

TEST(PresenceChecks, StopAtTheFirstMissingFileInOrder) {
  test::TempFolder folder;
  for (const char* name : {"Dimensions.Dat", "AttorneyInitials.Dat", "FeeSchedules.Dat"})
    test::writeFile(folder / name, "");
  EXPECT_EQ(firstMissingFile(folder.path(), PresenceCheck::FeeScheduleData), std::nullopt);
  EXPECT_EQ(firstMissingFile(folder.path(), PresenceCheck::ClientData),
            std::optional<std::string>("ClientCodes.Dat"));

  // Matters pass without their data file; payments need none.
  for (const char* name : {"MatterClientCodesArray.Dat", "MatterNumbersArray.Dat", "MatterIndicesInUse.Dat",
                           "PaymentRecordClientCodesArray.Dat", "PaymentRecordAmountsArray.Dat"})
    test::writeFile(folder / name, "");
  EXPECT_EQ(firstMissingFile(folder.path(), PresenceCheck::MatterData), std::nullopt);
  EXPECT_EQ(firstMissingFile(folder.path(), PresenceCheck::PaymentRecordData),
            std::optional<std::string>("PaymentRecordDatesArray.Dat"));
  EXPECT_STREQ(presenceCheckMessage(PresenceCheck::PaymentRecordData),
               "THERE ARE NO PAYMENT RECORD DATA FILES FOR THIS BILLING PERIOD");
}

}  // namespace vrk::store
