// vrk-batch do sample-office: the office written into the current billing period, and the
// command lines it refuses.
#include <gtest/gtest.h>

#include "batch/batch_runner.h"
#include "core/store/record_table.h"
#include "core/store/tables.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

TEST(SampleOfficeAction, WritesTheOfficeOnceAndRefusesBadCommandLines) {
  TempFolder data;
  const auto batch = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {"do", "sample-office"});
    return runBatchOn(data.path(), args, "07/20/2001", "072001", true);
  };
  const auto written = batch({"clients=20", "matters=35", "time=300", "costs=60", "payments=25", "seed=7"});
  EXPECT_EQ(written.status, 0) << written.out;
  EXPECT_EQ(written.out,
            "Sample office written to billing period 07/2001: 20 clients, 35 matters, 300 time records, "
            "60 cost/credit records, 25 payment records (seed 7)\nOK\n");
  {
    store::Transaction tx(data / "072001");
    EXPECT_EQ(store::RecordTable(store::clientTable(), tx).size(), 20u);
    EXPECT_EQ(store::RecordTable(store::timeRecordTable(), tx).size(), 300u);
    EXPECT_EQ(store::RecordTable(store::paymentRecordTable(), tx).size(), 25u);
  }
  const auto before = snapshot(data / "072001");

  struct Case {
    std::vector<std::string> fields;
    std::string error;  // what the usage error says
  };
  const Case cases[] = {
      {{}, "billing period 07/2001 already holds clients"},
      {{"clients=0"}, "clients must be from 1 to 99999"},
      {{"clients=abc"}, "clients needs a whole number"},
      {{"time=-5"}, "time needs a whole number"},
      {{"seed=4294967296"}, "seed needs a whole number from 0 to 4294967295"},
      {{"matters=0"}, "time and cost/credit records need at least one matter"},
      {{"attorneys=3"}, "sample-office has no field attorneys"},
  };
  for (const auto& c : cases) {
    const auto refused = batch(c.fields);
    EXPECT_EQ(refused.status, 2) << refused.out;
    EXPECT_NE(refused.out.find(c.error), std::string::npos) << refused.out;
  }
  EXPECT_EQ(snapshot(data / "072001"), before);
}

}  // namespace
}  // namespace vrk::test
