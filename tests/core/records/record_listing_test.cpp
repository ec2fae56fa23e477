#include "core/records/record_listing.h"

#include "core/records/cost_credit_records.h"
#include "core/records/time_records.h"
#include "records_test_support.h"

namespace vrk::records {
namespace {

class RecordListingTest : public RecordFolderTest {
 protected:
  std::string listing(ListedKind kind, const std::string& client) const {
    return document::toPlainText(recordListing(folder, kind, client));
  }
  store::CalendarDate lastEntry{2001, 7, 20};
};

TEST_F(RecordListingTest, ListsAClientsRecordsInTableOrder) {
  struct Case {
    ListedKind kind;
    std::string client;
    std::string expected;
  };
  const Case cases[] = {
      // Two records of one day keep their table order; the slot tells them apart.
      {ListedKind::Time, "ACME",
       "  1  0      07/02/2001  slot 4    JD     1.0        none  Retainer call\n"
       "  2  1      07/03/2001  slot 0    JD     2.5        none  Drafted annual report / and board minutes\n"
       "  3  1      07/03/2001  slot 2    AB     0.3       $0.00  Telephone call - no charge\n"
       "  4  012    07/10/2001  slot 1    AB    1.25   $1,250.00  Court appearance / special rate"},
      {ListedKind::Time, "BETA1",
       "  1  3      07/05/2001  slot 5    MKL    3.0        none  Search and application"},
      {ListedKind::CostCredit, "ACME",
       "  1  1      07/03/2001  slot 0    cost           $125.00  Filing fee\n"
       "  2  1      07/09/2001  slot 1    credit          $25.00  Courtesy discount"},
      {ListedKind::CostCredit, "BETA1",
       "  1  3      07/06/2001  slot 2    cost            $10.50  Postage / and copies"},
      {ListedKind::Payment, "ACME", "  1  07/15/2001         $500.00"},
      {ListedKind::Payment, "BETA1", "  1  07/20/2001       $1,500.00"},
      {ListedKind::Time, "ZED", "No time records for client ZED"},
      {ListedKind::CostCredit, "ZED", "No cost/credit records for client ZED"},
      {ListedKind::Payment, "ZED", "No payment records for client ZED"},
      // Codes compare byte for byte, as the key files hold them.
      {ListedKind::Time, "acme", "No time records for client acme"},
      {ListedKind::Payment, "BETA", "No payment records for client BETA"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(listing(c.kind, c.client), c.expected) << c.client << " " << static_cast<int>(c.kind);
}

TEST_F(RecordListingTest, DescriptionsLeaveOutEmptyLinesAndNoneEndsAtTheFigure) {
  AddTimeRecord addTime(folder);
  ASSERT_EQ(
      addTime
          .save({"ZED", "0", {2001, 7, 11}, "MKL", "12", "99999.99", {"", "Call", "", "", "", "with client"}},
                lastEntry)
          .closing,
      dialog::Closing::Ok);
  ASSERT_EQ(addTime.save({"ZED", "0", {2001, 7, 11}, "AB", "0.1", "", {}}, lastEntry).closing,
            dialog::Closing::Ok);
  AddCostCreditRecord addCost(folder);
  ASSERT_EQ(
      addCost.save({"BETA1", "3", {2001, 7, 1}, kCredit, "99999999.99", {"", "", "", "Last line"}}, lastEntry)
          .closing,
      dialog::Closing::Ok);
  EXPECT_EQ(listing(ListedKind::Time, "ZED"),
            "  1  0      07/11/2001  slot 3    MKL   12.0  $99,999.99  Call / with client\n"
            "  2  0      07/11/2001  slot 6    AB     0.1        none");
  EXPECT_EQ(listing(ListedKind::CostCredit, "BETA1"),
            "  1  3      07/01/2001  slot 3    credit  $99,999,999.99  Last line\n"
            "  2  3      07/06/2001  slot 2    cost            $10.50  Postage / and copies");
}

}  // namespace
}  // namespace vrk::records
