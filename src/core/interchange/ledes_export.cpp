#include "core/interchange/ledes_export.h"

#include <optional>
#include <stdexcept>
#include <utility>
#include <variant>
#include <vector>

#include "core/clients/client_book.h"
#include "core/clients/client_record.h"
#include "core/document/number_text.h"
#include "core/document/rounding.h"
#include "core/interchange/ledes_check.h"
#include "core/rules/input_rules.h"
#include "core/statements/statement_computation.h"
#include "core/statements/statement_run.h"
#include "core/store/billing_period.h"
#include "core/store/outside_files.h"
#include "core/store/tables.h"
#include "core/store/transaction.h"

namespace vrk::interchange {
namespace {

std::string ledesDate(const store::CalendarDate& date) {
  const auto digits = [](int value, std::size_t width) {
    std::string text = std::to_string(value);
    return std::string(width > text.size() ? width - text.size() : 0, '0') + text;
  };
  return digits(date.year, 4) + digits(date.month, 2) + digits(date.day, 2);
}

std::string money(double value) { return document::fixedText(value, 2); }

// Text for a field: no field separator, no line break, no "[]" (which ends a line), outer blanks gone.
std::string field(const std::string& text) {
  std::string out;
  for (const char c : text) out += c == '|' ? '/' : (c == '\r' || c == '\n' ? ' ' : c);
  for (std::size_t at = out.find("[]"); at != std::string::npos; at = out.find("[]", at)) out.replace(at, 2, "()");
  const auto first = out.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : out.substr(first, out.find_last_not_of(' ') - first + 1);
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines)
    if (!line.empty()) text += (text.empty() ? "" : " ") + line;
  return field(text);
}

struct Item {
  std::string type;  // F, E, IE
  std::string units, unitCost, adjustment;
  double total = 0;  // rounded to cents
  std::string date, timekeeper, description;
};

struct Invoice {
  std::string matter;
  std::string description;
  std::vector<Item> items;
};

std::vector<Invoice> invoices(const statements::Statement& statement, const std::string& periodEnd) {
  std::vector<Invoice> out;
  Invoice* current = nullptr;
  const auto dateOf = [](double stored) { return ledesDate(store::fromStoredDate(stored)); };
  for (const auto& item : statement.items) {
    if (const auto* heading = std::get_if<statements::MatterHeading>(&item)) {
      out.push_back({heading->matter, joined(heading->description), {}});
      current = &out.back();
    } else if (std::holds_alternative<statements::RetainerHeading>(item)) {
      current = nullptr;  // retainer services are not billed by the hour
    } else if (!current) {
      continue;
    } else if (const auto* time = std::get_if<statements::TimeEntry>(&item)) {
      if (!time->fee) continue;  // no charge
      current->items.push_back({"F", document::fixedText(time->hours, 2), money(time->rate), "",
                                document::roundHalfAway(*time->fee, 2), dateOf(time->date), time->initials,
                                joined(time->description)});
    } else if (const auto* line = std::get_if<statements::SummaryLine>(&item)) {
      current->items.push_back({"F", document::fixedText(line->hours, 2), money(line->rate), "",
                                document::roundHalfAway(line->amount, 2), periodEnd, line->initials,
                                "Professional services"});
    } else if (const auto* cost = std::get_if<statements::CostEntry>(&item)) {
      const double amount = document::roundHalfAway(cost->amount, 2);
      if (cost->credit) {
        current->items.push_back({"IE", "", "", money(-amount), -amount, dateOf(cost->date), "",
                                  joined(cost->description)});
      } else {
        current->items.push_back({"E", "1", money(amount), "", amount, dateOf(cost->date), "",
                                  joined(cost->description)});
      }
    }
  }
  std::erase_if(out, [](const Invoice& invoice) { return invoice.items.empty(); });
  return out;
}

// The first and last days of a billing period.
std::pair<store::CalendarDate, store::CalendarDate> periodDates(const std::string& period) {
  const int month = store::periodMonth(period);
  const int year = store::periodYear(period);
  const store::CalendarDate start{year, month, 1};
  store::CalendarDate end = start;
  while (store::isValidDate({year, month, end.day + 1})) ++end.day;
  return {start, end};
}

}  // namespace

LedesFile ledesHeader() { return {"LEDES1998B[]\r\n" + ledesFieldNamesLine() + "\r\n", 0}; }

void addLedesInvoices(LedesFile& file, const statements::Statement& statement, const LedesRequest& request) {
  const auto [start, end] = periodDates(request.period);
  for (const auto& invoice : invoices(statement, ledesDate(end))) {
    double total = 0;
    for (const auto& item : invoice.items) total += item.total;
    int number = 0;
    for (const auto& item : invoice.items) {
      const std::vector<std::string> fields = {
          ledesDate(request.statementDate), field(request.invoiceNumber), field(statement.client),
          field(statement.client + "-" + invoice.matter), money(total), ledesDate(start), ledesDate(end),
          invoice.description, std::to_string(++number), item.type, item.units, item.adjustment,
          money(item.total), item.date, "", "", "", item.timekeeper, item.description, "", item.unitCost,
          item.timekeeper, "", ""};
      for (std::size_t i = 0; i < fields.size(); ++i) file.text += (i ? "|" : "") + fields[i];
      file.text += "[]\r\n";
      ++file.items;
    }
  }
}

LedesFile ledesInvoices(const std::filesystem::path& folder, const LedesRequest& request) {
  store::Transaction tx(folder);
  const store::RecordTable clientTable(store::clientTable(), tx);
  std::optional<std::size_t> clientPosition;
  if (request.group.empty()) {
    clientPosition = clients::clientPosition(clientTable, request.client);
    if (!clientPosition) throw std::invalid_argument("no client " + request.client + " in the client list");
  }
  const statements::StatementSource source(tx);
  statements::GroupActivity activity;
  LedesFile file = ledesHeader();
  for (std::size_t position = 0; position < clientTable.size(); ++position) {
    if (clientPosition && position != *clientPosition) continue;
    const auto record = clients::decodeClientRecord(clientTable.readRecord(position));
    if (!clientPosition && record.group != request.group) continue;
    const std::string& client = clientTable.texts(0)[position];
    addLedesInvoices(file, statements::computeStatement(source, client, record, false, activity), request);
  }
  return file;
}

std::optional<LedesFile> clientLedes(const std::filesystem::path& folder, const LedesRequest& request,
                                     dialog::Outcome& outcome) {
  if (!rules::isClientCode(request.client)) {
    outcome.error(statements::kRunInvalidClientCode);
    return std::nullopt;
  }
  try {
    LedesFile file = ledesInvoices(folder, request);
    if (file.items > 0) return file;
    outcome.information(kNoLedesItems);
  } catch (const std::invalid_argument&) {
    outcome.error(statements::kRunNoClientData);
  }
  return std::nullopt;
}

dialog::Outcome saveLedesFile(const LedesFile& ledes, const std::filesystem::path& file) {
  store::writeFileWhole(file, ledes.text);
  dialog::Outcome outcome;
  outcome.information(kLedesSaved);
  return outcome;
}

std::string ledesFileName(int invoiceNumber, const std::string& client) {
  return std::to_string(invoiceNumber) + "-" + client + ".txt";
}

}  // namespace vrk::interchange
