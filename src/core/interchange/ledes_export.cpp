#include "core/interchange/ledes_export.h"

#include <stdexcept>
#include <variant>
#include <vector>

#include "core/clients/client_book.h"
#include "core/clients/client_record.h"
#include "core/document/number_text.h"
#include "core/document/rounding.h"
#include "core/interchange/ledes_check.h"
#include "core/statements/statement_computation.h"
#include "core/store/billing_period.h"
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

}  // namespace

std::string ledesInvoices(const std::filesystem::path& folder, const LedesRequest& request) {
  store::Transaction tx(folder);
  const store::RecordTable clientTable(store::clientTable(), tx);
  const auto position = clients::clientPosition(clientTable, request.client);
  if (!position) throw std::invalid_argument("no client " + request.client + " in the client list");
  const auto record = clients::decodeClientRecord(clientTable.readRecord(*position));
  const statements::StatementSource source(tx);
  statements::GroupActivity activity;
  const statements::Statement statement = statements::computeStatement(source, request.client, record, false, activity);

  const int month = store::periodMonth(request.period);
  const int year = store::periodYear(request.period);
  const store::CalendarDate start{year, month, 1};
  store::CalendarDate end = start;
  while (store::isValidDate({year, month, end.day + 1})) ++end.day;

  std::string file = "LEDES1998B[]\r\n" + ledesFieldNamesLine() + "\r\n";
  for (const auto& invoice : invoices(statement, ledesDate(end))) {
    double total = 0;
    for (const auto& item : invoice.items) total += item.total;
    int number = 0;
    for (const auto& item : invoice.items) {
      const std::vector<std::string> fields = {
          ledesDate(request.statementDate), field(request.invoiceNumber), field(request.client),
          field(request.client + "-" + invoice.matter), money(total), ledesDate(start), ledesDate(end),
          invoice.description, std::to_string(++number), item.type, item.units, item.adjustment,
          money(item.total), item.date, "", "", "", item.timekeeper, item.description, "", item.unitCost,
          item.timekeeper, "", ""};
      for (std::size_t i = 0; i < fields.size(); ++i) file += (i ? "|" : "") + fields[i];
      file += "[]\r\n";
    }
  }
  return file;
}

std::size_t ledesLineItems(const std::string& file) {
  std::size_t lines = 0;
  for (std::size_t at = file.find("[]\r\n"); at != std::string::npos; at = file.find("[]\r\n", at + 4)) ++lines;
  return lines > 2 ? lines - 2 : 0;
}

}  // namespace vrk::interchange
