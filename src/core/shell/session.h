// The values every window shares while the program runs: data directory, billing period, dates.
#pragma once

#include <filesystem>
#include <string>

#include "core/store/billing_period.h"
#include "core/store/dates.h"

namespace vrk::shell {

struct Session {
  std::string dataFilesPath;  // ends in a separator
  std::string billingPeriod;  // MMYYYY
  store::CalendarDate lastEntryDate;
  int nextInvoiceNumber = 1;  // working copy during the first run

  // `BillingPeriodFolder`: the data directory followed by the billing period.
  std::filesystem::path folder() const { return store::billingPeriodFolder(dataFilesPath, billingPeriod); }
};

}  // namespace vrk::shell
