// Test support: a small office built record by record in a temporary billing-period folder, and
// its statements computed.
#pragma once

#include <gtest/gtest.h>

#include "core/attorneys/attorney_register.h"
#include "core/clients/client_record.h"
#include "core/matters/matter_record.h"
#include "core/records/record_fields.h"
#include "core/statements/statement_computation.h"
#include "core/store/counts.h"
#include "core/store/dates.h"
#include "core/store/tables.h"
#include "support/temp_folder.h"

namespace vrk::statements {

// Attorneys AB (schedule rates 150, 175) and JD (250, 275); two fee schedules.
class StatementOffice {
 public:
  StatementOffice() {
    store::Transaction tx(folder_);
    attorneys::AttorneyRegister reg;
    reg.initials = {"AB", "JD"};
    reg.rates = {{"150", "175"}, {"250", "275"}};
    reg.scheduleCount = 2;
    store::writeCounts(tx, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    attorneys::stageAttorneyRegister(tx, reg);
    tx.commit();
  }

  // A client of `category` with its balances: {balance due, payments, trust, retainer}.
  void client(const std::string& code, std::int32_t category, std::array<const char*, 4> money = {"", "", "", ""},
              bool lateCharges = false) {
    clients::ClientRecord record;
    record.group = "A";
    record.address = {code + " Inc.", "1 Main Street"};
    record.category = category;
    record.lateCharges = lateCharges;
    record.amounts[clients::kBalanceDue] = money[0];
    record.amounts[clients::kPaymentsSinceLastStatement] = money[1];
    record.amounts[clients::kTrustAccountBalance] = money[2];
    record.amounts[clients::kMonthlyRetainer] = money[3];
    records_[code] = record;
    add(store::clientTable(), {code}, clients::encodeClientRecord(record));
  }
  void matter(const std::string& code, const std::string& number, std::int32_t schedule,
              std::array<std::string, 4> description = {"Matter", "", "", ""}) {
    matters::MatterRecord record;
    record.description = description;
    record.feeSchedule = schedule;
    record.hoursToDate = "10.0";
    record.feesToDate = "1000.00";
    record.costsToDate = "100.00";
    record.creditsToDate = "0";
    add(store::matterTable(), {code, number}, matters::encodeMatterRecord(record));
  }
  void time(const std::string& code, const std::string& matter, int day, const std::string& initials,
            const std::string& hours, const std::string& rate = "", const std::string& line = "Work") {
    add(store::timeRecordTable(), {code, matter, store::toStoredDate({2001, 7, day})},
        records::encodeTimeRecord({initials, hours, rate, {line}}));
  }
  void cost(const std::string& code, const std::string& matter, int day, const std::string& amount, bool credit = false) {
    add(store::costCreditRecordTable(), {code, matter, store::toStoredDate({2001, 7, day})},
        records::encodeCostCreditRecord({credit ? records::kCredit : records::kCost, amount, {"Expense"}}));
  }

  Statement compute(const std::string& code, bool final = false) {
    store::Transaction tx(folder_);
    const StatementSource source(tx);
    return computeStatement(source, code, records_.at(code), final, activity);
  }

  GroupActivity activity;

 private:
  void add(const store::TableLayout& layout, const store::Key& key, const std::string& record) {
    store::Transaction tx(folder_);
    store::RecordTable table(layout, tx);
    table.add(key, record);
    tx.commit();
  }

  test::TempFolder temp_;
  std::filesystem::path folder_ = temp_.path();
  std::map<std::string, clients::ClientRecord> records_;
};

// The lines of a statement as short texts: "time 2.5 625.00", "N/C", "totals fees 625.00", ...
std::vector<std::string> describe(const Statement& statement);

}  // namespace vrk::statements
