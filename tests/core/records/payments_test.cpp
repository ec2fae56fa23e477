#include "core/records/payments.h"

#include "core/clients/client_book.h"
#include "core/records/record_messages.h"
#include "records_test_support.h"

namespace vrk::records {
namespace {

class PaymentTest : public RecordFolderTest {
 protected:
  std::string total(const std::string& client) const {
    store::Transaction tx(folder);
    const store::RecordTable clients(store::clientTable(), tx);
    return clients::findClient(clients, client)->amounts[clients::kPaymentsSinceLastStatement];
  }
  dialog::Outcome add(const PaymentBoxes& b) {
    AddPayment logic(folder);
    return logic.save(b, lastEntry);
  }
  dialog::Outcome change(const std::string& client, const PaymentBoxes& b) {
    ChangePayment logic(folder);
    EXPECT_TRUE(logic.selection().display(client, {}).messages.empty());
    return logic.save(b);
  }
  store::CalendarDate lastEntry{2026, 12, 7};
};

TEST_F(PaymentTest, TotalsFollowAddChangeAndDelete) {
  EXPECT_EQ(add({"BETA1", {2001, 7, 20}, "$1,500.00"}).closing, dialog::Closing::Ok);
  EXPECT_EQ(total("BETA1"), "3000.00");
  EXPECT_EQ(lastEntry, (store::CalendarDate{2001, 7, 20}));
  EXPECT_EQ(payments(), (std::vector<std::string>{"ACME 07/15 500.00", "BETA1 07/20 1500.00", "BETA1 07/20 1500.00"}));

  // Same client: the difference; even an unchanged day goes behind the day's other payments.
  EXPECT_EQ(change("BETA1", {"BETA1", {2001, 7, 20}, "1,550"}).closing, dialog::Closing::Ok);
  EXPECT_EQ(total("BETA1"), "3050.00");
  EXPECT_EQ(payments().back(), "BETA1 07/20 1550");
  // Another client: the amount moves.
  EXPECT_EQ(change("ACME", {"ZED", {2001, 7, 1}, "100"}).closing, dialog::Closing::Ok);
  EXPECT_EQ(total("ACME"), "0.00");
  EXPECT_EQ(total("ZED"), "100.00");
  EXPECT_EQ(lastEntry, (store::CalendarDate{2001, 7, 20}));  // only the add sets it

  DeletePayment remove(folder);
  ASSERT_TRUE(remove.selection().display("ZED", {}).messages.empty());
  EXPECT_EQ(remove.shownBoxes().amount, "$100.00");
  EXPECT_EQ(remove.remove().closing, dialog::Closing::Ok);
  EXPECT_EQ(total("ZED"), "0.00");
}

TEST_F(PaymentTest, RefusalsWriteNothing) {
  const auto before = test::snapshot(folder);
  struct Case {
    PaymentBoxes boxes;
    const std::string& message;
  };
  const Case cases[] = {
      {{"beta1", {2001, 7, 1}, "5"}, message::kClientCodeRule},
      {{"NOPE", {2001, 7, 1}, "5"}, message::kClientNotPresent},
      {{"BETA1", {2001, 7, 1}, "$"}, message::kPaymentAmount},
      {{"BETA1", {2001, 7, 1}, "0"}, message::kPaymentAmount},
      {{"BETA1", {2001, 7, 1}, "99,998,500.00"}, message::kPaymentsTotalTooLarge},  // 1500 + this >= 100M
  };
  for (const auto& c : cases) EXPECT_EQ(add(c.boxes).messages.at(0).text, c.message) << c.boxes.amount;
  EXPECT_EQ(change("ACME", {"BETA1", {2001, 7, 1}, "99999999"}).messages.at(0).text, message::kPaymentsTotalTooLarge);
  ChangePayment nothingShown(folder);
  EXPECT_EQ(nothingShown.save({"ACME", {2001, 7, 1}, "5"}).messages.at(0).text, message::kPaymentNotSelected);
  EXPECT_EQ(nothingShown.save({"ACME", {2001, 7, 1}, "0"}).messages.at(0).text, message::kPaymentAmount);
  DeletePayment remove(folder);
  EXPECT_EQ(remove.selection().display("ZED", {}).messages.at(0).text, "No Payment Records Are Present For This Client");
  EXPECT_EQ(remove.remove().messages.at(0).kind, dialog::MessageKind::Information);
  EXPECT_EQ(test::snapshot(folder), before);
  EXPECT_EQ(add({"BETA1", {2001, 7, 1}, "99,998,499.99"}).closing, dialog::Closing::Ok);  // just fits
  EXPECT_EQ(total("BETA1"), "99999999.99");
}

TEST_F(PaymentTest, DeletingTheOnlyPaymentsRemovesTheFiles) {
  for (const char* client : {"ACME", "BETA1"}) {
    DeletePayment logic(folder);
    ASSERT_TRUE(logic.selection().display(client, {}).messages.empty());
    EXPECT_EQ(logic.remove().closing, dialog::Closing::Ok);
  }
  for (const char* file : {"PaymentRecordClientCodesArray.Dat", "PaymentRecordDatesArray.Dat", "PaymentRecordAmountsArray.Dat"})
    EXPECT_FALSE(exists(file)) << file;
  EXPECT_EQ(ints("Dimensions.Dat")[9], 0);
  EXPECT_EQ(total("ACME"), "0.00");
  EXPECT_EQ(total("BETA1"), "0.00");
}

}  // namespace
}  // namespace vrk::records
