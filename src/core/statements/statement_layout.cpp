#include "core/statements/statement_layout.h"

#include "core/document/date_text.h"
#include "core/document/line_builder.h"
#include "core/document/money_text.h"
#include "core/document/number_text.h"
#include "core/document/page_writer.h"
#include "core/store/dates.h"

namespace vrk::statements {
namespace {

using document::Line;
using document::LineBuilder;

constexpr int kPageLines = 59;          // text lines; the footer stands on line 60
constexpr int kPageThreshold = 57;      // a block reaching this line starts the next page
constexpr int kAfterHeading = 21;       // the line count once the date and invoice lines are written
constexpr int kAfterPageBreak = 8;
constexpr int kAmountEnd = 77;          // amounts end here; an amount in parentheses one further
constexpr int kDescriptionColumn = 18;
const std::string kRule = "      --------------------------------------";
const std::string kTitle = "      ____________________ MONTHLY STATEMENT OF ACCOUNTS ____________________";
const std::string kTotalsHeading = "      _______________________________ TOTALS ________________________________";
const std::string kSeparator = " " + std::string(79, 'x');

Line text(const std::string& content) { return LineBuilder().text(content).line(); }

// A piece padded on the left to a field; a padding of zero or less still writes one blank.
std::string padded(const std::string& piece, int width) {
  const int pad = width - static_cast<int>(piece.size());
  return std::string(static_cast<std::size_t>(pad > 0 ? pad : 1), ' ') + piece;
}

// An amount after `written` characters, ending in column 77, or 78 in parentheses.
std::string amountAfter(double amount, int written, bool negative = false) {
  const std::string shown = document::moneyText(negative ? -amount : amount);
  const int end = shown.front() == '(' ? kAmountEnd + 1 : kAmountEnd;
  return padded(shown, end - written);
}

std::string dateText(double stored) { return document::recordDate(store::fromStoredDate(stored)); }

const char* balanceLabel(Balance label) {
  switch (label) {
    case Balance::TrustAtStart: return "Trust Account Balance At Start Of Billing Period";
    case Balance::DueAtStart: return "Balance Due At Start Of Billing Period";
    case Balance::Payments: return "Payments Received Since Start Of Billing Period";
    case Balance::TrustForward: return "Trust Account Balance Forward";
    case Balance::Unpaid: return "Unpaid Balance Remaining From Last Statement";
    case Balance::LateCharge: return "Late Charges (1.5% of Unpaid Balance)";
    case Balance::Retainer: return "Monthly Retainer";
    case Balance::StatementFees: return "Total Fees On This Statement";
    case Balance::StatementCosts: return "Total Costs On This Statement";
    case Balance::StatementCredits: return "Total Credits On This Statement";
    case Balance::NoActivity: return "No Activity";
    case Balance::BalanceNowDue: return "Balance Now Due";
    case Balance::TrustBalance: return "Trust Account Balance";
  }
  return "";
}

bool shownNegative(Balance label) {
  return label == Balance::TrustAtStart || label == Balance::Payments || label == Balance::TrustForward ||
         label == Balance::StatementCredits || label == Balance::TrustBalance;
}

const char* totalLabel(MatterTotal total) {
  switch (total) {
    case MatterTotal::Hours: return "Total Hours For This Matter ";
    case MatterTotal::Fees: return "Total Fees For This Matter ";
    case MatterTotal::Costs: return "Total Costs For This Matter ";
    case MatterTotal::Credits: return "Total Credits For This Matter ";
  }
  return "";
}

class StatementWriter {
 public:
  StatementWriter(const Statement& statement, const StatementPrinting& printing)
      : st_(statement), printing_(printing), screen_(printing.sink == document::SinkKind::Screen) {}

  document::Document write() {
    heading();
    for (const Item& item : st_.items) std::visit([this](const auto& i) { add(i); }, item);
    if (retainerOpen_) page_.addBlank();
    page_.fillTo(kPageLines);
    footer(page_.pageNumber() > 1, printing_.formFeedAtEnd && !screen_);
    if (screen_) page_.addBlank(2);
    return page_.release();
  }

 private:
  void heading() {
    page_.addBlank(screen_ ? 12 : 11);
    page_.add(text(std::string(screen_ ? 39 : 40, ' ') + document::longDate(printing_.date)));
    if (printing_.invoiceLine && !screen_) {
      page_.addBlank(2);
      if (printing_.invoiceNumber) {
        const std::string invoice = "Invoice No. " + std::to_string(*printing_.invoiceNumber);
        page_.add(text(padded(invoice, kAmountEnd)));
      } else {
        page_.addBlank();
      }
      page_.addBlank();
    } else {
      page_.addBlank(4);
    }
    page_.setLineCount(kAfterHeading);
    for (const auto& line : st_.record.address)
      if (!line.empty()) page_.add(text("      " + line));
    // The lines after the address are counted in the heading's figure already.
    const int count = page_.lineCount();
    page_.addBlank(3);
    page_.add(text(kTitle));
    page_.addBlank();
    page_.setLineCount(count);
  }

  // Starts a new page first when a block of `needed` lines would reach the threshold.
  void fit(int needed) {
    if (page_.fits(needed, kPageThreshold)) return;
    page_.fillTo(kPageLines);
    footer(true, !screen_);
    if (screen_) {
      page_.addBlank(2);
      page_.add(text(kSeparator));
    }
    page_.addBlank(kAfterPageBreak);
    page_.nextPage(kAfterPageBreak);
  }

