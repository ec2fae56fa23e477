// vrk-batch's billing record actions end to end on a copy of the sample office: each add, change
// and delete with the client's records listed afterwards, refusals, usage errors.
#include <gtest/gtest.h>

#include "batch/batch_runner.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

class RecordActionsTest : public ::testing::Test {
 protected:
  void SetUp() override { office = copySampleOffice(folder.path()); }
  BatchResult batch(std::vector<std::string> args) {
    return runBatchOn(folder.path(), args, "07/20/2001", "072001");
  }
  std::string listing(const std::string& kind, const std::string& client) {
    return batch({"print", "records", kind, "client=" + client}).out;
  }
  TempFolder folder;
  std::filesystem::path office;
};

TEST_F(RecordActionsTest, EachActionSavesAndTheListingShowsTheResult) {
  struct Step {
    std::vector<std::string> args;
    std::string kind;  // the listing checked after the step
    std::string client;
    std::string listing;
  };
  const Step steps[] = {
      // No date: the last entry date, today; no rate: the box's "$", no special rate.
      {{"add-time-record", "client=acme", "matter=12", "attorney=jd", "time=2", "description-1=Drafted lease",
        "description-3=and exhibits"},
       "time",
       "ACME",
       "  1  0      07/02/2001  slot 4    JD     1.0        none  Retainer call\n"
       "  2  1      07/03/2001  slot 0    JD     2.5        none  Drafted annual report / and board minutes\n"
       "  3  1      07/03/2001  slot 2    AB     0.3       $0.00  Telephone call - no charge\n"
       "  4  012    07/10/2001  slot 1    AB    1.25   $1,250.00  Court appearance / special rate\n"
       "  5  12     07/20/2001  slot 3    JD     2.0        none  Drafted lease / and exhibits\n"},
      // The second of two equal dates; a new matter moves it, the fields not given stay.
      {{"change-time-record", "client=acme", "matter=1", "date-entry=2", "new-matter=0", "time=0.5",
        "billing-rate=200"},
       "time",
       "ACME",
       "  1  0      07/02/2001  slot 4    JD     1.0        none  Retainer call\n"
       "  2  0      07/03/2001  slot 2    AB     0.5     $200.00  Telephone call - no charge\n"
       "  3  1      07/03/2001  slot 0    JD     2.5        none  Drafted annual report / and board minutes\n"
       "  4  012    07/10/2001  slot 1    AB    1.25   $1,250.00  Court appearance / special rate\n"
       "  5  12     07/20/2001  slot 3    JD     2.0        none  Drafted lease / and exhibits\n"},
      {{"change-time-record", "client=acme", "matter=012", "new-client=beta1", "new-matter=3",
        "new-date=07/05/2001", "attorney=mkl", "billing-rate=none", "description-2="},
       "time",
       "BETA1",
       "  1  3      07/05/2001  slot 5    MKL    3.0        none  Search and application\n"
       "  2  3      07/05/2001  slot 1    MKL   1.25        none  Court appearance\n"},
      {{"delete-time-record", "client=acme", "matter=0"},
       "time",
       "ACME",
       "  1  0      07/03/2001  slot 2    AB     0.5     $200.00  Telephone call - no charge\n"
       "  2  1      07/03/2001  slot 0    JD     2.5        none  Drafted annual report / and board minutes\n"
       "  3  12     07/20/2001  slot 3    JD     2.0        none  Drafted lease / and exhibits\n"},

      {{"add-cost-credit-record", "client=beta1", "matter=3", "date=07/06/2001", "kind=credit", "amount=15",
        "description-1=Refund"},
       "cost-credit",
       "BETA1",
       "  1  3      07/06/2001  slot 2    cost            $10.50  Postage / and copies\n"
       "  2  3      07/06/2001  slot 3    credit          $15.00  Refund\n"},
      {{"change-cost-credit-record", "client=acme", "matter=1", "date-entry=2", "kind=cost",
        "amount=$1,030.5", "description-2=waived"},
       "cost-credit",
       "ACME",
       "  1  1      07/03/2001  slot 0    cost           $125.00  Filing fee\n"
       "  2  1      07/09/2001  slot 1    cost         $1,030.50  Courtesy discount / waived\n"},
      {{"delete-cost-credit-record", "client=acme", "matter=1"},
       "cost-credit",
       "ACME",
       "  1  1      07/09/2001  slot 1    cost         $1,030.50  Courtesy discount / waived\n"},

      {{"add-payment", "client=beta1", "amount=250"},
       "payment",
       "BETA1",
       "  1  07/20/2001       $1,500.00\n"
       "  2  07/20/2001         $250.00\n"},
      {{"change-payment", "client=beta1", "date-entry=2", "new-date=07/01/2001", "amount=300"},
       "payment",
       "BETA1",
       "  1  07/01/2001         $300.00\n"
       "  2  07/20/2001       $1,500.00\n"},
      {{"delete-payment", "client=acme"}, "payment", "ACME", "No payment records for client ACME\n"},
  };
  for (const auto& step : steps) {
    std::vector<std::string> args = step.args;
    args.insert(args.begin(), "do");
    const auto result = batch(args);
    EXPECT_EQ(result.out, "OK\n") << step.args[0];
    EXPECT_EQ(result.status, 0) << step.args[0];
    EXPECT_EQ(listing(step.kind, step.client), step.listing) << step.args[0];
  }
}

