#include "core/interchange/record_export.h"

#include "core/clients/client_record.h"
#include "core/document/date_text.h"
#include "core/interchange/csv.h"
#include "core/interchange/record_import.h"
#include "core/matters/matter_record.h"
#include "core/records/billing_table.h"
#include "core/records/record_fields.h"
#include "core/store/record_table.h"
#include "core/store/tables.h"
#include "core/store/transaction.h"

namespace vrk::interchange {
namespace {

std::string date(double stored) { return document::recordDate(store::fromStoredDate(stored)); }

// "00001250.00" -> "1250.00", "000120.5" -> "120.5", "0.00" stays.
std::string plainDecimal(const std::string& stored) {
  std::size_t first = 0;
  while (first + 1 < stored.size() && stored[first] == '0' && stored[first + 1] != '.') ++first;
  return stored.substr(first);
}

template <std::size_t N>
std::string description(const std::array<std::string, N>& lines) {
  std::size_t count = N;
  while (count > 0 && lines[count - 1].empty()) --count;
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += (i ? "\n" : "") + lines[i];
  return text;
}

std::vector<std::vector<std::string>> rows(store::Transaction& tx, ExportKind kind) {
  std::vector<std::vector<std::string>> out;
  switch (kind) {
    case ExportKind::Time: {
      store::RecordTable table(store::timeRecordTable(), tx);
      table.keepRecordsInMemory();
      for (std::size_t p = 0; p < table.size(); ++p) {
        const auto key = records::keyAt(table, p);
        const auto record = records::decodeTimeRecord(table.readRecord(p));
        out.push_back({key.client, key.matter, date(key.date), record.initials, record.time,
                       plainDecimal(record.rate), description(record.description)});
      }
      break;
    }
    case ExportKind::CostCredit: {
      store::RecordTable table(store::costCreditRecordTable(), tx);
      table.keepRecordsInMemory();
      for (std::size_t p = 0; p < table.size(); ++p) {
        const auto key = records::keyAt(table, p);
        const auto record = records::decodeCostCreditRecord(table.readRecord(p));
        out.push_back({key.client, key.matter, date(key.date), record.kind == records::kCredit ? "credit" : "cost",
                       plainDecimal(record.amount), description(record.description)});
      }
      break;
    }
    case ExportKind::Payment: {
      const store::RecordTable table(store::paymentRecordTable(), tx);
      for (std::size_t p = 0; p < table.size(); ++p)
        out.push_back({table.texts(0)[p], date(table.dates(1)[p]), plainDecimal(table.texts(2)[p])});
      break;
    }
    case ExportKind::Clients: {
      store::RecordTable table(store::clientTable(), tx);
      table.keepRecordsInMemory();
      for (std::size_t p = 0; p < table.size(); ++p) {
        const auto record = clients::decodeClientRecord(table.readRecord(p));
        std::vector<std::string> row = {table.texts(0)[p], record.group};
        row.insert(row.end(), record.address.begin(), record.address.end());
        row.push_back(std::to_string(record.category));
        row.push_back(record.lateCharges ? "yes" : "no");
        row.push_back(record.lastStatementDate == 0 ? std::string() : date(record.lastStatementDate));
        for (const auto& amount : record.amounts) row.push_back(plainDecimal(amount));
        out.push_back(std::move(row));
      }
      break;
    }
    case ExportKind::Matters: {
      store::RecordTable table(store::matterTable(), tx);
      table.keepRecordsInMemory();
      for (std::size_t p = 0; p < table.size(); ++p) {
        const auto record = matters::decodeMatterRecord(table.readRecord(p));
        std::vector<std::string> row = {table.texts(0)[p], table.texts(1)[p]};
        row.insert(row.end(), record.description.begin(), record.description.end());
        row.insert(row.end(), {date(record.dateCreated), record.principalAttorney, std::to_string(record.feeSchedule),
                               plainDecimal(record.hoursToDate), plainDecimal(record.feesToDate),
                               plainDecimal(record.costsToDate), plainDecimal(record.creditsToDate)});
        out.push_back(std::move(row));
      }
      break;
    }
  }
  return out;
}

}  // namespace

std::vector<std::string> exportColumns(ExportKind kind) {
  switch (kind) {
    case ExportKind::Time: return importColumns(ImportKind::Time);
    case ExportKind::CostCredit: return importColumns(ImportKind::CostCredit);
    case ExportKind::Payment: return importColumns(ImportKind::Payment);
    case ExportKind::Clients:
      return {"code", "group", "address-1", "address-2", "address-3", "address-4", "address-5", "address-6",
              "category", "late-charges", "last-statement-date", "monthly-retainer-amount",
              "fees-on-last-statement", "costs-on-last-statement", "credits-on-last-statement",
              "trust-account-balance", "balance-due-on-last-statement", "balance-due-for-30-days",
              "balance-due-for-60-days", "balance-due-for-90-days", "payments-since-last-statement"};
    case ExportKind::Matters:
      return {"client", "matter", "description-1", "description-2", "description-3", "description-4",
              "date-created", "attorney", "fee-schedule", "hours-to-date", "fees-to-date", "costs-to-date",
              "credits-to-date"};
  }
  return {};
}

std::string exportRecords(const std::filesystem::path& folder, ExportKind kind) {
  store::Transaction tx(folder);
  std::string file(kUtf8ByteOrderMark);
  file += csvLine(exportColumns(kind));
  for (const auto& row : rows(tx, kind)) file += csvLine(row);
  return file;
}

}  // namespace vrk::interchange
