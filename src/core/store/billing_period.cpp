#include "core/store/billing_period.h"

#include <cctype>
#include <cstdio>
#include <system_error>

#include "core/rules/input_rules.h"
#include "core/store/file_io.h"
#include "core/store/store_error.h"
#include "core/store/transaction.h"
#include "core/text/cp1252.h"

namespace vrk::store {
namespace {

bool allDigits(const std::string& text) {
  for (const char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string twoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

std::string periodOf(int month, int year) { return twoDigits(month) + std::to_string(year); }

}  // namespace

bool isBillingPeriod(const std::string& period) {
  if (period.size() != 6 || !allDigits(period)) return false;
  const int month = std::stoi(period.substr(0, 2));
  return month >= 1 && month <= 12;
}

std::string defaultBillingPeriod(const CalendarDate& today) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d%04d", today.month, today.year);
  return buffer;
}

int periodMonth(const std::string& period) { return std::stoi(period.substr(0, 2)); }
int periodYear(const std::string& period) { return std::stoi(period.substr(2)); }

std::string displayBillingPeriod(const std::string& period) {
  return period.substr(0, 2) + "/" + period.substr(2);
}

std::string billingPeriodLabel(const std::string& period) {
  return "Billing Period is  " + displayBillingPeriod(period);
}

std::string priorBillingPeriod(const std::string& period) {
  const int month = periodMonth(period);
  const int year = periodYear(period);
  return month == 1 ? periodOf(12, year - 1) : periodOf(month - 1, year);
}

std::string nextBillingPeriod(const std::string& period) {
  const int month = periodMonth(period);
  const int year = periodYear(period);
  return month == 12 ? periodOf(1, year + 1) : periodOf(month + 1, year);
}

std::filesystem::path billingPeriodFolder(const std::string& dataFilesPath, const std::string& period) {
  return std::filesystem::path(dataFilesPath + period);
}

std::string BillingPeriodQuery::monthText() const {
  return period_[0] == '0' ? period_.substr(1, 1) : period_.substr(0, 2);
}

std::string BillingPeriodQuery::yearText() const { return period_.substr(2, 4); }

dialog::Outcome BillingPeriodQuery::ok(const std::string& month, const std::string& year) {
  dialog::Outcome outcome;
  outcome.closing = dialog::Closing::Ok;
  const bool yearValid = year.size() == 4 && allDigits(year);
  const bool monthValid =
      (month.size() == 1 || month.size() == 2) && allDigits(month) && rules::isMonth(month);
  if (!monthValid || !yearValid) {
    outcome.error(monthValid ? kInvalidYearEntry : kInvalidMonthEntry);
    return outcome;
  }
  std::string monthPart = month;
  if (std::stoi(month) < 10) monthPart = "0" + month.substr(month.size() - 1);
  period_ = monthPart + year;
  return outcome;
}

std::string ensureBillingPeriodFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  if (std::filesystem::is_directory(folder, ec)) {
    // A save that a crash interrupted is finished now, before any check reads the folder.
    try {
      recoverFolder(folder);
    } catch (const std::exception& error) {
      return text::cp1252FromUtf8(errorText(error));
    }
    return {};
  }
  if (io::createDirectory(folder, ec) && !ec) return {};
  return "THE FOLDER OF THIS BILLING PERIOD COULD NOT BE CREATED\r\n" +
         text::cp1252FromUtf8(folder.string()) + (ec ? "\r\n" + ec.message() : std::string());
}

}  // namespace vrk::store
