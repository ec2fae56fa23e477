#include "core/sample/sample_office.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

#include "core/attorneys/attorney_register.h"
#include "core/clients/client_groups.h"
#include "core/clients/client_record.h"
#include "core/matters/matter_record.h"
#include "core/records/record_fields.h"
#include "core/rules/decimal_value.h"
#include "core/statements/statement_computation.h"
#include "core/store/catalogue.h"
#include "core/store/counts.h"
#include "core/store/dates.h"
#include "core/store/tables.h"
#include "support/temp_folder.h"

namespace vrk::sample {
namespace {

// Every table loaded through its RecordTable, so each passes the table's own checks.
struct LoadedOffice {
  explicit LoadedOffice(const std::filesystem::path& folder)
      : tx(folder),
        clients(store::clientTable(), tx),
        matters(store::matterTable(), tx),
        time(store::timeRecordTable(), tx),
        costs(store::costCreditRecordTable(), tx),
        payments(store::paymentRecordTable(), tx),
        reg(attorneys::loadAttorneyRegister(tx)),
        groups(clients::loadGroupList(tx)) {}

  clients::ClientRecord client(std::size_t p) const {
    return clients::decodeClientRecord(clients.readRecord(p));
  }
  const clients::ClientRecord& clientOf(const std::string& code) {
    if (records.empty())
      for (std::size_t p = 0; p < clients.size(); ++p) records[clients.texts(0)[p]] = client(p);
    return records.at(code);
  }

