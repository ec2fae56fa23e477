#include "core/reports/cumulative_reports.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "core/attorneys/attorney_register.h"
#include "core/document/date_text.h"
#include "core/document/line_builder.h"
#include "core/document/money_text.h"
#include "core/document/number_text.h"
#include "core/document/page_writer.h"
#include "core/matters/matter_messages.h"
#include "core/matters/matter_number.h"
#include "core/matters/matter_record.h"
#include "core/records/billing_table.h"
#include "core/rules/decimal_value.h"
#include "core/rules/input_rules.h"
#include "core/store/billing_period.h"
#include "core/store/catalogue.h"
#include "core/store/tables.h"

namespace vrk::reports {
namespace {

using document::LineBuilder;
using document::PageWriter;

// A special billing rate above this is the record's rate; a stored 0 is no charge; an empty one
// (or a trace above 0) leaves the fee schedule's rate.
constexpr double kSpecialRatePresent = 0.001;

constexpr int kPageCheckLine = 54;  // a record entry or the total block starts a new page from here
constexpr int kFooterLine = 61;     // blank lines up to here, then the footer
const document::FooterStyle kFooter{"", 40};

bool allDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), rules::isDigit);
}

bool isMonthBox(const std::string& text) {
  return (text.size() == 1 || text.size() == 2) && allDigits(text) && rules::isMonth(text);
}

bool isYearBox(const std::string& text) { return text.size() == 4 && allDigits(text); }

std::string periodText(int month, int year) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d/%04d", month, year);
  return buffer;
}

// The text ending in column `column` (from 1) of the line built so far.
LineBuilder& endingAt(LineBuilder& line, const std::string& text, int column) {
  return line.right(text, column - line.length());
}

std::string dateText(double stored) { return document::recordDate(store::fromStoredDate(stored)); }

std::string spaces(int count) { return std::string(static_cast<std::size_t>(count), ' '); }

std::vector<std::string> tableFiles(const store::TableLayout& layout) {
  std::vector<std::string> files;
  for (const auto& column : layout.columns) files.push_back(column.file);
  if (!layout.slotFile.empty()) files.push_back(layout.slotFile);
  if (!layout.dataFile.empty()) files.push_back(layout.dataFile);
  files.emplace_back(store::files::kDimensions);
  return files;
}

// The positions of the client's records of the matter: the first position of the client, then
// on to the first that also holds the matter (compared as a number), while both stay the same.
records::Run matterRecords(const store::RecordTable& table, const std::string& client, const std::string& matter) {
  if (!allDigits(matter)) return {};
  return records::matterRun(table, client, matter);
}

// Pages of a cumulative matter report: the heading on every page, the page check before each block.
class MatterPages {
 public:
  explicit MatterPages(const MatterReportHeading& heading) : heading_(heading) { writeHeading(); }

  void check() {
    if (pages_.lineCount() < kPageCheckLine) return;
    breakPage();
  }
  void breakPage() {
    pages_.fillTo(kFooterLine);
    pages_.endPage(kFooter);
    writeHeading();
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
  void writeHeading() {
    pages_.addBlank(5);
    for (const auto& line : heading_.title)
      if (!line.empty()) pages_.add(LineBuilder().text(spaces(6)).text(line).line());
    pages_.addBlank(2);
    pages_.add(LineBuilder()
                   .text(spaces(9))
                   .text("Beginning Billing Period: ")
                   .text(heading_.range.beginningText())
                   .line());
    pages_.add(
        LineBuilder().text(spaces(9)).text("Final Billing Period: ").text(spaces(4)).text(heading_.range.finalText()).line());
    pages_.add(reportDateLine(9, heading_.today, 42));
    pages_.addBlank();
  }

  const MatterReportHeading& heading_;
  PageWriter pages_;
};

// The attorney's totals, kept in alphabetical order; an attorney met for the first time is
// inserted in its place with the rate `newRate()` gives (asked only then).
template <typename NewRate>
AttorneyTotals& attorneyTotals(std::vector<AttorneyTotals>& attorneys, const std::string& initials,
                               NewRate newRate) {
  const auto place = std::lower_bound(attorneys.begin(), attorneys.end(), initials,
                                      [](const AttorneyTotals& a, const std::string& b) { return a.initials < b; });
  if (place != attorneys.end() && place->initials == initials) return *place;
  return *attorneys.insert(place, AttorneyTotals{initials, 0, 0, newRate()});
}

}  // namespace

