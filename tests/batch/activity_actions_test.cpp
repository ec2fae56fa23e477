// vrk-batch's whole-period activity reports end to end on a copy of the sample office whose two
// client groups were finalized: the figures of both groups summed, and the gate before either.
#include <gtest/gtest.h>

#include <functional>

#include "batch/batch_runner.h"
#include "core/statements/activity_files.h"
#include "core/statements/run_records.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

// Groups A and B of the sample office (attorneys AB, JD, MKL) finalized one after the other.
void finalize(const std::filesystem::path& folder, const std::string& group,
              const statements::GroupActivity& activity) {
  store::Transaction tx(folder);
  statements::stageActivityFiles(tx, {"AB", "JD", "MKL"}, std::nullopt, activity);
  statements::stageFinishedGroup(tx, group);
  tx.commit();
}

statements::GroupActivity groupA() {
  statements::GroupActivity activity;
  activity.attorneys = {{1.5, 0, 0.25, 10, 1500}, {0, 4, 0, 2.5, 625}, {}};
  activity.totals = {18.25, 1000, 400, 2500, 2100, 600, 9, 500, 2125, 80.5, 20, 3294.5};
  return activity;
}

statements::GroupActivity groupB() {
  statements::GroupActivity activity;
  activity.attorneys = {{0.5, 0, 0, 2, 300}, {}, {0, 0, 1, 3.5, 1050}};
  activity.totals = {7, 0, 0, 0, 0, 0, 0, 0, 1350, 0, 0, 1350};
  return activity;
}

class ActivityActionsTest : public ::testing::Test {
 protected:
  void SetUp() override { office = copySampleOffice(folder.path()); }
  BatchResult batch(std::vector<std::string> args) {
    return runBatchOn(folder.path(), args, "08/14/2001", "072001", true);
  }
  TempFolder folder;
  std::filesystem::path office;
};

TEST_F(ActivityActionsTest, BothReportsShowTheSumsOfEveryFinalizedGroup) {
  finalize(office, "A", groupA());
  finalize(office, "B", groupB());
  struct Case {
    std::vector<std::string> args;
    std::vector<std::string> lines;  // each found whole in the output
  };
  const Case cases[] = {
      {{"print", "attorney-activity"},
       {std::string(25, ' ') + "Attorney Activity Report - All Client Groups",
        "    Date Of This Report:  8/14/2001",
        "         AB       2.0         0.0        0.3       12.0       12.3   $1,800.00",
        "         JD       0.0         4.0        0.0        2.5        6.5     $625.00",
        "         MKL      0.0         0.0        1.0        3.5        4.5   $1,050.00",
        "      TOTALS      2.0         4.0        1.3       18.0       23.3   $3,475.00"}},
      {{"print", "billing-activity"},
       {"      Total Attorney Hours For All Client Groups = 25.3",
        "      Total Hourly Fees For All Client Groups = $3,475.00",
        // 2,125 + 500 + 9 + 80.50 - 20, and 1,350 of group B.
        "      Total Billings For All Client Groups = $4,044.50",
        "      Total Of Balances Now Due For All Client Groups = $4,644.50"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const auto result = batch(c.args);
    EXPECT_EQ(result.status, 0) << result.out;
    for (const auto& expected : c.lines)
      EXPECT_NE(result.out.find("\n" + expected + "\n"), std::string::npos) << expected << "\n" << result.out;
  }
}

TEST(ActivityActions, TheReportsWaitForEveryGroupsFinalStatements) {
  struct Case {
    const char* name;
    std::function<void(const std::filesystem::path&)> prepare;
    std::string message;
  };
  const Case cases[] = {
      {"nothing finalized", [](const auto&) {}, "FINAL STATEMENTS HAVE NOT BEEN PRINTED"},
      {"group B missing", [](const auto& f) { finalize(f, "A", groupA()); },
       "FINAL STATEMENTS FOR ALL CLIENT GROUPS"},
  };
  for (const auto& c : cases) {
    for (const char* document : {"attorney-activity", "billing-activity"}) {
      SCOPED_TRACE(std::string(c.name) + " " + document);
      TempFolder temp;
      const auto folder = copySampleOffice(temp.path());
      c.prepare(folder);
      const auto result = runBatchOn(temp.path(), {"print", document}, "08/14/2001", "072001", true);
      EXPECT_EQ(result.status, 2) << result.out;
      EXPECT_NE(result.out.find(c.message), std::string::npos) << result.out;
      EXPECT_EQ(result.out.find("Activity Report"), std::string::npos) << result.out;
    }
  }
}

}  // namespace
}  // namespace vrk::test
