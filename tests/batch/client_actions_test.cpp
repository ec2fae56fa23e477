// vrk-batch's client actions end to end on a copy of the sample office: messages, answers, refusals.
#include <gtest/gtest.h>

#include "batch/batch_runner.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

class ClientActionsTest : public ::testing::Test {
 protected:
  BatchResult batch(std::vector<std::string> args) {
    return runBatchOn(folder.path(), args, "12/05/2026", "072001");
  }
  TempFolder folder;
};

}  // namespace

TEST_F(ClientActionsTest, EachActionPrintsItsBoxesAndEndsOkOrRefused) {
  const std::string noFiles = "[error]\nTHERE ARE NO CLIENT DATA FILES FOR THIS BILLING PERIOD\nREFUSED\n";
  EXPECT_EQ(batch({"do", "delete-client", "client=ACME"}).out, noFiles);
  copySampleOffice(folder.path());

  struct Case {
    std::vector<std::string> args;
    std::string out;
    int status;
  };
  const Case cases[] = {
      {{"do", "add-client", "code=new1", "group=c", "monthly-retainer-amount=$1,250.50", "category=4"},
       "OK\n",
       0},
      {{"do", "add-client", "code=new1", "group=c"},
       "[error]\nTHIS CLIENT CODE IS ALREADY IN USE\nREFUSED\n",
       1},
      {{"do", "change-client", "client=new1", "code=ZED"},
       "[error]\n           INVALID CLIENT CODE\nTHIS CLIENT CODE IS ALREADY IN USE\nREFUSED\n",
       1},
      {{"do", "change-client", "client=nope"},
       "[error]\n          INVALID CLIENT CODE\nNO DATA IS PRESENT FOR THIS CLIENT\nREFUSED\n",
       1},
      {{"do", "change-client", "client=new1", "code=NEW2", "trust-account-balance=($5.00)"}, "OK\n", 0},
      {{"do", "delete-client", "client=acme", "--yes"},
       "[confirmation]\nDelete All Matters For Client ACME?          \nOK\n",
       0},
      {{"do", "delete-client-group", "group=Z"},
       "[error]\nNo Clients Are Present\n  For This Client Group\nREFUSED\n",
       1},
      {{"do", "delete-client-group", "group=C", "--no"},
       "[confirmation]\nDelete All Matters For Client NEW2?          \nOK\n",
       0},
  };
  for (const auto& c : cases) {
    const auto result = batch(c.args);
    EXPECT_EQ(result.out, c.out) << c.args[1] << " " << c.args[2];
    EXPECT_EQ(result.status, c.status) << c.args[1] << " " << c.args[2];
  }
  EXPECT_EQ(readFile(folder / "072001" / "ClientCodes.Dat"), "BETA1\r\nZED\r\n");
  EXPECT_EQ(readFile(folder / "072001" / "ClientGroups.Dat"), "A\r\nB\r\n");
}

TEST_F(ClientActionsTest, FieldsNoBoxCouldHoldAreUsageErrors) {
  copySampleOffice(folder.path());
  const std::vector<std::vector<std::string>> cases = {
      {"do", "add-client", "code=X", "group=A", "fees-on-last-statement=12.345"},
      {"do", "add-client", "code=X", "group=A", "fees-on-last-statement=100000000"},
      {"do", "add-client", "code=X", "group=A", "category=5"},
      {"do", "add-client", "code=X", "group=A", "late-charges=maybe"},
      {"do", "add-client", "code=X", "group=A", "last-statement-date=02/30/2001"},
      {"print", "client-data", "client=NOPE"},
  };
  for (const auto& args : cases) EXPECT_EQ(batch(args).status, 2) << args.back();
  EXPECT_EQ(readFile(folder / "072001" / "ClientCodes.Dat"), "ACME\r\nBETA1\r\nZED\r\n");
}

}  // namespace vrk::test
