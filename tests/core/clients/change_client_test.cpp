#include "core/clients/change_client.h"

#include <gtest/gtest.h>

#include <functional>

#include "client_fixture.h"
#include "core/clients/client_book.h"
#include "core/store/tables.h"

namespace vrk::clients {
namespace {

using Ints = std::vector<std::int32_t>;

std::vector<std::string> keyTexts(const std::filesystem::path& dir, store::TableLayout layout,
                                  std::size_t column) {
  store::Transaction tx(dir);
  return store::RecordTable(std::move(layout), tx).texts(column);
}

ClientRecord recordOf(const std::filesystem::path& dir, const std::string& code) {
  store::Transaction tx(dir);
  return *findClient(store::RecordTable(store::clientTable(), tx), code);
}

// Displays `code` and saves it with `edit` applied to the shown fields.
dialog::Outcome change(const std::filesystem::path& dir, const std::string& code,
                       const std::function<void(ClientFields&)>& edit) {
  ChangeClient logic(dir);
  logic.display(code);
  ClientFields fields;
  if (logic.shown()) fields = logic.shown()->fields;
  edit(fields);
  return logic.save(fields);
}

}  // namespace

TEST(ChangedAmount, IsReducedToTheDigitsTypedAndFitsTheField) {
  struct Case {
    std::string typed;
    std::optional<std::string> stored;
  };
  const Case cases[] = {
      {"$1,250.50", "1250.50"},
      {"", "0"},
      {"$", "0"},
      {"1 2_", "1020"},
      {".5", ".5"},
      {"12.", "12."},
      {"($25.00)", "-25.00"},
      {"00000001250.50", "1250.50"},
      {"0.12345678901", "0.12"},
      {"$99,999,999.99", "99999999.99"},
      {"100000000", std::nullopt},
      {"1.2.3", std::nullopt},
      {"-5", std::nullopt},
      {"abc", std::nullopt},
      {"($99,999,999.99)", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto read = rules::readChangedNumber(c.typed, kChangedAmountRule);
    EXPECT_EQ(read ? std::optional(read->text) : std::nullopt, c.stored) << c.typed;
  }
}

TEST_F(SampleOfficeTest, OnlyTheLastFailingBoxIsReportedAndNothingIsWritten) {
  const auto before = test::snapshot(dir());
  struct Case {
    std::string code, group;
    std::size_t badAmount;  // kAmountCount: none
    std::string message;
  };
  const Case cases[] = {
      {"acme", "A", kAmountCount, "            INVALID CLIENT CODE\r\nENTER FROM 1 TO 7 LETTERS AND NUMBERS"},
      {"", "", kAmountCount, "    INVALID CLIENT GROUP\r\nENTER A LETTER OR A NUMBER"},
      {"BAD-", "A", kBalanceDue90Days, "INVALID ENTRY - BALANCE DUE FOR 90 DAYS"},
      {"ACME", "AB", kMonthlyRetainer, "INVALID MONTHLY RETAINER AMOUNT"},
      {"ACME", "A", kTrustAccountBalance, "INVALID ENTRY - TRUST ACCOUNT BALANCE"},
  };
  for (const auto& c : cases) {
    const auto outcome = change(dir(), "ACME", [&](ClientFields& f) {
      f.code = c.code;
      f.group = c.group;
      f.amounts[kFeesOnLastStatement] = "$2,000";
      if (c.badAmount < kAmountCount) f.amounts[c.badAmount] = "1,2.3.4";
    });
    ASSERT_EQ(outcome.messages.size(), 1u) << c.message;
    EXPECT_EQ(outcome.messages[0].text, c.message);
    EXPECT_EQ(outcome.writeBack.at("fees-on-last-statement"), "$2,000.00");
    EXPECT_FALSE(outcome.closed());
  }
  EXPECT_EQ(test::snapshot(dir()), before);
}

TEST_F(SampleOfficeTest, SaveKeepsTheSlotStoresReducedAmountsAndKeepsTheReservedField) {
  {
    store::Transaction tx(dir());
    store::RecordTable clients(store::clientTable(), tx);
    ClientRecord zed = *findClient(clients, "ZED");
    zed.reserved = "kept";
    clients.changeRecord(*clients.find({"ZED"}), encodeClientRecord(zed));
    tx.commit();
  }
  const auto outcome = change(dir(), "ZED", [](ClientFields& f) {
    f.group = "C";  // not in the group list yet
    f.address = {"Zed Holdings Ltd"};
    f.amounts[kMonthlyRetainer] = "$1,250.50";
    f.amounts[kBalanceDue] = "($300.00)";
  });
  ASSERT_TRUE(outcome.closed()) << (outcome.messages.empty() ? "" : outcome.messages[0].text);
  EXPECT_EQ(outcome.writeBack.at("monthly-retainer-amount"), "$1,250.50");
  EXPECT_EQ(ints("ClientIndicesInUse.Dat"), (Ints{2, 0, 1}));
  const ClientRecord zed = recordOf(dir(), "ZED");
  EXPECT_EQ(zed.amounts[kMonthlyRetainer], "1250.50");
  EXPECT_EQ(zed.amounts[kBalanceDue], "-300.00");
  EXPECT_EQ(zed.amounts[kPaymentsSinceLastStatement], "0.00");  // shown as $0.00, saved reduced
  EXPECT_EQ(zed.address[1], "");
  EXPECT_EQ(zed.reserved, "kept");
  EXPECT_EQ(file("ClientGroups.Dat"), "A\r\nB\r\nC\r\n");  // B lost its last client and stays
}

TEST_F(ClientFolderTest, ANewCodeMovesTheDataSlotEntryAndKeepsTheSlot) {
  for (const char* code : {"AAA", "BBB", "CCC"}) add(code);
  ASSERT_TRUE(change(dir(), "AAA", [](ClientFields& f) { f.code = "ZZZ"; }).closed());
  EXPECT_EQ(file("ClientCodes.Dat"), "BBB\r\nCCC\r\nZZZ\r\n");
  EXPECT_EQ(ints("ClientIndicesInUse.Dat"), (Ints{1, 2, 0}));
  EXPECT_EQ(file("ClientData.Dat").size(), 3u * 396);
}

TEST_F(SampleOfficeTest, ANewCodeCarriesTheMattersAndBillingRecordsAlong) {
  ASSERT_TRUE(change(dir(), "ACME", [](ClientFields& f) { f.code = "CARL"; }).closed());
  EXPECT_EQ(file("ClientCodes.Dat"), "BETA1\r\nCARL\r\nZED\r\n");
  EXPECT_EQ(keyTexts(dir(), store::matterTable(), 0), (std::vector<std::string>{"BETA1", "CARL", "CARL"}));
  EXPECT_EQ(keyTexts(dir(), store::matterTable(), 1), (std::vector<std::string>{"3", "1", "012"}));
  EXPECT_EQ(ints("MatterIndicesInUse.Dat"), (Ints{0, 1, 2}));
  EXPECT_EQ(keyTexts(dir(), store::timeRecordTable(), 0),
            (std::vector<std::string>{"BETA1", "CARL", "CARL", "CARL", "CARL"}));
  EXPECT_EQ(ints("TimeRecordIndicesInUse.Dat"), (Ints{5, 4, 0, 2, 1}));
  EXPECT_EQ(keyTexts(dir(), store::costCreditRecordTable(), 0),
            (std::vector<std::string>{"BETA1", "CARL", "CARL"}));
  EXPECT_EQ(keyTexts(dir(), store::paymentRecordTable(), 0), (std::vector<std::string>{"BETA1", "CARL"}));
  EXPECT_EQ(keyTexts(dir(), store::paymentRecordTable(), 2), (std::vector<std::string>{"1500.00", "500.00"}));
}

TEST_F(SampleOfficeTest, ANewCodeInUseByAClientOrByLeftoverMattersIsRefused) {
  {  // matter 012 of a client deleted earlier still stands under NEWCO
    store::Transaction tx(dir());
    store::RecordTable(store::matterTable(), tx)
        .add({"NEWCO", "12"}, std::string(store::kMatterRecordSize, '\0'));
    tx.commit();
  }
  const auto before = test::snapshot(dir());
  for (const char* code : {"BETA1", "NEWCO"}) {
    const auto outcome = change(dir(), "ACME", [&](ClientFields& f) { f.code = code; });
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0].text,
              "           INVALID CLIENT CODE\r\nTHIS CLIENT CODE IS ALREADY IN USE");
  }
  EXPECT_EQ(test::snapshot(dir()), before);
  ASSERT_TRUE(
      change(dir(), "BETA1", [](ClientFields& f) { f.code = "NEWCO"; }).closed());  // matter 3: no clash
  EXPECT_EQ(keyTexts(dir(), store::matterTable(), 0),
            (std::vector<std::string>{"ACME", "ACME", "NEWCO", "NEWCO"}));
}

TEST_F(SampleOfficeTest, SaveBeforeDisplayWritesNothing) {
  const auto before = test::snapshot(dir());
  ChangeClient logic(dir());
  ClientFields fields = newClient("ACME");
  fields.amounts.fill("");
  const auto outcome = logic.save(fields);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].kind, dialog::MessageKind::Information);
  EXPECT_EQ(test::snapshot(dir()), before);
}

}  // namespace vrk::clients