PeriodBoxes presetPeriodBoxes(const std::string& period) {
  const store::BillingPeriodQuery query(period);
  return {query.monthText(), query.yearText(), query.monthText(), query.yearText()};
}

int PeriodRange::monthCount() const {
  return (finalYear - beginningYear) * 12 + finalMonth - beginningMonth + 1;
}

std::vector<std::string> PeriodRange::periods() const {
  std::vector<std::string> result;
  int month = beginningMonth;
  int year = beginningYear;
  for (int k = 0; k < monthCount(); ++k) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d%04d", month, year);
    result.emplace_back(buffer);
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
  return result;
}

std::string PeriodRange::beginningText() const { return periodText(beginningMonth, beginningYear); }
std::string PeriodRange::finalText() const { return periodText(finalMonth, finalYear); }

PeriodCheck checkPeriodBoxes(const PeriodBoxes& boxes) {
  if (!isMonthBox(boxes.beginningMonth)) return {std::nullopt, kInvalidBeginningMonth};
  if (!isYearBox(boxes.beginningYear)) return {std::nullopt, kInvalidBeginningYear};
  if (!isMonthBox(boxes.finalMonth)) return {std::nullopt, kInvalidFinalMonth};
  if (!isYearBox(boxes.finalYear)) return {std::nullopt, kInvalidFinalYear};
  const PeriodRange range{std::stoi(boxes.beginningMonth), std::stoi(boxes.beginningYear),
                          std::stoi(boxes.finalMonth), std::stoi(boxes.finalYear)};
  if (range.beginningYear > range.finalYear ||
      (range.beginningYear == range.finalYear && range.beginningMonth > range.finalMonth))
    return {std::nullopt, kBeginningAfterFinal};
  return {range, {}};
}

void walkMonths(const std::string& dataFilesPath, const PeriodRange& range, const std::vector<std::string>& files,
                const std::function<void(store::Transaction&)>& visit, const Progress& progress) {
  const int total = range.monthCount();
  int done = 0;
  for (const auto& period : range.periods()) {
    const auto folder = store::billingPeriodFolder(dataFilesPath, period);
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec)) {
      store::Transaction tx(folder);
      if (std::all_of(files.begin(), files.end(), [&](const std::string& file) { return tx.exists(file); }))
        visit(tx);
    }
    if (progress) progress(++done, total);
  }
}

document::Line reportDateLine(int indent, const store::CalendarDate& today, int lastColumn) {
  LineBuilder line;
  line.text(spaces(indent)).text("Date Of This Report: ");
  return endingAt(line, document::reportDate(today), lastColumn).line();
}

std::vector<CostCreditEntry> gatherCostCredits(const std::string& dataFilesPath, const std::string& client,
                                               const std::string& matter, const PeriodRange& range,
                                               MatterReportKind kind, const Progress& progress) {
  const std::int32_t wanted = kind == MatterReportKind::Credits ? records::kCredit : records::kCost;
  const auto layout = store::costCreditRecordTable();
  std::vector<CostCreditEntry> entries;
  walkMonths(dataFilesPath, range, tableFiles(layout), [&](store::Transaction& reader) {
    const store::RecordTable table(layout, reader);
    const records::Run run = matterRecords(table, client, matter);
    for (std::size_t p = run.first; p < run.first + run.count; ++p) {
      const records::CostCreditRecord record = records::decodeCostCreditRecord(table.readRecord(p));
      if (record.kind != wanted) continue;
      entries.push_back({table.dates(2)[p], record.description, rules::storedDecimalValue(record.amount)});
    }
  }, progress);
  return entries;
}

