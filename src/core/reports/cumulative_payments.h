// The cumulative payments report of one client: every payment of every billing-period folder from a
// beginning period to a final period, with their total.
#pragma once

#include <string>
#include <vector>

#include "core/reports/cumulative_reports.h"

namespace vrk::reports {

struct PaymentEntry {
  double date = 0;  // stored date
  double amount = 0;
};

struct PaymentsHeading {
  std::string client;
  PeriodRange range;
  store::CalendarDate today;
};

// The client's payments of every month of the range, each month's in its table's order.
std::vector<PaymentEntry> gatherPayments(const std::string& dataFilesPath, const std::string& client,
                                         const PeriodRange& range, const Progress& progress = {});

document::Document paymentsReportLayout(const PaymentsHeading& heading, const std::vector<PaymentEntry>& payments);

struct PaymentsReportBoxes {
  std::string client;
  PeriodBoxes periods;
};

// The logic of TCumulativePaymentsReportForm.
class CumulativePaymentsReport {
 public:
  // Loads the current period's client codes.
  CumulativePaymentsReport(std::string dataFilesPath, std::string period);

  const std::vector<std::string>& clientCodes() const { return clientCodes_; }
  std::string openingClient() const { return clientCodes_.empty() ? std::string() : clientCodes_.front(); }
  PeriodBoxes openingPeriods() const { return presetPeriodBoxes(period_); }

  // Print: the client check alone, then the first failing period check; else the report.
  ReportResult print(const PaymentsReportBoxes& boxes, const ReportRun& run) const;

 private:
  std::string dataFilesPath_;
  std::string period_;
  std::vector<std::string> clientCodes_;
};

}  // namespace vrk::reports
