#include "core/statements/activity_reports.h"

#include <array>

#include "core/document/date_text.h"
#include "core/document/line_builder.h"
#include "core/document/money_text.h"
#include "core/document/number_text.h"
#include "core/store/billing_period.h"

namespace vrk::statements {
namespace {

using document::LineBuilder;

constexpr int kHeadingLines = 18;  // the line count after the group attorney report's heading
constexpr int kThreshold = 60;
const std::string kSeparator = " " + std::string(79, 'x');

std::string quoted(const std::string& group) { return "\"" + group + "\""; }

// Hours ending in columns 21, 33, 44, 55 and 66, the fees (money text) in 78.
document::Line columns(const std::string& start, const std::array<double, 6>& row) {
  static constexpr int kEnds[] = {21, 33, 44, 55, 66, 78};
  LineBuilder line;
  line.text(start);
  for (std::size_t i = 0; i < row.size(); ++i) {
    const std::string figure = i == 5 ? document::moneyText(row[i]) : document::hoursText(row[i]);
    line.blanks(kEnds[i] - line.length() - static_cast<int>(figure.size())).text(figure);
  }
  return line.line();
}

void groupAttorneyHeading(document::PageWriter& page, const GroupReportHeading& heading) {
  page.addBlank(6);
  page.add(LineBuilder()
               .blanks(25)
               .title("Attorney Activity Report - Client Group " + quoted(heading.group))
               .line());
  page.addBlank(3);
  page.add(LineBuilder().text("    Billing Period:  " + store::displayBillingPeriod(heading.period)).line());
  page.addBlank();
  page.add(LineBuilder().text("    Statement Date:  " + document::reportDate(heading.statementDate)).line());
  page.addBlank(3);
  page.add(LineBuilder().text("             Overhead   |------------- Client Hours -------------|").line());
  page.add(LineBuilder()
               .text("    Attorney    Hours   Ctngt Fee  No Charge     Billed      Total       Fees")
               .line());
  page.setLineCount(kHeadingLines);
}

void endPageOnLastLine(document::Document& document) {
  if (!document.lines.empty()) document.lines.back().formFeed = true;
}

}  // namespace

double totalBillings(const GroupTotals& t) {
  return t.hourlyFees + t.retainerFees + t.lateCharges + t.costs - t.credits;
}

document::PageWriter attorneyActivityPages(const std::vector<std::string>& initials,
                                           const std::vector<AttorneyCells>& cells,
                                           const AttorneyReportPages& pages) {
  const bool screen = pages.sink == document::SinkKind::Screen;
  document::PageWriter page;
  pages.heading(page);
  std::array<double, 6> sums{};
  for (std::size_t k = 0; k < initials.size(); ++k) {
    if (!page.fits(3, kThreshold)) {
      page.addBlank(3);
      const LineBuilder footer = LineBuilder().blanks(40).text(document::pageField(page.pageNumber()));
      page.add(screen ? footer.line() : footer.endPage());
      if (screen) {
        page.addBlank(2);
        page.add(LineBuilder().text(kSeparator).line());
      }
      page.nextPage();
      pages.heading(page);
    }
    const AttorneyCells c = k < cells.size() ? cells[k] : AttorneyCells{};
    const std::array<double, 6> row{
        c.overhead, c.contingent, c.noCharge, c.billed, c.contingent + c.noCharge + c.billed, c.fees};
    for (std::size_t i = 0; i < row.size(); ++i) sums[i] += row[i];
    page.add(columns("         " + initials[k], row));
  }
  page.addBlank();
  page.add(columns("      TOTALS", sums));
  return page;
}

void addBillingFigures(document::Document& document, const std::string& indent, const std::string& scope,
                       const GroupTotals& t, double billings) {
  const std::string forScope = " For " + scope + " = ";
  const std::pair<std::string, double> amounts[] = {
      {"Total Of Previous Balances Due" + forScope, t.previousBalances},
      {"Total Payments Received" + forScope, t.paymentsReceived},
      {"Total Of Previous Trust Balances" + forScope, t.previousTrust},
      {"Total Of Current Trust Balances" + forScope, t.currentTrust},
      {"Total Of Unpaid Balances Remaining From Last Statements = ", t.unpaidBalances},
      {"Total Of Late Charges" + forScope, t.lateCharges},
      {"Total Retainer Fees" + forScope, t.retainerFees},
      {"Total Hourly Fees" + forScope, t.hourlyFees},
      {"Total Costs" + forScope, t.costs},
      {"Total Credits" + forScope, t.credits},
      {"Total Billings" + forScope, billings},
      {"Total Of Balances Now Due" + forScope, t.balancesNowDue},
  };
  const auto line = [&](const std::string& text) {
    document.lines.push_back(LineBuilder().text(text).line());
  };
  line(indent + "Total Attorney Hours" + forScope + document::hoursText(t.attorneyHours));
  for (const auto& [label, amount] : amounts) {
    document.lines.emplace_back();
    line(indent + label + document::moneyText(amount));
  }
}

document::Document groupActivityReports(const std::vector<std::string>& initials,
                                        const GroupActivity& activity, const GroupReportHeading& heading,
                                        bool formFeedAfter) {
  const AttorneyReportPages pages{[&](document::PageWriter& page) { groupAttorneyHeading(page, heading); },
                                  document::SinkKind::Printer};
  document::PageWriter attorneys = attorneyActivityPages(initials, activity.attorneys, pages);
  const int pageCount = attorneys.pageNumber();
  if (pageCount > 1) {
    attorneys.fillTo(59);
    attorneys.add(LineBuilder().blanks(40).text(document::pageField(pageCount)).endPage());
  }
  document::Document document = attorneys.release();
  if (pageCount == 1) endPageOnLastLine(document);

  const auto line = [&](const std::string& text) {
    document.lines.push_back(LineBuilder().text(text).line());
  };
  const auto blanks = [&](int count) {
    for (int i = 0; i < count; ++i) document.lines.push_back({});
  };
  blanks(6);
  document.lines.push_back(LineBuilder()
                               .blanks(26)
                               .title("Billing Activity Report - Client Group " + quoted(heading.group))
                               .line());
  blanks(3);
  line("      Billing Period:  " + store::displayBillingPeriod(heading.period));
  blanks(1);
  line("      Statement Date:  " + document::reportDate(heading.statementDate));
  blanks(3);
  addBillingFigures(document, "      ", "This Client Group", activity.totals, totalBillings(activity.totals));
  if (formFeedAfter) endPageOnLastLine(document);
  return document;
}

}  // namespace vrk::statements