HoursAndFees gatherHoursAndFees(const std::string& dataFilesPath, const std::string& client,
                                const std::string& matter, const PeriodRange& range, RateChoice choice,
                                const RateAsker& askRate, const Progress& progress) {
  const auto layout = store::timeRecordTable();
  HoursAndFees report;
  walkMonths(dataFilesPath, range, tableFiles(layout), [&](store::Transaction& reader) {
    std::int32_t schedule = 0;
    attorneys::AttorneyRegister rates;
    if (choice == RateChoice::InEffect) {
      const store::RecordTable matterTable(store::matterTable(), reader);
      const auto position = matters::findMatter(matterTable, {client, matter});
      if (!position) return;  // the matter is not in this month's matter table
      schedule = matters::decodeMatterRecord(matterTable.readRecord(*position)).feeSchedule;
      if (attorneys::registerStarted(reader)) rates = attorneys::loadAttorneyRegister(reader);
    }
    const store::RecordTable table(layout, reader);
    const records::Run run = matterRecords(table, client, matter);
    for (std::size_t p = run.first; p < run.first + run.count; ++p) {
      const records::TimeRecord record = records::decodeTimeRecord(table.readRecord(p));
      TimeEntry entry{table.dates(2)[p], record.description, record.initials,
                      rules::storedDecimalValue(record.time), std::nullopt};
      if (choice == RateChoice::Custom) {
        const AttorneyTotals& attorney = attorneyTotals(report.attorneys, record.initials, [&] {
          return askRate ? askRate(record.initials) : 0.0;
        });
        entry.fee = entry.hours * attorney.rate;
      } else {
        const double special = record.rate.empty() ? 0 : rules::storedDecimalValue(record.rate);
        std::optional<double> rate;
        if (special > kSpecialRatePresent) {
          rate = special;
        } else if (!record.rate.empty() && special == 0) {
          rate = 0.0;  // a special rate of 0: no charge, as the statements bill it
        } else {
          rate = attorneys::rateFor(rates, record.initials, schedule);
        }
        if (rate) entry.fee = entry.hours * *rate;
      }
      AttorneyTotals& attorney = attorneyTotals(report.attorneys, record.initials, [] { return 0.0; });
      attorney.hours += entry.hours;
      attorney.fees += entry.fee.value_or(0);
      report.entries.push_back(std::move(entry));
    }
  }, progress);
  return report;
}

document::Document costCreditReportLayout(const MatterReportHeading& heading, MatterReportKind kind,
                                          const std::vector<CostCreditEntry>& entries) {
  MatterPages pages(heading);
  double total = 0;
  for (const auto& entry : entries) {
    pages.check();
    pages.addBlank();
    const std::string& first = entry.description[0];
    pages.add(LineBuilder()
                  .text(spaces(6))
                  .text(dateText(entry.date))
                  .text(" ")
                  .text(first)
                  .right(document::moneyText(entry.amount), 56 - static_cast<int>(first.size()))
                  .line());
    for (std::size_t k = 1; k < entry.description.size(); ++k)
      if (!entry.description[k].empty()) pages.add(LineBuilder().text(spaces(17)).text(entry.description[k]).line());
    total += entry.amount;
  }
  pages.add(LineBuilder().text(spaces(61)).text("____________").line());
  pages.check();
  pages.addBlank();
  pages.add(LineBuilder()
                .text(spaces(26))
                .text(kind == MatterReportKind::Credits ? "Total Credits For This Matter" : "Total Costs For This Matter")
                .right(document::moneyText(total), 20)
                .line());
  return pages.finish();
}

