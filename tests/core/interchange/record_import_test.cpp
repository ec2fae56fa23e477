#include "core/interchange/record_import.h"

#include "core/records/cost_credit_records.h"
#include "core/records/payments.h"
#include "core/records/time_records.h"
#include "core/records/records_test_support.h"

namespace vrk::interchange {
namespace {

class RecordImportTest : public records::RecordFolderTest {
 protected:
  ImportResult import(ImportKind kind, const std::string& csv) { return importRecords(folder, kind, csv); }
};

// An import leaves the folder exactly as the add dialog saving the same rows one by one does.
TEST_F(RecordImportTest, RowsLandAsTheAddDialogsWouldSaveThem) {
  struct Case {
    const char* what;
    ImportKind kind;
    std::string csv;
    std::function<void(const std::filesystem::path&)> byHand;
  };
  store::CalendarDate last;
  const Case cases[] = {
      {"time: same day as existing records, a free slot, a wrapped and a broken description", ImportKind::Time,
       "Client,Matter,Date,Attorney,Hours,Rate,Description\r\n"
       "acme,1,07/03/2001,jd,1.5,,Research\r\n"
       "BETA1,3,2001-07-01,AB,0.25,$150.00,\"Call with the client about the lease and the exhibits,\n"
       "then notes\"\r\n"
       "ACME,012,7/3/2001,MKL,2,0,\r\n",
       [&last](const std::filesystem::path& f) {
         records::AddTimeRecord add(f);
         add.save({"ACME", "1", {2001, 7, 3}, "JD", "1.5", "$", {"Research"}}, last);
         add.save({"BETA1", "3", {2001, 7, 1}, "AB", "0.25", "$150.00",
                   {"Call with the client about the lease and", "the exhibits,", "then notes"}},
                  last);
         add.save({"ACME", "012", {2001, 7, 3}, "MKL", "2", "0", {}}, last);
       }},
      {"cost/credit: by stored date within the matter, credits", ImportKind::CostCredit,
       "client,matter,date,kind,amount,description\r\n"
       "ACME,1,07/03/2001,credit,25.00,Refund\r\n"
       "ACME,1,07/01/2001,,\"$1,250.00\",Filing fee\r\n",
       [&last](const std::filesystem::path& f) {
         records::AddCostCreditRecord add(f);
         add.save({"ACME", "1", {2001, 7, 3}, records::kCredit, "25.00", {"Refund"}}, last);
         add.save({"ACME", "1", {2001, 7, 1}, records::kCost, "$1,250.00", {"Filing fee"}}, last);
       }},
      {"payments raise their clients' totals", ImportKind::Payment,
       "amount,date,client\r\n"
       "100,07/15/2001,ACME\r\n"
       "2.50,2001-07-02,beta1\r\n"
       "7,07/15/2001,ACME\r\n",
       [&last](const std::filesystem::path& f) {
         records::AddPayment add(f);
         add.save({"ACME", {2001, 7, 15}, "100"}, last);
         add.save({"BETA1", {2001, 7, 2}, "2.50"}, last);
         add.save({"ACME", {2001, 7, 15}, "7"}, last);
       }},
  };
  for (const auto& c : cases) {
    test::TempFolder other;
    const auto byHand = test::copySampleOffice(other.path());
    c.byHand(byHand);
    test::TempFolder mine;
    const auto imported = test::copySampleOffice(mine.path());
    const ImportResult result = importRecords(imported, c.kind, c.csv);
    EXPECT_EQ(result.problems, std::vector<std::string>{}) << c.what;
    EXPECT_EQ(result.imported, static_cast<std::size_t>(std::count(c.csv.begin(), c.csv.end(), '\r') - 1)) << c.what;
    EXPECT_TRUE(test::snapshot(imported) == test::snapshot(byHand)) << c.what;
  }
}

TEST_F(RecordImportTest, EveryBadRowIsReportedAndNothingIsImported) {
  struct Case {
    ImportKind kind;
    std::string csv;
    std::vector<std::string> problems;
  };
  const std::string time = "client,matter,date,attorney,hours,rate,description\r\n";
  const Case cases[] = {
      {ImportKind::Time,
       time + "ACME,1,07/03/2001,JD,1,,ok\r\n"
              "NOPE,1,07/03/2001,JD,1,,\r\n"
              "ACME,3,07/03/2001,JD,1,,\r\n"
              "ACME,1,07/03/2001,ZZ,1,,\r\n"
              "ACME,1,07/03/2001,JD,1000,,\r\n"
              "ACME,1,07/03/2001,JD,1,\"$100,000\",\r\n"
              "ACME,1,02/30/2001,JD,1,,\r\n"
              "ACME,1,07/03/2001,JD,1,,\"1\n2\n3\n4\n5\n6\n7\"\r\n"
              "ACME,1,07/03/2001,JD,1,,x,extra\r\n",
       {"line 3: INVALID CLIENT CODE - NO DATA IS PRESENT FOR THIS CLIENT",
        "line 4: INVALID MATTER NUMBER - THIS NUMBER IS NOT IN USE FOR THIS CLIENT",
        "line 5: INVALID ATTORNEY INITIALS - NO DATA IS PRESENT FOR THIS ATTORNEY",
        "line 6: INVALID TIME ENTRY - ENTER A NUMBER FROM 0.1 TO 999.9",
        "line 7: INVALID BILLING RATE - ENTER A NUMBER FROM 0 TO 99,999.99",
        "line 8: the date \"02/30/2001\" is not a date as MM/DD/YYYY or YYYY-MM-DD",
        "line 9: the description does not fit in 6 lines of 40 characters",
        "line 16: the row has more fields than the header names"}},
      {ImportKind::CostCredit,
       "client,matter,date,kind,amount\r\nACME,0,07/03/2001,cost,5\r\nACME,1,07/03/2001,fee,5\r\nACME,1,07/03/2001,,0\r\n",
       {"line 2: INVALID MATTER NUMBER - THIS NUMBER IS NOT IN USE FOR THIS CLIENT",
        "line 3: the kind \"fee\" is neither cost nor credit",
        "line 4: INVALID COST/CREDIT AMOUNT - ENTER A NUMBER FROM $0.01 TO $99,999,999.99"}},
      {ImportKind::Payment, "client,date,amount\r\nBETA1,07/03/2001,99999999.99\r\nZED,07/03/2001,x\r\n",
       {"line 3: INVALID PAYMENT AMOUNT - ENTER A NUMBER FROM $0.01 TO $99,999,999.99"}},
      {ImportKind::Payment, "client,date,amount\r\nBETA1,07/03/2001,99999999.99\r\n",
       {"line 2: PAYMENTS SINCE LAST STATEMENT - WOULD EXCEED $99,999,999.99"}},
      {ImportKind::Payment, "client,when,amount,amount\r\n", {
        "line 1: the column \"when\" is not one of client, date, amount",
        "line 1: the column \"amount\" is named twice",
        "line 1: the column \"date\" is missing"}},
      {ImportKind::Payment, "", {"line 1: the file has no header row naming the columns"}},
      {ImportKind::Payment, "client,date,amount\r\n\"ACME,07/03/2001,5\r\n",
       {"line 2: a quoted field has no closing quote"}},
  };
  const auto before = test::snapshot(folder);
  for (const auto& c : cases) {
    const ImportResult result = import(c.kind, c.csv);
    EXPECT_EQ(result.problems, c.problems) << c.csv;
    EXPECT_EQ(result.imported, 0u);
    EXPECT_TRUE(test::snapshot(folder) == before) << c.csv;
  }
}

TEST_F(RecordImportTest, TenThousandRowsInOneSave) {
  std::string csv = "client,matter,date,attorney,hours\r\n";
  for (int i = 0; i < 10000; ++i)
    csv += std::string(i % 2 ? "BETA1,3" : "ACME,012") + ",07/" + std::to_string(1 + i % 28) + "/2001,JD,0.5\r\n";
  EXPECT_EQ(import(ImportKind::Time, csv).imported, 10000u);
  EXPECT_EQ(entries(records::RecordKind::Time).size(), 10005u);
}

TEST(WrapDescription, BreaksAtLineBreaksAndWordsWithinTheWidth) {
  EXPECT_EQ(wrapDescription("one two three", 7, 6), (std::vector<std::string>{"one two", "three"}));
  EXPECT_EQ(wrapDescription("abcdefghij", 4, 6), (std::vector<std::string>{"abcd", "efgh", "ij"}));
  EXPECT_EQ(wrapDescription("a\r\n\nb\n", 4, 6), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(wrapDescription("a b c", 1, 2), std::vector<std::string>{});
}

}  // namespace
}  // namespace vrk::interchange