  void footer(bool pageField, bool formFeed) {
    const document::FooterStyle style{"      " + st_.client, screen_ ? 40 : 41};
    page_.add(document::footerLine(style, page_.pageNumber(), pageField, formFeed));
  }

  void closeRetainer() {
    if (!retainerOpen_) return;
    page_.addBlank();
    retainerOpen_ = false;
  }

  void add(const RetainerHeading&) {
    fit(7);
    page_.addBlank();
    page_.add(text("      Retainer Services"));
    page_.add(text(kRule));
    retainerOpen_ = true;
  }

  void add(const MatterHeading& heading) {
    closeRetainer();
    const int empty = static_cast<int>(heading.emptyDescriptionLines);
    fit(heading.summaryLines ? 7 - empty + static_cast<int>(*heading.summaryLines) : 14 - empty);
    page_.addBlank();
    for (const auto& line : heading.description) page_.add(text("      " + line));
    page_.add(text(kRule));
    if (heading.summaryLines && *heading.summaryLines > 0) page_.addBlank();
  }

  void further(const std::vector<std::string>& description) {
    for (std::size_t i = 1; i < description.size(); ++i)
      page_.add(text(std::string(kDescriptionColumn - 1, ' ') + description[i]));
  }

  void add(const TimeEntry& entry) {
    const int further = static_cast<int>(entry.description.size()) - 1;
    fit((entry.combinedBlock ? 4 : 2) + further);
    page_.addBlank();
    std::string line = "      " + dateText(entry.date) + " " + entry.description.front();
    line += std::string(static_cast<std::size_t>(std::max(0, 42 - static_cast<int>(entry.description.front().size()))), ' ');
    line += entry.initials;
    line += padded(document::hoursText(entry.hours), 67 - static_cast<int>(line.size()));
    line += entry.fee ? amountAfter(*entry.fee, static_cast<int>(line.size())) : "       N/C";
    page_.add(text(line));
    this->further(entry.description);
  }

  void add(const CostEntry& entry) {
    closeRetainer();
    fit(2 + static_cast<int>(entry.description.size()) - 1);
    page_.addBlank();
    std::string line = entry.withoutDate ? std::string(kDescriptionColumn - 1, ' ')
                                         : "      " + dateText(entry.date) + " ";
    line += entry.description.front();
    line += amountAfter(entry.amount, static_cast<int>(line.size()), entry.credit);
    page_.add(text(line));
    further(entry.description);
  }

  void add(const SummaryLine& summary) {
    std::string initials = summary.initials;
    initials.resize(5, ' ');
    std::string line = std::string(kDescriptionColumn - 1, ' ') + initials + document::hoursText(summary.hours) +
                       " hours at " + document::moneyText(summary.rate, document::kRateDigits);
    line += amountAfter(summary.amount, static_cast<int>(line.size()));
    page_.add(text(line));
  }

  void add(const MatterTotals& totals) {
    closeRetainer();
    fit(totals.combinedBlock ? 7 : 2 * static_cast<int>(totals.lines.size()));
    if (totals.underline) page_.add(text(std::string(59, ' ') + std::string(18, '_')));
    for (const auto& [kind, amount] : totals.lines) {
      page_.addBlank();
      std::string line = std::string(35, ' ') + totalLabel(kind);
      line += kind == MatterTotal::Hours ? padded(document::hoursText(amount), kAmountEnd - static_cast<int>(line.size()))
                                         : amountAfter(amount, static_cast<int>(line.size()), kind == MatterTotal::Credits);
      page_.add(text(line));
    }
  }

  void add(const TotalsBlock& block) {
    closeRetainer();
    if (block.pageCheck) {
      int needed = 11;
      if (block.retainer) needed += 2;
      if (block.matterDefined) needed += 4;
      if (block.credits) needed += 2;
      if (block.category == kItemized || block.category == kContingentBilledCosts) needed += 8;
      fit(needed);
    }
    page_.addBlank(2);
    if (block.heading) page_.add(text(kTotalsHeading));
    for (const auto& line : block.lines) {
      if (line.label == Balance::NoActivity) {
        page_.add(text(std::string("      ") + balanceLabel(line.label)));
        continue;
      }
      page_.addBlank();
      const std::string label = std::string("      ") + balanceLabel(line.label);
      page_.add(text(label + amountAfter(line.amount, static_cast<int>(label.size()), shownNegative(line.label))));
    }
  }

  void add(const ClosingNotices& notices) {
    closeRetainer();
    const int shift = screen_ ? 1 : 0;
    page_.addBlank(2);
    page_.add(text(padded("PAYMENTS WE RECEIVED AFTER THE END OF LAST MONTH", 63 - shift)));
    page_.add(text(padded("WILL BE REFLECTED ON YOUR NEXT STATEMENT", 59 - shift)));
    if (!notices.lateCharge) return;
    page_.addBlank();
    page_.add(text(padded("A LATE CHARGE OF 1.5% WILL BE ADDED TO ANY BALANCE", 64 - shift)));
    page_.add(text(padded("REMAINING UNPAID AT THE END OF THIS MONTH", 60 - shift)));
  }

  const Statement& st_;
  const StatementPrinting& printing_;
  bool screen_;
  document::PageWriter page_;
  bool retainerOpen_ = false;
};

}  // namespace

void layoutStatement(const Statement& statement, const StatementPrinting& printing, document::Document& document) {
  document::Document written = StatementWriter(statement, printing).write();
  document.lines.insert(document.lines.end(), std::make_move_iterator(written.lines.begin()),
                        std::make_move_iterator(written.lines.end()));
}

}  // namespace vrk::statements
