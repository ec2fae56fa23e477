#include "core/attorneys/fee_schedules_printout.h"

#include <algorithm>

#include "core/attorneys/attorney_grid.h"
#include "core/attorneys/rate_entry.h"
#include "core/document/date_text.h"
#include "core/document/line_builder.h"
#include "core/document/page_writer.h"
#include "core/store/billing_period.h"

namespace vrk::attorneys {
namespace {

constexpr const char* kTitle = "FEE SCHEDULES";
constexpr const char* kFooterTitle = "Fee Schedules";
constexpr int kSectionSchedules = 5;
constexpr int kBreakThreshold = 58;
constexpr int kFooterLine = 59;
constexpr int kRowLines = 3;  // the test a row makes: its line, its empty line and one to spare
constexpr int kRateField = 12;
constexpr int kFooterSpaces = 34;

// The footer: six blanks and the title, then `spaces` minus the title's length blanks before the
// page field (34 for the section and closing footers, 35 for a page break within a section).
document::FooterStyle footerStyle(int spaces) {
  const std::string text = std::string(6, ' ') + kFooterTitle;
  const int titleLength = static_cast<int>(std::string_view(kFooterTitle).size());
  return {text, static_cast<int>(text.size()) + (spaces - titleLength) + 1};
}

class Printout {
 public:
  Printout(const AttorneyRegister& reg, const std::string& period, const store::CalendarDate& today)
      : reg_(reg),
        periodLine_("      Billing Period:  " + store::displayBillingPeriod(period)),
        dateLine_("      Date Of This Report:  " + document::reportDate(today)) {}

  document::Document build() {
    const int n = reg_.scheduleCount;
    section(1, std::min(n, kSectionSchedules));
    if (n > kSectionSchedules) {
      page_.fillTo(kFooterLine);
      page_.endPage(footerStyle(kFooterSpaces));
      section(kSectionSchedules + 1, n);
    }
    page_.fillTo(kFooterLine);
    page_.finish(footerStyle(kFooterSpaces));
    return page_.release();
  }

 private:
  void section(int first, int last) {
    page_.addBlank(7);
    header();
    headingLine(first, last);
    for (std::size_t i = 0; i < reg_.initials.size(); ++i) {
      if (!page_.fits(kRowLines, kBreakThreshold)) {
        page_.fillTo(kFooterLine);
        page_.endPage(footerStyle(kFooterSpaces + 1));
        page_.addBlank(6);
        header();
        headingLine(first, last);
      }
      attorneyRow(i, first, last);
    }
  }

  // From the title to the two empty lines after the report date.
  void header() {
    page_.add(document::LineBuilder().blanks(34).title(kTitle).line());
    page_.addBlank(2);
    page_.add(document::LineBuilder().text(periodLine_).line());
    page_.addBlank(1);
    page_.add(document::LineBuilder().text(dateLine_).line());
    page_.addBlank(2);
  }

  void headingLine(int first, int last) {
    document::LineBuilder line;
    line.blanks(6).text("Attorney");
    for (int k = first; k <= last; ++k) line.blanks(k == 1 ? 4 : 6).text(scheduleHeading(k));
    page_.add(line.line());
    page_.addBlank(1);
  }

  void attorneyRow(std::size_t attorney, int first, int last) {
    document::LineBuilder line;
    std::string initials = reg_.initials[attorney];
    if (initials.size() < 6) initials.resize(6, ' ');
    line.blanks(7).text(initials);
    for (int k = first; k <= last; ++k) {
      const std::string rate = shownRate(reg_.rates[attorney][static_cast<std::size_t>(k - 1)]);
      if (rate.size() >= 5 && rate.size() <= 11) line.right(rate, kRateField);
    }
    page_.add(line.line());
    page_.addBlank(1);
  }

  const AttorneyRegister& reg_;
  std::string periodLine_;
  std::string dateLine_;
  document::PageWriter page_;
};

}  // namespace

document::Document feeSchedulesPrintout(const AttorneyRegister& reg, const std::string& billingPeriod,
                                        const store::CalendarDate& today) {
  return Printout(reg, billingPeriod, today).build();
}

}  // namespace vrk::attorneys
