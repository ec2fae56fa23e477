// Billing period strings (MMYYYY), their dialog's OK logic, prior/next period and the period folder.
#pragma once

#include <filesystem>
#include <string>

#include "core/dialog/outcome.h"
#include "core/store/dates.h"

namespace vrk::store {

inline constexpr const char* kInvalidMonthEntry = "INVALID MONTH ENTRY";
inline constexpr const char* kInvalidYearEntry = "INVALID YEAR ENTRY";

// True for six digits whose first two form a month 01 to 12.
bool isBillingPeriod(const std::string& period);

// The period proposed at start-up: today's MM/DD/YYYY without its /DD/ part.
std::string defaultBillingPeriod(const CalendarDate& today);

int periodMonth(const std::string& period);  // 1..12
int periodYear(const std::string& period);

// "MM/YYYY", as the main window and documents show a period.
std::string displayBillingPeriod(const std::string& period);

// The main window's label: "Billing Period is  MM/YYYY" (two blanks after "is").
std::string billingPeriodLabel(const std::string& period);

// The month before / after, as MMYYYY (012001 -> 122000; 122000 -> 012001).
std::string priorBillingPeriod(const std::string& period);
std::string nextBillingPeriod(const std::string& period);

// `BillingPeriodFolder`: the data directory path (ending in a separator) followed by the period.
std::filesystem::path billingPeriodFolder(const std::string& dataFilesPath, const std::string& period);

// The logic of the billing period dialog: what its boxes show, and what OK does with the texts.
class BillingPeriodQuery {
 public:
  explicit BillingPeriodQuery(std::string period) : period_(std::move(period)) {}

  std::string monthText() const;  // the month without its leading zero
  std::string yearText() const;   // characters 3 to 6

  // Valid texts set the period; otherwise one error message (month before year) and the period
  // stays. The dialog closes with OK in every case.
  dialog::Outcome ok(const std::string& month, const std::string& year);

  const std::string& period() const { return period_; }

 private:
  std::string period_;
};

// Makes sure the folder of a period exists (one level; the data directory must exist), and
// finishes a save that a crash interrupted in it. Returns an empty string on success, else a
// message for the user naming the folder or the damaged journal.
std::string ensureBillingPeriodFolder(const std::filesystem::path& folder);

}  // namespace vrk::store
