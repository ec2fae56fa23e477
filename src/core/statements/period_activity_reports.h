// The activity reports of a whole billing period, read from its activity files once every client
// group has had its final statements: the attorney activity report and the billing activity report,
// in the form a report dialog's text box shows and in the printed form.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/dialog/outcome.h"
#include "core/document/document.h"
#include "core/statements/activity_files.h"
#include "core/statements/statement.h"
#include "core/store/dates.h"
#include "core/store/transaction.h"

namespace vrk::statements {

struct PeriodReportHeading {
  std::string period;         // MMYYYY
  store::CalendarDate today;  // shown as the date of the report
};

struct PeriodReportLayout {
  document::Document document;
  int pages = 1;  // the screen form marks its pages with footer lines, not form feeds
};

// The attorney report: a line per attorney of `initials` with its cells (zero past the end of
// `cells`) and the TOTALS line; pages of at most 42 attorneys, each starting with the title, period,
// date and column headings.
PeriodReportLayout layoutPeriodAttorneyActivity(const std::vector<std::string>& initials,
                                                const std::vector<AttorneyCells>& cells,
                                                const PeriodReportHeading& heading, document::SinkKind sink);
// The billing report: the thirteen figures, total billings as the file holds it.
document::Document layoutPeriodBillingActivity(const BillingActivityFigures& figures,
                                               const PeriodReportHeading& heading, document::SinkKind sink);

// The two reports read from the folder: the attorney list with the attorney activity file, and the
// billing activity file. A damaged file raises StoreError naming it.
document::Document periodAttorneyActivityReport(const store::Transaction& tx, const std::string& period,
                                                store::CalendarDate today, document::SinkKind sink);
document::Document periodBillingActivityReport(const store::Transaction& tx, const std::string& period,
                                               store::CalendarDate today, document::SinkKind sink);

enum class PeriodReportKind { AttorneyActivity, BillingActivity };

// The logic of the two report dialogs: the figures are read once on opening and the screen form is
// shown at once; a screen form reaching a fifth page brings the long-document box after it. Print
// lays out the printed form from the same figures.
class PeriodActivityReport {
 public:
  PeriodActivityReport(const std::filesystem::path& folder, PeriodReportKind kind,
                       PeriodReportHeading heading);

  const document::Document& screen() const { return screen_; }
  // The messages shown once the text box holds the screen form (the long-document box, or none).
  const dialog::Outcome& opening() const { return opening_; }
  document::Document printout() const;

 private:
  document::Document layout(document::SinkKind sink, int* pages) const;

  PeriodReportKind kind_;
  PeriodReportHeading heading_;
  std::vector<std::string> initials_;
  std::vector<AttorneyCells> cells_;
  BillingActivityFigures figures_;
  document::Document screen_;
  dialog::Outcome opening_;
};

}  // namespace vrk::statements
