#include "core/statements/activity_reports.h"

#include "core/document/date_text.h"
#include "core/document/line_builder.h"
#include "core/document/money_text.h"
#include "core/document/number_text.h"
#include "core/document/page_writer.h"
#include "core/store/billing_period.h"

namespace vrk::statements {
namespace {

using document::LineBuilder;

constexpr int kHeadingLines = 18;  // the line count after the attorney report's heading
constexpr int kThreshold = 60;

std::string quoted(const std::string& group) { return "\"" + group + "\""; }

class AttorneyReport {
 public:
  AttorneyReport(const std::vector<std::string>& initials, const GroupActivity& activity, const GroupReportHeading& heading)
      : initials_(initials), activity_(activity), heading_(heading) {}

  document::PageWriter write() {
    headingLines();
    std::array<double, 6> sums{};
    for (std::size_t k = 0; k < initials_.size(); ++k) {
      fit(3);
      const AttorneyCells cells = k < activity_.attorneys.size() ? activity_.attorneys[k] : AttorneyCells{};
      const std::array<double, 6> row{cells.overhead, cells.contingent, cells.noCharge, cells.billed,
                                      cells.contingent + cells.noCharge + cells.billed, cells.fees};
      for (std::size_t i = 0; i < row.size(); ++i) sums[i] += row[i];
      page_.add(columns("         " + initials_[k], row));
    }
    page_.addBlank();
    page_.add(columns("      TOTALS", sums));
    return std::move(page_);
  }

 private:
  // Hours ending in columns 21, 33, 44, 55 and 66, the fees (money text) in 78.
  static document::Line columns(const std::string& start, const std::array<double, 6>& row) {
    static constexpr int kEnds[] = {21, 33, 44, 55, 66, 78};
    LineBuilder line;
    line.text(start);
    for (std::size_t i = 0; i < row.size(); ++i) {
      const std::string figure = i == 5 ? document::moneyText(row[i]) : document::hoursText(row[i]);
      line.blanks(kEnds[i] - line.length() - static_cast<int>(figure.size())).text(figure);
    }
    return line.line();
  }

  void headingLines() {
    page_.addBlank(6);
    page_.add(LineBuilder()
                  .blanks(25)
                  .title("Attorney Activity Report - Client Group " + quoted(heading_.group))
                  .line());
    page_.addBlank(3);
    page_.add(LineBuilder().text("    Billing Period:  " + store::displayBillingPeriod(heading_.period)).line());
    page_.addBlank();
    page_.add(LineBuilder().text("    Statement Date:  " + document::reportDate(heading_.statementDate)).line());
    page_.addBlank(3);
    page_.add(LineBuilder().text("             Overhead   |------------- Client Hours -------------|").line());
    page_.add(LineBuilder()
                  .text("    Attorney    Hours   Ctngt Fee  No Charge     Billed      Total       Fees")
                  .line());
    page_.setLineCount(kHeadingLines);
  }

  void fit(int needed) {
    if (page_.fits(needed, kThreshold)) return;
    page_.addBlank(3);
    page_.add(LineBuilder().blanks(40).text(document::pageField(page_.pageNumber())).endPage());
    page_.nextPage();
    headingLines();
  }

  const std::vector<std::string>& initials_;
  const GroupActivity& activity_;
  const GroupReportHeading& heading_;
  document::PageWriter page_;
};

void endPageOnLastLine(document::Document& document) {
  if (!document.lines.empty()) document.lines.back().formFeed = true;
}

}  // namespace

double totalBillings(const GroupTotals& t) {
  return t.hourlyFees + t.retainerFees + t.lateCharges + t.costs - t.credits;
}

document::Document groupActivityReports(const std::vector<std::string>& initials, const GroupActivity& activity,
                                        const GroupReportHeading& heading, bool formFeedAfter) {
  document::PageWriter attorneys = AttorneyReport(initials, activity, heading).write();
  const int pages = attorneys.pageNumber();
  if (pages > 1) {
    attorneys.fillTo(59);
    attorneys.add(LineBuilder().blanks(40).text(document::pageField(pages)).endPage());
  }
  document::Document document = attorneys.release();
  if (pages == 1) endPageOnLastLine(document);

  const auto line = [&](const std::string& text) { document.lines.push_back(LineBuilder().text(text).line()); };
  const auto blanks = [&](int count) {
    for (int i = 0; i < count; ++i) document.lines.push_back({});
  };
  blanks(6);
  document.lines.push_back(
      LineBuilder().blanks(26).title("Billing Activity Report - Client Group " + quoted(heading.group)).line());
  blanks(3);
  line("      Billing Period:  " + store::displayBillingPeriod(heading.period));
  blanks(1);
  line("      Statement Date:  " + document::reportDate(heading.statementDate));
  blanks(3);
  const GroupTotals& t = activity.totals;
  const std::pair<const char*, double> figures[] = {
      {"Total Of Previous Balances Due For This Client Group = ", t.previousBalances},
      {"Total Payments Received For This Client Group = ", t.paymentsReceived},
      {"Total Of Previous Trust Balances For This Client Group = ", t.previousTrust},
      {"Total Of Current Trust Balances For This Client Group = ", t.currentTrust},
      {"Total Of Unpaid Balances Remaining From Last Statements = ", t.unpaidBalances},
      {"Total Of Late Charges For This Client Group = ", t.lateCharges},
      {"Total Retainer Fees For This Client Group = ", t.retainerFees},
      {"Total Hourly Fees For This Client Group = ", t.hourlyFees},
      {"Total Costs For This Client Group = ", t.costs},
      {"Total Credits For This Client Group = ", t.credits},
      {"Total Billings For This Client Group = ", totalBillings(t)},
      {"Total Of Balances Now Due For This Client Group = ", t.balancesNowDue},
  };
  line("      Total Attorney Hours For This Client Group = " + document::hoursText(t.attorneyHours));
  for (const auto& [label, amount] : figures) {
    blanks(1);
    line(std::string("      ") + label + document::moneyText(amount));
  }
  if (formFeedAfter) endPageOnLastLine(document);
  return document;
}

}  // namespace vrk::statements
