#include "core/statements/period_activity_reports.h"

#include "core/attorneys/attorney_register.h"
#include "core/document/date_text.h"
#include "core/document/line_builder.h"
#include "core/document/long_document.h"
#include "core/document/page_writer.h"
#include "core/statements/activity_reports.h"
#include "core/store/billing_period.h"

namespace vrk::statements {
namespace {

using document::LineBuilder;
using document::SinkKind;

constexpr int kAttorneyHeadingLines = 15;  // the line count after the attorney report's heading
constexpr int kTitleColumn = 20;           // the screen form's titles
const char* const kAllGroups = "All Client Groups";

document::Line text(const std::string& content) { return LineBuilder().text(content).line(); }

// The title at column 20 on screen; in Arial after `printerBlanks` blanks on the printer.
document::Line title(const std::string& content, SinkKind sink, int printerBlanks) {
  LineBuilder line;
  if (sink == SinkKind::Screen) return line.toColumn(kTitleColumn).text(content).line();
  return line.blanks(printerBlanks).title(content).line();
}

std::vector<std::string> attorneyList(const store::Transaction& tx) {
  return attorneys::registerStarted(tx) ? attorneys::loadAttorneyRegister(tx).initials
                                        : std::vector<std::string>{};
}

}  // namespace

PeriodReportLayout layoutPeriodAttorneyActivity(const std::vector<std::string>& initials,
                                                const std::vector<AttorneyCells>& cells,
                                                const PeriodReportHeading& heading, SinkKind sink) {
  const auto headingLines = [&](document::PageWriter& page) {
    page.addBlank(3);
    page.add(title("Attorney Activity Report - " + std::string(kAllGroups), sink, 25));
    page.addBlank(3);
    page.add(text("    Billing Period:  " + store::displayBillingPeriod(heading.period)));
    page.addBlank();
    page.add(text("    Date Of This Report:  " + document::reportDate(heading.today)));
    page.addBlank(3);
    page.add(text("             Overhead   |------------- Client Hours -------------|"));
    page.add(text("    Attorney    Hours   Ctngt Fee  No Charge     Billed      Total        Fees"));
    page.setLineCount(kAttorneyHeadingLines);
  };
  document::PageWriter page = attorneyActivityPages(initials, cells, {headingLines, sink});
  const int pages = page.pageNumber();
  return {page.release(), pages};
}

document::Document layoutPeriodBillingActivity(const BillingActivityFigures& figures,
                                               const PeriodReportHeading& heading, SinkKind sink) {
  const std::string indent = sink == SinkKind::Screen ? "    " : "      ";
  document::Document document;
  const auto blanks = [&](int count) {
    for (int i = 0; i < count; ++i) document.lines.emplace_back();
  };
  blanks(6);
  document.lines.push_back(title("Billing Activity Report - " + std::string(kAllGroups), sink, 26));
  blanks(3);
  document.lines.push_back(text(indent + "Billing Period:  " + store::displayBillingPeriod(heading.period)));
  blanks(1);
  document.lines.push_back(text(indent + "Date Of This Report:  " + document::reportDate(heading.today)));
  blanks(3);
  addBillingFigures(document, indent, kAllGroups, figures.totals, figures.totalBillings);
  if (sink == SinkKind::Screen) blanks(1);  // on screen each figure line is followed by a blank line
  return document;
}

document::Document periodAttorneyActivityReport(const store::Transaction& tx, const std::string& period,
                                                store::CalendarDate today, SinkKind sink) {
  const std::vector<std::string> initials = attorneyList(tx);
  return layoutPeriodAttorneyActivity(initials, readAttorneyActivity(tx, initials.size()), {period, today},
                                      sink)
      .document;
}

document::Document periodBillingActivityReport(const store::Transaction& tx, const std::string& period,
                                               store::CalendarDate today, SinkKind sink) {
  return layoutPeriodBillingActivity(readBillingActivityFigures(tx), {period, today}, sink);
}

PeriodActivityReport::PeriodActivityReport(const std::filesystem::path& folder, PeriodReportKind kind,
                                           PeriodReportHeading heading)
    : kind_(kind), heading_(std::move(heading)) {
  const store::Transaction tx(folder);
  if (kind_ == PeriodReportKind::AttorneyActivity) {
    initials_ = attorneyList(tx);
    cells_ = readAttorneyActivity(tx, initials_.size());
  } else {
    figures_ = readBillingActivityFigures(tx);
  }
  int pages = 1;
  screen_ = layout(SinkKind::Screen, &pages);
  if (document::warnsLongDocument(SinkKind::Screen, pages))
    opening_.information(document::kLongDocumentMessage);
}

document::Document PeriodActivityReport::printout() const { return layout(SinkKind::Printer, nullptr); }

document::Document PeriodActivityReport::layout(SinkKind sink, int* pages) const {
  if (kind_ == PeriodReportKind::BillingActivity)
    return layoutPeriodBillingActivity(figures_, heading_, sink);
  PeriodReportLayout report = layoutPeriodAttorneyActivity(initials_, cells_, heading_, sink);
  if (pages) *pages = report.pages;
  return std::move(report.document);
}

}  // namespace vrk::statements
