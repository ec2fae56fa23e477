#include "core/reports/aged_accounts.h"

#include <algorithm>
#include <array>

#include "core/clients/client_record.h"
#include "core/document/date_text.h"
#include "core/document/line_builder.h"
#include "core/document/long_document.h"
#include "core/document/money_text.h"
#include "core/document/page_writer.h"
#include "core/rules/decimal_value.h"
#include "core/store/billing_period.h"
#include "core/store/record_table.h"
#include "core/store/tables.h"

namespace vrk::reports {
namespace {

using document::LineBuilder;
using document::SinkKind;

constexpr int kHeadingLines = 14;   // the line count after the heading
constexpr int kThreshold = 68;      // a block of 3 lines that would reach it starts a new page
constexpr int kLastPageLines = 70;  // a report of several pages fills its last page to here
constexpr int kFooterBlanks = 50;   // blanks before a footer's page field
constexpr int kSignificantDigits = 9;
constexpr int kCodeUnderline = 6;
constexpr int kAmountUnderline = 10;
const std::string kSeparator = " " + std::string(91, 'x');

// Where each column ends (from 1): client code, the 90-, 60- and 30-day balances, the balance on
// last statement, the payments and the balance due now. A negative balance on last statement or
// balance due now puts its closing parenthesis one column further.
struct Columns {
  int code;
  std::array<int, 6> amounts;
  std::string title;  // the title line
  std::string periodIndent;
  std::array<std::string, 2> headings;
};

const Columns& columnsFor(SinkKind sink) {
  static const Columns screen{10,
                              {26, 39, 52, 68, 81, 94},
                              std::string(39, ' '),
                              "   ",
                              {"    Client         90 Days      60 Days      30 Days      Balance On     "
                               "Payments      Balance",
                               "    Code           Balance      Balance      Balance  Last Statement     "
                               "Received      Due Now"}};
  static const Columns printer{11,
                               {24, 37, 50, 66, 79, 92},
                               std::string(32, ' '),
                               "    ",
                               {"     Client      90 Days      60 Days      30 Days      Balance On     "
                                "Payments      Balance",
                                "     Code        Balance      Balance      Balance  Last Statement     "
                                "Received      Due Now"}};
  return sink == SinkKind::Screen ? screen : printer;
}

constexpr std::array<bool, 6> kParenthesisPastColumn{false, false, false, true, false, true};

// The text ending in `endColumn`, with at least one blank before it when the line already holds
// something (an amount too wide for its column pushes the rest of the line along).
void place(LineBuilder& line, const std::string& text, int endColumn) {
  const int width = endColumn - line.length();
  const int needed = static_cast<int>(text.size()) + (line.length() > 0 ? 1 : 0);
  line.right(text, std::max(width, needed));
}

document::Line figuresLine(const Columns& columns, const std::string& label, const AgedFigures& f) {
  const std::array<double, 6> values{f.days90, f.days60, f.days30, f.lastStatement, f.payments, f.dueNow};
  LineBuilder line;
  place(line, label, columns.code);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::string text = document::moneyText(values[i], kSignificantDigits);
    const bool pastColumn = kParenthesisPastColumn[i] && text.front() == '(';
    place(line, text, columns.amounts[i] + (pastColumn ? 1 : 0));
  }
  return line.line();
}

document::Line underline(const Columns& columns) {
  LineBuilder line;
  place(line, std::string(kCodeUnderline, '_'), columns.code);
  for (const int end : columns.amounts) place(line, std::string(kAmountUnderline, '_'), end);
  return line.line();
}

document::Line text(const std::string& content) { return LineBuilder().text(content).line(); }

void addHeading(document::PageWriter& page, const Columns& columns, const AgedReportHeading& heading,
                SinkKind sink) {
  const std::string title = "Aged Accounts Report";
  page.addBlank(3);
  page.add(sink == SinkKind::Screen ? text(columns.title + title)
                                    : LineBuilder().text(columns.title).title(title).line());
  page.addBlank(3);
  page.add(text(columns.periodIndent + "Billing Period:  " + store::displayBillingPeriod(heading.period)));
  page.addBlank();
  page.add(text(columns.periodIndent + "Date Of This Report:  " + document::reportDate(heading.today)));
  page.addBlank(2);
  page.add(text(columns.headings[0]));
  page.add(text(columns.headings[1]));
  page.setLineCount(kHeadingLines);
}

document::Line footer(int pageNumber, bool formFeed) {
  const LineBuilder line = LineBuilder().blanks(kFooterBlanks).text(document::pageField(pageNumber));
  return formFeed ? line.endPage() : line.line();
}

double notBelowZero(double value) { return value > 0 ? value : 0; }

}  // namespace

