// The aged accounts report: every client of the billing period with the balances of its last
// statement by age, the payments received since and the balance due now, with column totals; in
// the form a dialog's text box shows and in the printed form.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/dialog/outcome.h"
#include "core/document/document.h"
#include "core/store/dates.h"
#include "core/store/transaction.h"

namespace vrk::reports {

// What the report reads of one client record (stored amounts as values).
struct AgedClient {
  std::string code;
  double balanceDue = 0;  // balance due on last statement
  double trust = 0;       // trust account balance
  double due30 = 0;       // balance due for 30 days
  double due60 = 0;
  double due90 = 0;
  double payments = 0;  // payments since last statement
};

// One line of the report, as shown.
struct AgedFigures {
  double days90 = 0;
  double days60 = 0;
  double days30 = 0;
  double lastStatement = 0;  // a trust balance shows as a credit (negative)
  double payments = 0;
  double dueNow = 0;

  bool operator==(const AgedFigures&) const = default;
};

// The client's line. Each aged balance is the stored one less the payments. On screen an aged
// balance below 0 shows 0; printed, the 30-day balance is first held to the balance due now, the
// 60-day balance to the 30-day one and the 90-day balance to the 60-day one, then 0 or less shows 0.
AgedFigures agedFigures(const AgedClient& client, document::SinkKind sink);

// Adds a line to the totals: every aged balance and the payments; the balance on last statement and
// the balance due now only when not negative (trust credits stay out).
void addToTotals(AgedFigures& totals, const AgedFigures& line);

struct AgedReportHeading {
  std::string period;         // MMYYYY
  store::CalendarDate today;  // shown as the date of the report
};

struct AgedReportLayout {
  document::Document document;
  int pages = 1;  // the screen form marks its pages with footer lines, not form feeds
};

// The report of `clients` in the order given. A page takes 26 clients under a 14-line heading;
// a page followed by another ends with its page field (on screen also the separator line) and the
// next repeats the heading; the last page of a report of several pages is filled to line 70 and
// ends with its page field. Screen lines run past column 78.
AgedReportLayout layoutAgedAccounts(const std::vector<AgedClient>& clients, const AgedReportHeading& heading,
                                    document::SinkKind sink);

// Every client of the folder in client code list order. A missing or damaged client file raises
// StoreError naming it.
std::vector<AgedClient> loadAgedClients(store::Transaction& tx);

// The report read from the folder (vrk-batch print aged-accounts).
document::Document agedAccountsReport(store::Transaction& tx, const AgedReportHeading& heading,
                                      document::SinkKind sink);

// The logic of TAgedAccountsReportForm: each button reads the client records afresh.
class AgedAccountsReport {
 public:
  AgedAccountsReport(std::filesystem::path folder, AgedReportHeading heading);

  struct Shown {
    document::Document document;
    dialog::Outcome outcome;  // the long-document box when the screen form reaches a fifth page
  };
  // Display: the screen form for the text box.
  Shown display() const;
  // Print: the printed form.
  document::Document printout() const;

 private:
  std::filesystem::path folder_;
  AgedReportHeading heading_;
};

}  // namespace vrk::reports
