#include "core/store/billing_period.h"

#include <gtest/gtest.h>

#include "core/shell/start_up.h"
#include "core/store/file_io.h"
#include "core/store/transaction.h"
#include "support/temp_folder.h"

namespace vrk::store {

TEST(BillingPeriod, ProposedFromTodayAndShownInTheDialogBoxes) {
  struct Case {
    CalendarDate today;
    const char* period;
    const char* month;
    const char* year;
  };
  const Case cases[] = {
      {{2026, 12, 5}, "122026", "12", "2026"},
      {{2001, 3, 9}, "032001", "3", "2001"},
      {{2001, 10, 31}, "102001", "10", "2001"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(defaultBillingPeriod(c.today), c.period);
    BillingPeriodQuery query(c.period);
    EXPECT_EQ(query.monthText(), c.month);
    EXPECT_EQ(query.yearText(), c.year);
  }
}

TEST(BillingPeriod, DialogOkSetsThePeriodOrShowsOneMessageAndAlwaysCloses) {
  struct Case {
    const char* month;
    const char* year;
    const char* period;
    const char* message;
  };
  const Case cases[] = {
      {"7", "2001", "072001", nullptr},
      {"07", "2001", "072001", nullptr},
      {"12", "2001", "122001", nullptr},
      {"10", "0000", "100000", nullptr},
      {"0", "2001", "052026", "INVALID MONTH ENTRY"},
      {"13", "2001", "052026", "INVALID MONTH ENTRY"},
      {"00", "2001", "052026", "INVALID MONTH ENTRY"},
      {"1a", "2001", "052026", "INVALID MONTH ENTRY"},
      {"", "2001", "052026", "INVALID MONTH ENTRY"},
      {"123", "2001", "052026", "INVALID MONTH ENTRY"},
      {" 7", "2001", "052026", "INVALID MONTH ENTRY"},
      {"7", "01", "052026", "INVALID YEAR ENTRY"},
      {"7", "20011", "052026", "INVALID YEAR ENTRY"},
      {"7", "20a1", "052026", "INVALID YEAR ENTRY"},
      {"7", "", "052026", "INVALID YEAR ENTRY"},
      {"0", "20a1", "052026", "INVALID MONTH ENTRY"},
  };
  for (const auto& c : cases) {
    BillingPeriodQuery query("052026");
    const auto outcome = query.ok(c.month, c.year);
    EXPECT_EQ(query.period(), c.period) << c.month << " " << c.year;
    EXPECT_EQ(outcome.closing, dialog::Closing::Ok);
    if (c.message) {
      ASSERT_EQ(outcome.messages.size(), 1u);
      EXPECT_EQ(outcome.messages[0], (dialog::Message{dialog::MessageKind::Error, c.message}));
    } else {
      EXPECT_TRUE(outcome.messages.empty());
    }
  }
}

TEST(BillingPeriod, PriorAndNextPeriodsAndTheLabel) {
  struct Case {
    const char* period;
    const char* prior;
    const char* next;
  };
  const Case cases[] = {
      {"012001", "122000", "022001"},
      {"102001", "092001", "112001"},
      {"112001", "102001", "122001"},
      {"122000", "112000", "012001"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(priorBillingPeriod(c.period), c.prior);
    EXPECT_EQ(nextBillingPeriod(c.period), c.next);
  }
  EXPECT_EQ(billingPeriodLabel("072001"), "Billing Period is  07/2001");
  EXPECT_TRUE(isBillingPeriod("072001"));
  for (const char* bad : {"132001", "002001", "72001", "07200a", ""})
    EXPECT_FALSE(isBillingPeriod(bad)) << bad;
}

TEST(BillingPeriod, OpeningCreatesTheFolderOnceAndReportsAFailure) {
  test::TempFolder data;
  const std::string dataFilesPath = data.path().string() + "/";
  const auto folder = billingPeriodFolder(dataFilesPath, "072001");
  EXPECT_EQ(folder, data / "072001");
  EXPECT_EQ(ensureBillingPeriodFolder(folder), "");
  test::writeFile(folder / "Dimensions.Dat", "x");
  EXPECT_EQ(ensureBillingPeriodFolder(folder), "");  // opening again changes nothing
  EXPECT_TRUE(std::filesystem::exists(folder / "Dimensions.Dat"));

  // A save a crash interrupted after sealing its journal is finished on opening; a damaged
  // journal is reported.
  struct Crash {};
  Transaction tx(folder);
  tx.writeWhole("ClientGroups.Dat", "GROUP\r\n");
  tx.setFaultHook([](const std::string& point) {
    if (point.starts_with("apply")) throw Crash{};
  });
  EXPECT_THROW(tx.commit(), Crash);
  EXPECT_EQ(ensureBillingPeriodFolder(folder), "");
  EXPECT_EQ(test::readFile(folder / "ClientGroups.Dat"), "GROUP\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder / kJournalName));
  test::writeFile(folder / kJournalName, "damaged");
  EXPECT_NE(ensureBillingPeriodFolder(folder).find(kJournalName), std::string::npos);

  const auto missingParent = billingPeriodFolder(data.path().string() + "/gone/", "072001");
  EXPECT_EQ(ensureBillingPeriodFolder(missingParent)
                .rfind("THE FOLDER OF THIS BILLING PERIOD COULD NOT BE CREATED", 0),
            0u);
}

TEST(BillingPeriod, ACreatedFolderIsMadeDurableInItsParent) {
  // Without syncing the parent, a power cut can take a new folder away with every save in it.
  struct Syncs : io::Observer {
    std::vector<std::filesystem::path> dirs;
    void fileCreated(const std::filesystem::path&) override {}
    void fileSynced(const std::filesystem::path&) override {}
    void fileRenamed(const std::filesystem::path&, const std::filesystem::path&) override {}
    void fileRemoved(const std::filesystem::path&) override {}
    void directorySynced(const std::filesystem::path& dir) override { dirs.push_back(dir); }
  };
  test::TempFolder data;
  const std::function<std::string()> creations[] = {
      [&] { return ensureBillingPeriodFolder(data / "072001"); },
      [&] { return shell::createDataDirectory((data / "VRK DATA FILES").string() + "/"); },
  };
  for (const auto& create : creations) {
    Syncs syncs;
    io::setObserver(&syncs);
    EXPECT_EQ(create(), "");
    io::setObserver(nullptr);
    ASSERT_EQ(syncs.dirs.size(), 1u);
    EXPECT_TRUE(std::filesystem::equivalent(syncs.dirs[0], data.path()));
  }
}

}  // namespace vrk::store