AgedFigures agedFigures(const AgedClient& client, SinkKind sink) {
  AgedFigures f;
  f.payments = client.payments;
  f.lastStatement = client.trust > 0 ? -client.trust : client.balanceDue;
  f.dueNow = f.lastStatement - f.payments;
  f.days30 = client.due30 - f.payments;
  f.days60 = client.due60 - f.payments;
  f.days90 = client.due90 - f.payments;
  if (sink == SinkKind::Printer) {
    f.days30 = std::min(f.days30, f.dueNow);
    f.days60 = std::min(f.days60, f.days30);
    f.days90 = std::min(f.days90, f.days60);
  }
  f.days30 = notBelowZero(f.days30);
  f.days60 = notBelowZero(f.days60);
  f.days90 = notBelowZero(f.days90);
  return f;
}

void addToTotals(AgedFigures& totals, const AgedFigures& line) {
  totals.days90 += line.days90;
  totals.days60 += line.days60;
  totals.days30 += line.days30;
  totals.payments += line.payments;
  if (line.lastStatement >= 0) totals.lastStatement += line.lastStatement;
  if (line.dueNow >= 0) totals.dueNow += line.dueNow;
}

AgedReportLayout layoutAgedAccounts(const std::vector<AgedClient>& clients, const AgedReportHeading& heading,
                                    SinkKind sink) {
  const Columns& columns = columnsFor(sink);
  const bool screen = sink == SinkKind::Screen;
  document::PageWriter page;
  addHeading(page, columns, heading, sink);
  const auto fitThreeLines = [&] {
    if (page.fits(3, kThreshold)) return;
    page.add(footer(page.pageNumber(), !screen));
    if (screen) page.add(text(kSeparator));
    page.nextPage();
    addHeading(page, columns, heading, sink);
  };

  AgedFigures totals;
  for (const AgedClient& client : clients) {
    fitThreeLines();
    const AgedFigures figures = agedFigures(client, sink);
    addToTotals(totals, figures);
    page.addBlank();
    page.add(figuresLine(columns, client.code, figures));
  }
  fitThreeLines();
  page.add(underline(columns));
  page.addBlank();
  page.add(figuresLine(columns, "TOTALS", totals));

  const int pages = page.pageNumber();
  if (pages > 1) {
    page.fillTo(kLastPageLines);
    page.add(footer(pages, false));
  }
  return {page.release(), pages};
}

std::vector<AgedClient> loadAgedClients(store::Transaction& tx) {
  store::RecordTable table(store::clientTable(), tx);
  table.keepRecordsInMemory();
  std::vector<AgedClient> clients;
  clients.reserve(table.size());
  for (std::size_t position = 0; position < table.size(); ++position) {
    const clients::ClientRecord record = clients::decodeClientRecord(table.readRecord(position));
    const auto amount = [&](clients::Amount which) {
      return rules::storedDecimalValue(record.amounts[which]);
    };
    clients.push_back({table.texts(0)[position], amount(clients::kBalanceDue),
                       amount(clients::kTrustAccountBalance), amount(clients::kBalanceDue30Days),
                       amount(clients::kBalanceDue60Days), amount(clients::kBalanceDue90Days),
                       amount(clients::kPaymentsSinceLastStatement)});
  }
  return clients;
}

document::Document agedAccountsReport(store::Transaction& tx, const AgedReportHeading& heading,
                                      SinkKind sink) {
  return layoutAgedAccounts(loadAgedClients(tx), heading, sink).document;
}

AgedAccountsReport::AgedAccountsReport(std::filesystem::path folder, AgedReportHeading heading)
    : folder_(std::move(folder)), heading_(std::move(heading)) {}

AgedAccountsReport::Shown AgedAccountsReport::display() const {
  store::Transaction tx(folder_);
  AgedReportLayout report = layoutAgedAccounts(loadAgedClients(tx), heading_, SinkKind::Screen);
  Shown shown{std::move(report.document), {}};
  if (document::warnsLongDocument(SinkKind::Screen, report.pages))
    shown.outcome.information(document::kLongDocumentMessage);
  return shown;
}

document::Document AgedAccountsReport::printout() const {
  store::Transaction tx(folder_);
  return agedAccountsReport(tx, heading_, SinkKind::Printer);
}

}  // namespace vrk::reports