TEST_F(RecordActionsTest, APaymentRaisesTheClientsTotal) {
  const auto total = [&] {
    const std::string data = batch({"print", "client-data", "client=ACME"}).out;
    const auto at = data.find("Payments Since Last Statement:");
    return at == std::string::npos ? std::string() : data.substr(at, data.find('\n', at) - at);
  };
  EXPECT_EQ(total(), "Payments Since Last Statement:        $500.00");
  EXPECT_EQ(batch({"do", "add-payment", "client=acme", "date=07/16/2001", "amount=$1,250.00"}).out, "OK\n");
  EXPECT_EQ(total(), "Payments Since Last Statement:      $1,750.00");
}

TEST_F(RecordActionsTest, RefusalsChangeNoFile) {
  const Snapshot before = snapshot(office);
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  const Case cases[] = {
      {{"add-time-record", "client=acme", "matter=7", "attorney=jd", "time=1"},
       "[error]\n                 INVALID MATTER NUMBER\nTHIS NUMBER IS NOT IN USE FOR THIS "
       "CLIENT\nREFUSED\n"},
      {{"add-time-record", "client=acme", "matter=1", "attorney=zz", "time=1"},
       "[error]\n             INVALID ATTORNEY INITIALS\nNO DATA IS PRESENT FOR THIS ATTORNEY\nREFUSED\n"},
      {{"add-cost-credit-record", "client=acme", "matter=1"},  // the amount box still holds "$"
       "[error]\n              INVALID COST/CREDIT AMOUNT\nENTER A NUMBER FROM $0.01 TO "
       "$99,999,999.99\nREFUSED\n"},
      {{"add-payment", "client=nope", "amount=5"},
       "[error]\n               INVALID CLIENT CODE\nNO DATA IS PRESENT FOR THIS CLIENT\nREFUSED\n"},
      {{"add-payment", "client=zed"},
       "[error]\n                  INVALID PAYMENT AMOUNT\nENTER A NUMBER FROM $0.01 TO "
       "$99,999,999.99\nREFUSED\n"},
      {{"change-time-record", "client=zed", "matter=1"},
       "[information]\nNO TIME RECORDS ARE PRESENT FOR THIS CLIENT\nREFUSED\n"},
      {{"change-cost-credit-record", "client=acme", "matter=1", "new-matter=5"},
       "[error]\n                 INVALID MATTER NUMBER\nTHIS NUMBER IS NOT IN USE FOR THIS "
       "CLIENT\nREFUSED\n"},
      {{"delete-time-record", "client=acme", "matter=5"},
       "[information]\nNo Time Records Have Been Entered For This Client/Matter\nREFUSED\n"},
      {{"delete-cost-credit-record", "client=acme", "matter=x"},
       "[error]\n         Invalid Matter Number\nEnter A Number From 1 To 99999\nREFUSED\n"},
      {{"change-payment", "client=acme", "new-client=beta1", "amount=99,998,500.01"},  // BETA1 has 1500.00
       "[error]\nPAYMENTS SINCE LAST STATEMENT\nWOULD EXCEED $99,999,999.99\nREFUSED\n"},
      {{"delete-payment", "client=zed"},
       "[information]\nNo Payment Records Are Present For This Client\nREFUSED\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.begin(), "do");
    const auto result = batch(args);
    EXPECT_EQ(result.out, c.out) << c.args[0] << " " << c.args[1];
    EXPECT_EQ(result.status, 1) << c.args[0] << " " << c.args[1];
  }
  EXPECT_EQ(snapshot(office), before);
}

TEST_F(RecordActionsTest, FieldsNoBoxOrListCouldTakeAreUsageErrors) {
  const Snapshot before = snapshot(office);
  const std::vector<std::vector<std::string>> cases = {
      {"do", "add-time-record", "client=acme", "matter=1", "attorney=jd", "time=1", "date=13/01/2001"},
      {"do", "change-time-record", "client=acme", "matter=1", "new-date=07/32/2001"},
      {"do", "add-cost-credit-record", "client=acme", "matter=1", "amount=1", "kind=debit"},
      {"do", "change-cost-credit-record", "client=acme", "matter=1", "kind=Credit"},
      {"do", "delete-time-record", "client=acme", "matter=1", "date-entry=0"},
      {"do", "delete-time-record", "client=acme", "matter=1", "date-entry=x"},
      {"do", "delete-time-record", "client=acme", "matter=1", "date-entry=3"},  // its list has two dates
      {"do", "delete-payment", "client=acme", "date-entry=2"},
      {"do", "add-payment", "client=acme", "amount=5", "note=x"},
      {"print", "records", "client=acme"},
      {"print", "records", "fees", "client=acme"},
      {"print", "records", "time"},
      {"print", "records", "time", "client=ac-me"},
  };
  for (const auto& args : cases) EXPECT_EQ(batch(args).status, 2) << args[1] << " " << args.back();
  EXPECT_EQ(snapshot(office), before);
}

TEST_F(RecordActionsTest, ReviewEditorsStepAndSaveTheShownRecord) {
  struct Case {
    std::vector<std::string> args;
    std::string out;
    int status;
  };
  const Case cases[] = {
      {{"review-time-records", "client=beta1", "steps=next,next,next,back,back"},
       "next: 1 BETA1/3 07/05/2001 MKL 3.0 none Search and application\n"
       "next: [information] END OF TIME RECORDS FOR CLIENT BETA1\n"
       "next: 1 BETA1/3 07/05/2001 MKL 3.0 none Search and application\n"
       "back: [information] BEGINNING OF TIME RECORDS FOR CLIENT BETA1\n"
       "back: 1 BETA1/3 07/05/2001 MKL 3.0 none Search and application\nOK\n",
       0},
      // The save moves ACME/1's first record behind the other of 07/03.
      {{"review-time-records", "client=ACME", "steps=next,next", "new-date=07/05/2001", "save=yes"},
       "next: 1 ACME/0 07/02/2001 JD 1.0 none Retainer call\n"
       "next: 2 ACME/1 07/03/2001 JD 2.5 none Drafted annual report / and board minutes\nOK\n",
       0},
      {{"review-cost-credit-records", "client=ACME", "steps=back", "amount=0", "save=yes"},
       "back: 2 ACME/1 07/09/2001 credit $25.00 Courtesy discount\n"
       "save: [error] INVALID COST/CREDIT ENTRY ENTER A NUMBER FROM $0.01 TO $99,999,999.99\nREFUSED\n",
       1},
      {{"review-payment-records", "client=ZED", "steps=next", "save=yes", "amount=5"},
       "next: [information] NO PAYMENT RECORDS ARE PRESENT FOR THIS CLIENT\n"
       "save: [information] A RECORD MUST BE DISPLAYED  BEFORE IT CAN BE CHANGED\nREFUSED\n",
       1},
      {{"review-payment-records", "client=BETA1", "steps=next", "new-client=ACME", "save=yes"},
       "next: 1 BETA1 07/20/2001 $1,500.00\nOK\n", 0},
      {{"review-matters", "client=ACME", "steps=back", "new-matter=20", "save=yes"},
       "back: 2 ACME/012 02/14/2001 AB schedule 2 hours 10.0 fees $1,750.00 costs $0.00 credits $25.00 "
       "Lease dispute / Harbor Road premises\nOK\n",
       0},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"do"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto result = batch(args);
    EXPECT_EQ(result.out, c.out) << c.args[0];
    EXPECT_EQ(result.status, c.status) << c.args[0];
  }
  // The moved record stands behind the other of 07/03; the renumbered matter took its record along.
  EXPECT_EQ(listing("time", "ACME"),
            "  1  0      07/02/2001  slot 4    JD     1.0        none  Retainer call\n"
            "  2  1      07/03/2001  slot 2    AB     0.3       $0.00  Telephone call - no charge\n"
            "  3  1      07/05/2001  slot 0    JD     2.5        none  Drafted annual report / and board minutes\n"
            "  4  20     07/10/2001  slot 1    AB    1.25   $1,250.00  Court appearance / special rate\n");
  EXPECT_EQ(listing("payment", "ACME"), "  1  07/15/2001         $500.00\n  2  07/20/2001       $1,500.00\n");
  EXPECT_EQ(batch({"do", "review-time-records", "client=ACME", "steps=next,sideways"}).status, 2);
}

}  // namespace
}  // namespace vrk::test