  store::Transaction tx;
  store::RecordTable clients, matters, time, costs, payments;
  attorneys::AttorneyRegister reg;
  std::vector<std::string> groups;
  std::map<std::string, clients::ClientRecord> records;
};

double amount(const clients::ClientRecord& record, clients::Amount which) {
  return rules::storedDecimalValue(record.amounts[which]);
}

class GeneratedOfficeTest : public ::testing::Test {
 protected:
  std::filesystem::path write(const SampleOfficeSize& size, const std::string& name = "072001") {
    const auto folder = temp_ / name;
    writeSampleOffice(folder, size);
    return folder;
  }
  test::TempFolder temp_;
};

TEST_F(GeneratedOfficeTest, EveryTableLoadsAndHoldsTheRecordsAsked) {
  const SampleOfficeSize sizes[] = {
      {},                      // the default office
      {1, 1, 5, 1, 1, 3},      // one client
      {7, 3, 40, 0, 0, 4},     // fewer matters than clients, no costs or payments
      {12, 30, 0, 10, 25, 5},  // more payments than clients, no time
      {6, 0, 0, 0, 4, 6},      // no matters at all
  };
  int n = 0;
  for (const auto& size : sizes) {
    SCOPED_TRACE(size.clients);
    const auto folder = write(size, "0" + std::to_string(++n) + "2001");
    LoadedOffice office(folder);
    EXPECT_EQ(office.clients.size(), static_cast<std::size_t>(size.clients));
    EXPECT_EQ(office.matters.size(), static_cast<std::size_t>(size.matters));
    EXPECT_EQ(office.time.size(), static_cast<std::size_t>(size.time));
    EXPECT_EQ(office.costs.size(), static_cast<std::size_t>(size.costs));
    EXPECT_EQ(office.payments.size(), static_cast<std::size_t>(size.payments));
    EXPECT_FALSE(store::firstMissingFile(folder, store::PresenceCheck::ClientData));
    EXPECT_FALSE(store::firstMissingFile(folder, store::PresenceCheck::FeeScheduleData));
    // The billing tables' keys are in the order their lookups assume (the table checks only the
    // client code list).
    for (const auto* table : {&office.matters, &office.time, &office.costs, &office.payments})
      for (std::size_t p = 1; p < table->size(); ++p)
        ASSERT_LE(table->layout().order(table->keyAt(p - 1), table->keyAt(p)), 0)
            << table->layout().dataFile << p;
  }
}

TEST_F(GeneratedOfficeTest, TheOfficeHoldsEveryKindOfClientAndRecord) {
  const auto folder = write({});
  LoadedOffice office(folder);
  std::set<std::int32_t> categories;
  std::set<std::string> groupsUsed;
  int trust = 0, overdueWithLateCharges = 0, retainers = 0;
  for (std::size_t p = 0; p < office.clients.size(); ++p) {
    const auto record = office.client(p);
    categories.insert(record.category);
    groupsUsed.insert(record.group);
    trust += amount(record, clients::kTrustAccountBalance) > 0;
    overdueWithLateCharges += record.lateCharges && amount(record, clients::kBalanceDue90Days) > 0;
    retainers += amount(record, clients::kMonthlyRetainer) > 0;
    // Aged parts are parts of the balance: 90 <= 60 <= 30 <= due.
    EXPECT_LE(amount(record, clients::kBalanceDue90Days), amount(record, clients::kBalanceDue60Days));
    EXPECT_LE(amount(record, clients::kBalanceDue60Days), amount(record, clients::kBalanceDue30Days));
    EXPECT_LE(amount(record, clients::kBalanceDue30Days), amount(record, clients::kBalanceDue));
  }
  EXPECT_EQ(categories, (std::set<std::int32_t>{0, 1, 2, 3, 4}));
  EXPECT_GE(groupsUsed.size(), 3u);
  EXPECT_EQ(office.groups, std::vector<std::string>(groupsUsed.begin(), groupsUsed.end()));
  EXPECT_GT(trust, 0);
  EXPECT_GT(overdueWithLateCharges, 0);
  EXPECT_GT(retainers, 0);

  int retainerTime = 0, specialRate = 0, noCharge = 0, credits = 0;
  for (std::size_t p = 0; p < office.time.size(); ++p) {
    const auto record = records::decodeTimeRecord(office.time.readRecord(p));
    retainerTime += store::compareMatterNumbers(office.time.texts(1)[p], "0") == 0;
    specialRate += !record.rate.empty() && rules::storedDecimalValue(record.rate) > 0;
    noCharge += record.rate == "0";
  }
  for (std::size_t p = 0; p < office.costs.size(); ++p)
    credits += records::decodeCostCreditRecord(office.costs.readRecord(p)).kind == records::kCredit;
  EXPECT_GT(retainerTime, 0);
  EXPECT_GT(specialRate, 0);
  EXPECT_GT(noCharge, 0);
  EXPECT_GT(credits, 0);
}

TEST_F(GeneratedOfficeTest, RecordsFitTheOfficeAndThePeriod) {
  for (const std::uint32_t seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    const auto folder = write({40, 90, 600, 150, 60, seed}, "0" + std::to_string(seed + 1) + "2001");
    LoadedOffice office(folder);
    const auto inPeriod = [&](double date) {
      const auto day = store::fromStoredDate(date);
      return day.month == static_cast<int>(seed + 1) && day.year == 2001;
    };
    for (std::size_t p = 0; p < office.matters.size(); ++p) {
      const auto record = matters::decodeMatterRecord(office.matters.readRecord(p));
      EXPECT_TRUE(office.reg.find(record.principalAttorney));
      EXPECT_GE(record.feeSchedule, 1);
      EXPECT_LE(record.feeSchedule, office.reg.scheduleCount);
    }
    for (const auto& initials : office.reg.initials)
      for (int k = 1; k <= office.reg.scheduleCount; ++k)
        EXPECT_TRUE(attorneys::rateFor(office.reg, initials, k));
    // Time and costs are dated in the period, on a matter of their client; matter 0 only for a
    // client paying a retainer.
    for (const auto* table : {&office.time, &office.costs}) {
      for (std::size_t p = 0; p < table->size(); ++p) {
        const std::string& client = table->texts(0)[p];
        const std::string& matter = table->texts(1)[p];
        EXPECT_TRUE(inPeriod(table->dates(2)[p]));
        if (store::compareMatterNumbers(matter, "0") == 0) {
          EXPECT_EQ(table, &office.time);
          EXPECT_GT(amount(office.clientOf(client), clients::kMonthlyRetainer), 0) << client;
        } else {
          EXPECT_TRUE(office.matters.find({client, matter})) << client << "-" << matter;
        }
      }
    }
    for (std::size_t p = 0; p < office.time.size(); ++p)
      EXPECT_TRUE(office.reg.find(records::decodeTimeRecord(office.time.readRecord(p)).initials));
    // Each client's payments since the last statement are its payment records.
    std::map<std::string, double> paid;
    for (std::size_t p = 0; p < office.payments.size(); ++p) {
      EXPECT_TRUE(inPeriod(office.payments.dates(1)[p]));
      paid[office.payments.texts(0)[p]] += rules::storedDecimalValue(office.payments.texts(2)[p]);
    }
    for (std::size_t p = 0; p < office.clients.size(); ++p)
      EXPECT_NEAR(amount(office.client(p), clients::kPaymentsSinceLastStatement),
                  paid[office.clients.texts(0)[p]], 0.005);
    // Every statement can be computed without a record left out.
    statements::StatementSource source(office.tx);
    statements::GroupActivity activity;
    for (std::size_t p = 0; p < office.clients.size(); ++p) {
      const std::string& code = office.clients.texts(0)[p];
      const auto statement = statements::computeStatement(source, code, office.client(p), false, activity);
      for (const auto& message : statement.messages) ADD_FAILURE() << code << ": " << message.text;
    }
  }
}

TEST_F(GeneratedOfficeTest, TablesHoldTheBytesRecordTableWouldWrite) {
  // The same records added one by one through RecordTable into an empty folder.
  const auto folder = write({12, 25, 120, 30, 15, 4});
  const auto rebuilt = temp_ / "082001";
  std::filesystem::create_directory(rebuilt);
  {
    store::Transaction source(folder);
    store::Transaction tx(rebuilt);
    store::writeCounts(tx, 0, std::vector<std::int32_t>(store::slot::kSlotCount, 0));
    for (const auto& layout : {store::clientTable(), store::matterTable(), store::timeRecordTable(),
                               store::costCreditRecordTable(), store::paymentRecordTable()}) {
      const store::RecordTable written(layout, source);
      store::RecordTable added(layout, tx);
      for (std::size_t p = 0; p < written.size(); ++p)
        added.add(written.keyAt(p), layout.slotFile.empty() ? std::string() : written.readRecord(p));
    }
    tx.commit();
  }
  auto generated = test::snapshot(folder);
  const auto expected = test::snapshot(rebuilt);
  for (const char* name :
       {store::files::kAttorneyInitials, store::files::kFeeSchedules, store::files::kClientGroups})
    EXPECT_EQ(generated.erase(name), 1u) << name;
  ASSERT_EQ(generated.size(), expected.size());
  for (const auto& [name, bytes] : expected) {
    if (name == store::files::kDimensions) continue;
    EXPECT_EQ(generated.at(name), bytes) << name;
  }
  // Every count but the fee schedules' (slot 2), which only the register writes.
  const std::string& counts = generated.at(store::files::kDimensions);
  EXPECT_EQ(counts.substr(0, 8), expected.at(store::files::kDimensions).substr(0, 8));
  EXPECT_EQ(counts.substr(12), expected.at(store::files::kDimensions).substr(12));
}

TEST_F(GeneratedOfficeTest, TheSameSeedGivesTheSameFiles) {
  const auto first = test::snapshot(write({30, 80, 500, 100, 40, 9}, "092001"));
  test::TempFolder other;
  writeSampleOffice(other / "092001", {30, 80, 500, 100, 40, 9});
  EXPECT_EQ(test::snapshot(other / "092001"), first);
  test::TempFolder third;
  writeSampleOffice(third / "092001", {30, 80, 500, 100, 40, 10});
  const auto differing = test::snapshot(third / "092001");
  EXPECT_EQ(differing.size(), first.size());
  for (const char* file :
       {store::files::kClientData, store::files::kTimeRecordData, store::files::kPaymentRecordAmountsArray})
    EXPECT_NE(differing.at(file), first.at(file)) << file;
}

TEST_F(GeneratedOfficeTest, RefusalsWriteNothing) {
  struct Case {
    const char* what;
    SampleOfficeSize size;
    std::string folder;
    const char* existing;  // a file already in the folder
  };
  const Case cases[] = {
      {"no clients", {0, 0, 0, 0, 0, 1}, "072001", nullptr},
      {"too many clients", {kMaxSampleClients + 1, 0, 0, 0, 0, 1}, "072001", nullptr},
      {"too many records", {5, 5, 0, kMaxSampleRecords + 1, 0, 1}, "072001", nullptr},
      {"time without matters", {5, 0, 10, 0, 0, 1}, "072001", nullptr},
      {"matters beyond five digits", {1, 100000, 0, 0, 0, 1}, "072001", nullptr},
      {"not a period", {}, "132001", nullptr},
      {"clients there", {}, "072001", store::files::kClientCodes},
      {"attorneys there", {}, "072001", store::files::kAttorneyInitials},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempFolder temp;
    const auto folder = temp / c.folder;
    std::filesystem::create_directory(folder);
    if (c.existing) test::writeFile(folder / c.existing, "x");
    const auto before = test::snapshot(folder);
    EXPECT_EQ(existingDataFile(folder).has_value(), c.existing != nullptr);
    EXPECT_THROW(writeSampleOffice(folder, c.size), std::invalid_argument);
    EXPECT_EQ(test::snapshot(folder), before);
    EXPECT_FALSE(std::filesystem::exists(folder / store::kJournalName));
  }
  EXPECT_EQ(sizeProblem({}), "");
  EXPECT_EQ(sizeProblem({5, 5, -1, 0, 0, 1}), "time must be from 0 to 1000000");
}

}  // namespace
}  // namespace vrk::sample
