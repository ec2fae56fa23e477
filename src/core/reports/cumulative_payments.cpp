#include "core/reports/cumulative_payments.h"

#include <algorithm>

#include "core/matters/matter_messages.h"
#include "core/document/date_text.h"
#include "core/document/line_builder.h"
#include "core/document/money_text.h"
#include "core/document/page_writer.h"
#include "core/records/billing_table.h"
#include "core/rules/decimal_value.h"
#include "core/store/billing_period.h"
#include "core/store/catalogue.h"
#include "core/store/tables.h"
#include "core/store/text_list.h"

namespace vrk::reports {
namespace {

using document::LineBuilder;

constexpr int kPaymentCheckLine = 56;  // a payment starts a new page from here
constexpr int kTotalCheckLine = 57;    // the total starts a new page above this
constexpr int kFooterLine = 61;
constexpr int kAmountColumn = 55;  // amounts end here
const document::FooterStyle kFooter{"", 40};

std::string spaces(int count) { return std::string(static_cast<std::size_t>(count), ' '); }

class PaymentPages {
 public:
  explicit PaymentPages(const PaymentsHeading& heading) : heading_(heading) { writeHeading(true); }

  void checkBeforePayment() {
    if (pages_.lineCount() < kPaymentCheckLine) return;
    pages_.fillTo(kFooterLine);
    pages_.endPage(kFooter);
    writeHeading(true);
  }
  // A total block that does not fit: two blank lines, the footer, and the heading without the
  // column headings.
  void checkBeforeTotal() {
    if (pages_.lineCount() <= kTotalCheckLine) return;
    pages_.addBlank(2);
    pages_.endPage(kFooter);
    writeHeading(false);
  }
  void add(document::Line line) { pages_.add(std::move(line)); }
  void addBlank(int count = 1) { pages_.addBlank(count); }
  document::Document finish() {
    if (pages_.pageNumber() > 1) {
      pages_.fillTo(kFooterLine);
      pages_.finish(kFooter);
    }
    return pages_.release();
  }

 private:
  void writeHeading(bool columnHeadings) {
    pages_.addBlank(6);
    pages_.add(LineBuilder().text(spaces(20)).title("CUMULATIVE PAYMENTS REPORT FOR CLIENT " + heading_.client).line());
    pages_.addBlank(3);
    pages_.add(
        LineBuilder().text(spaces(8)).text("Beginning Billing Period: ").text(heading_.range.beginningText()).line());
    pages_.add(LineBuilder()
                   .text(spaces(8))
                   .text("Final Billing Period: ")
                   .text(spaces(4))
                   .text(heading_.range.finalText())
                   .line());
    pages_.add(reportDateLine(8, heading_.today, 41));
    pages_.addBlank(2);
    if (!columnHeadings) return;
    pages_.add(LineBuilder().text(spaces(15)).text("Payment Date").text(spaces(15)).text("Payment Amount").line());
    pages_.addBlank();
  }

  const PaymentsHeading& heading_;
  document::PageWriter pages_;
};

}  // namespace

std::vector<PaymentEntry> gatherPayments(const std::string& dataFilesPath, const std::string& client,
                                         const PeriodRange& range, const Progress& progress) {
  const auto layout = store::paymentRecordTable();
  std::vector<std::string> files;
  for (const auto& column : layout.columns) files.push_back(column.file);
  files.emplace_back(store::files::kDimensions);
  std::vector<PaymentEntry> payments;
  walkMonths(dataFilesPath, range, files, [&](store::Transaction& tx) {
    const store::RecordTable table(layout, tx);
    const records::Run run = records::clientRun(table, client);
    for (std::size_t p = run.first; p < run.first + run.count; ++p)
      payments.push_back({table.dates(1)[p], rules::storedDecimalValue(table.texts(2)[p])});
  }, progress);
  return payments;
}

document::Document paymentsReportLayout(const PaymentsHeading& heading, const std::vector<PaymentEntry>& payments) {
  PaymentPages pages(heading);
  double total = 0;
  for (const auto& payment : payments) {
    pages.checkBeforePayment();
    LineBuilder line;
    line.text(spaces(16)).text(document::recordDate(store::fromStoredDate(payment.date)));
    line.right(document::moneyText(payment.amount), kAmountColumn - line.length());
    pages.add(line.line());
    pages.addBlank();
    total += payment.amount;
  }
  pages.add(LineBuilder().text(spaces(15)).text("____________").text(spaces(15)).text("______________").line());
  pages.addBlank();
  pages.checkBeforeTotal();
  pages.addBlank();
  LineBuilder line;
  line.text(spaces(14)).text("Total Payments");
  line.right(document::moneyText(total), kAmountColumn - line.length());
  pages.add(line.line());
  return pages.finish();
}

CumulativePaymentsReport::CumulativePaymentsReport(std::string dataFilesPath, std::string period)
    : dataFilesPath_(std::move(dataFilesPath)), period_(std::move(period)) {
  const store::Transaction tx(store::billingPeriodFolder(dataFilesPath_, period_));
  if (tx.exists(store::files::kClientCodes)) {
    clientCodes_ = store::parseTextList(tx.read(store::files::kClientCodes));
    store::sortTextList(clientCodes_);
  }
}

ReportResult CumulativePaymentsReport::print(const PaymentsReportBoxes& boxes, const ReportRun& run) const {
  ReportResult result;
  if (boxes.client.empty() ||
      std::find(clientCodes_.begin(), clientCodes_.end(), boxes.client) == clientCodes_.end()) {
    result.outcome.error(matters::message::kClientNotPresent);
    return result;
  }
  const PeriodCheck check = checkPeriodBoxes(boxes.periods);
  if (!check.range) {
    result.outcome.error(check.message);
    return result;
  }
  const auto payments = gatherPayments(dataFilesPath_, boxes.client, *check.range, run.progress);
  result.document = paymentsReportLayout({boxes.client, *check.range, run.today}, payments);
  result.outcome.closing = dialog::Closing::Ok;
  return result;
}

}  // namespace vrk::reports
