#include "core/records/cost_credit_records.h"

#include "core/records/record_messages.h"
#include "records_test_support.h"

namespace vrk::records {
namespace {

class CostCreditTest : public RecordFolderTest {
 protected:
  static CostCreditBoxes boxes() { return {"ACME", "1", {2001, 7, 12}, kCost, "$1,234.50", {"Copies"}}; }
  dialog::Outcome add(const CostCreditBoxes& b) {
    AddCostCreditRecord logic(folder);
    return logic.save(b, lastEntry);
  }
  CostCreditRecord recordAt(int slot) const {
    return decodeCostCreditRecord(bytesAt("CostCreditRecordData.Dat", static_cast<std::size_t>(slot) * 180, 180));
  }
  store::CalendarDate lastEntry{2026, 12, 7};
};

TEST_F(CostCreditTest, AddAndChangeWordTheirRefusals) {
  struct Case {
    const char* what;
    std::function<void(CostCreditBoxes&)> edit;
    const std::string& add;
    const std::string& change;
  };
  const Case cases[] = {
      {"client unknown", [](CostCreditBoxes& b) { b.client = "NOPE"; }, message::kClientNotPresent,
       message::kClientNotPresent},
      {"matter empty", [](CostCreditBoxes& b) { b.matter = ""; }, message::kMatterFrom1, message::kMatterNotInUse},
      {"matter 0", [](CostCreditBoxes& b) { b.matter = "0"; }, message::kMatterNotInUse, message::kMatterNotInUse},
      {"matter of another client", [](CostCreditBoxes& b) { b.matter = "3"; }, message::kMatterNotInUse,
       message::kMatterNotInUse},
      {"amount 0", [](CostCreditBoxes& b) { b.amount = "0"; }, message::kCostCreditAmount, message::kCostCreditEntry},
      {"amount $", [](CostCreditBoxes& b) { b.amount = "$"; }, message::kCostCreditAmount, message::kCostCreditEntry},
      {"amount too large", [](CostCreditBoxes& b) { b.amount = "100,000,000"; }, message::kCostCreditAmount,
       message::kCostCreditEntry},
  };
  const auto before = test::snapshot(folder);
  for (const auto& c : cases) {
    CostCreditBoxes b = boxes();
    c.edit(b);
    EXPECT_EQ(add(b).messages.at(0).text, c.add) << c.what;
    ChangeCostCreditRecord change(folder);
    ASSERT_TRUE(change.selection().display("ACME", "1", {}).messages.empty());
    const auto outcome = change.save(b, lastEntry);
    EXPECT_EQ(outcome.messages.at(0).text, c.change) << c.what;
    if (std::string(c.what) == "matter empty") {
      EXPECT_EQ(outcome.writeBack.at(box::kMatterNumber), "0");
    }
  }
  EXPECT_EQ(test::snapshot(folder), before);
}

TEST_F(CostCreditTest, AddComparesStoredDatesAndChangeWholeDays) {
  // A record stored with a time of day on 07/12 stands before a new one of the same day without.
  {
    store::Transaction tx(folder);
    store::RecordTable table(store::costCreditRecordTable(), tx);
    table.add({std::string("ACME"), std::string("1"), store::toStoredDate({2001, 7, 12}) + 0.5},
              encodeCostCreditRecord({kCost, "1.00", {}}));
    tx.commit();
  }
  CostCreditBoxes b = boxes();
  b.kind = kCredit;
  EXPECT_EQ(add(b).closing, dialog::Closing::Ok);
  // The add compared 07/12 00:00 with 07/12 12:00 and went first among the day's records.
  EXPECT_EQ(entries(RecordKind::CostCredit),
            (std::vector<std::string>{"ACME/1 07/03@0", "ACME/1 07/09@1", "ACME/1 07/12@4", "ACME/1 07/12@3",
                                      "BETA1/3 07/06@2"}));
  EXPECT_EQ(recordAt(4), (CostCreditRecord{kCredit, "1234.50", {"Copies", "", "", ""}}));
  EXPECT_EQ(lastEntry, (store::CalendarDate{2001, 7, 12}));

  // A change to 07/12 compares whole days: the record goes behind both.
  ChangeCostCreditRecord change(folder);
  ASSERT_TRUE(change.selection().display("ACME", "1", {"07/03/2001", 0}).messages.empty());
  CostCreditBoxes shown = change.shownBoxes();
  EXPECT_EQ(shown.amount, "$125.00");
  shown.date = {2001, 7, 12};
  EXPECT_EQ(change.save(shown, lastEntry).closing, dialog::Closing::Ok);
  EXPECT_EQ(entries(RecordKind::CostCredit)[3], "ACME/1 07/12@0");
  EXPECT_EQ(recordAt(0).amount, "125.00");
}

TEST_F(CostCreditTest, DeleteChecksTheMatterBoxAndTheLastRecordTakesEveryFile) {
  EXPECT_EQ(DeleteCostCreditRecord::matterLeft("").messages.at(0).text, message::kDeleteMatterRule);
  EXPECT_TRUE(DeleteCostCreditRecord::matterLeft("12").messages.empty());
  DeleteCostCreditRecord refused(folder);
  const auto typo = refused.selection().display("acme", "1", {});
  EXPECT_EQ(typo.messages.at(0).kind, dialog::MessageKind::Error);  // the time dialog informs instead
  EXPECT_EQ(refused.selection().display("ACME", "12", {}).messages.at(0).text,
            "NO Cost/Credit Records Have Been Entered For This Client/Matter");

  for (const char* client : {"BETA1", "ACME", "ACME"}) {
    DeleteCostCreditRecord logic(folder);
    ASSERT_TRUE(logic.selection().display(client, logic.selection().matters(client).front(), {}).messages.empty());
    EXPECT_EQ(logic.remove().closing, dialog::Closing::Ok);
  }
  for (const char* file : {"CostCreditRecordClientCodesArray.Dat", "CostCreditRecordIndicesInUse.Dat",
                           "CostCreditRecordIndicesNotInUse.Dat", "CostCreditRecordData.Dat"})
    EXPECT_FALSE(exists(file)) << file;
  EXPECT_EQ(ints("Dimensions.Dat")[7], 0);
  EXPECT_EQ(ints("Dimensions.Dat")[8], 0);
}

}  // namespace
}  // namespace vrk::records