document::Document hoursAndFeesReportLayout(const MatterReportHeading& heading, const HoursAndFees& report) {
  MatterPages pages(heading);
  double hours = 0;
  double fees = 0;
  for (const auto& entry : report.entries) {
    pages.check();
    pages.addBlank();
    const std::string hoursText = document::fixedText(entry.hours, 1);
    pages.add(LineBuilder()
                  .text(spaces(6))
                  .text(dateText(entry.date))
                  .text(" ")
                  .text(entry.description[0])
                  .toColumn(18 + 42)
                  .text(entry.initials)
                  .right(hoursText, 8 - static_cast<int>(entry.initials.size()))
                  .right(entry.fee ? document::moneyText(*entry.fee) : std::string(kNoRate), 10)
                  .line());
    for (std::size_t k = 1; k < entry.description.size(); ++k)
      if (!entry.description[k].empty()) pages.add(LineBuilder().text(spaces(17)).text(entry.description[k]).line());
    hours += entry.hours;
    fees += entry.fee.value_or(0);
  }
  pages.add(LineBuilder().text(spaces(65)).text("____________").line());
  pages.check();
  pages.addBlank();
  pages.add(LineBuilder()
                .text(spaces(30))
                .text("Total Hours For This Matter")
                .right(document::fixedText(hours, 1), 20)
                .line());
  pages.addBlank();
  pages.add(LineBuilder()
                .text(spaces(30))
                .text("Total Fees For This Matter")
                .right(document::moneyText(fees), 21)
                .line());
  pages.breakPage();

  pages.add(LineBuilder().text(spaces(18)).text("Attorney").text(spaces(10)).text("Hours").text(spaces(14)).text("Fees").line());
  pages.addBlank();
  for (const auto& attorney : report.attorneys) {
    pages.check();
    LineBuilder line;
    line.text(spaces(21)).text(attorney.initials);
    endingAt(line, document::fixedText(attorney.hours, 1), 41);
    endingAt(line, document::moneyText(attorney.fees), 59);
    pages.add(line.line());
  }
  pages.add(LineBuilder()
                .text(spaces(18))
                .text(" ______ ")
                .text(spaces(10))
                .text("_____")
                .text(spaces(8))
                .text("__________")
                .line());
  pages.check();
  pages.addBlank();
  LineBuilder totals;
  totals.text(spaces(19)).text("TOTALS");
  endingAt(totals, document::fixedText(hours, 1), 41);
  endingAt(totals, document::moneyText(fees), 59);
  pages.add(totals.line());
  return pages.finish();
}

CumulativeMatterReport::CumulativeMatterReport(std::string dataFilesPath, std::string period, MatterReportKind kind)
    : dataFilesPath_(std::move(dataFilesPath)), period_(std::move(period)), kind_(kind) {
  store::Transaction tx(store::billingPeriodFolder(dataFilesPath_, period_));
  lists_ = matters::loadMatterLists(tx);
}

std::string CumulativeMatterReport::openingClient() const {
  return lists_.matters.empty() ? std::string() : lists_.matters.front().client;
}

std::string CumulativeMatterReport::openingMatter() const {
  return lists_.matters.empty() ? std::string() : lists_.matters.front().number;
}

ReportResult CumulativeMatterReport::print(const MatterReportBoxes& boxes, const ReportRun& run) const {
  ReportResult result;
  if (boxes.client.empty() || !lists_.hasClient(boxes.client)) {
    result.outcome.error(matters::message::kClientNotPresent);
    return result;
  }
  const std::string matter = boxes.matter.empty() ? std::string() : matters::cleanMatterNumber(boxes.matter);
  if (matter.empty() || !rules::isWholeNumber(matter)) {
    result.outcome.error(matters::message::kNumberInvalid);
    return result;
  }
  if (!records::isRegisteredMatter(lists_, boxes.client, matter)) {
    result.outcome.error(matters::message::kNumberNotInUse);
    return result;
  }
  const PeriodCheck check = checkPeriodBoxes(boxes.periods);
  if (!check.range) {
    result.outcome.error(check.message);
    return result;
  }
  const MatterReportHeading heading{boxes.title, *check.range, run.today};
  if (kind_ == MatterReportKind::HoursAndFees) {
    const HoursAndFees report =
        gatherHoursAndFees(dataFilesPath_, boxes.client, matter, *check.range, run.rates, run.askRate, run.progress);
    result.document = hoursAndFeesReportLayout(heading, report);
  } else {
    const auto entries = gatherCostCredits(dataFilesPath_, boxes.client, matter, *check.range, kind_, run.progress);
    result.document = costCreditReportLayout(heading, kind_, entries);
  }
  result.outcome.closing = dialog::Closing::Ok;
  return result;
}

}  // namespace vrk::reports
