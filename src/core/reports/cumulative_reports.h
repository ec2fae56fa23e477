// The cumulative reports of one matter (hours and fees, costs, credits): the records of every
// billing-period folder from a beginning period to a final period, with their totals. Also the
// period boxes' checks and the month walk that the cumulative payments report shares.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/dialog/outcome.h"
#include "core/document/document.h"
#include "core/matters/matter_lists.h"
#include "core/records/record_fields.h"
#include "core/store/dates.h"
#include "core/store/transaction.h"

namespace vrk::reports {

inline constexpr const char* kInvalidBeginningMonth = "INVALID BEGINNING MONTH ENTRY";
inline constexpr const char* kInvalidBeginningYear = "INVALID BEGINNING YEAR ENTRY";
inline constexpr const char* kInvalidFinalMonth = "INVALID FINAL MONTH ENTRY";
inline constexpr const char* kInvalidFinalYear = "INVALID FINAL YEAR ENTRY";
inline constexpr const char* kBeginningAfterFinal = "BEGINNING PERIOD CANNOT BE LATER THAN FINAL PERIOD";
// The fee column of a time record that has no rate in its month (attorney not in that month's
// list, or the matter's fee schedule not among that month's schedules).
inline constexpr const char* kNoRate = "NO RATE";

inline constexpr int kTitleLines = 6;

// The four period boxes as typed.
struct PeriodBoxes {
  std::string beginningMonth;
  std::string beginningYear;
  std::string finalMonth;
  std::string finalYear;
};

// The boxes on opening: the current period's month without a leading zero and its year.
PeriodBoxes presetPeriodBoxes(const std::string& period);

// A range of billing periods, beginning not after final.
struct PeriodRange {
  int beginningMonth = 1;
  int beginningYear = 0;
  int finalMonth = 1;
  int finalYear = 0;

  // (final year - beginning year) x 12 + final month - beginning month + 1.
  int monthCount() const;
  // The periods as MMYYYY, beginning to final; after December comes January of the next year.
  std::vector<std::string> periods() const;
  std::string beginningText() const;  // "07/2001"
  std::string finalText() const;
};

// Checks the boxes in order: beginning month (one or two digits, 1 to 12), beginning year (four
// digits), final month, final year, and only when those pass, beginning not after final. The
// first failure's message, or the range.
struct PeriodCheck {
  std::optional<PeriodRange> range;
  std::string message;
};
PeriodCheck checkPeriodBoxes(const PeriodBoxes& boxes);

// One step per month of the range, after its month was read (or skipped).
using Progress = std::function<void(int done, int total)>;

// Calls `visit` with a transaction on each month's folder, beginning to final, that exists and
// holds every one of `files`; other months are skipped. `progress` (when set) advances once per month.
void walkMonths(const std::string& dataFilesPath, const PeriodRange& range, const std::vector<std::string>& files,
                const std::function<void(store::Transaction&)>& visit, const Progress& progress);

// The heading's "Date Of This Report: " line: `indent` blanks, the label and today's date
// (month/day/year without leading zeros) ending in column `lastColumn`.
document::Line reportDateLine(int indent, const store::CalendarDate& today, int lastColumn);

enum class MatterReportKind { HoursAndFees, Costs, Credits };
enum class RateChoice { InEffect, Custom };

struct MatterReportHeading {
  std::vector<std::string> title;  // the title box's lines; empty ones are not printed
  PeriodRange range;
  store::CalendarDate today;
};

struct CostCreditEntry {
  double date = 0;  // stored date
  std::array<std::string, records::kCostCreditDescriptionLines> description;
  double amount = 0;
};

struct TimeEntry {
  double date = 0;
  std::array<std::string, records::kTimeDescriptionLines> description;
  std::string initials;
  double hours = 0;
  std::optional<double> fee;  // none: no rate in that month (printed "NO RATE", adds nothing)
};

struct AttorneyTotals {
  std::string initials;
  double hours = 0;
  double fees = 0;
  double rate = 0;  // the custom rate entered (custom-rate mode)
};

struct HoursAndFees {
  std::vector<TimeEntry> entries;
  std::vector<AttorneyTotals> attorneys;  // alphabetical
};

// Asks the rate of an attorney met for the first time in a custom-rate run.
using RateAsker = std::function<double(const std::string& initials)>;

// The matter's cost (Costs) or credit (Credits) records of every month of the range.
std::vector<CostCreditEntry> gatherCostCredits(const std::string& dataFilesPath, const std::string& client,
                                               const std::string& matter, const PeriodRange& range,
                                               MatterReportKind kind, const Progress& progress = {});
// The matter's time records of every month of the range, valued under the choice: rates in effect
// (a month whose matter table lacks the matter gives nothing) or the custom rates `askRate` gives.
HoursAndFees gatherHoursAndFees(const std::string& dataFilesPath, const std::string& client,
                                const std::string& matter, const PeriodRange& range, RateChoice choice,
                                const RateAsker& askRate, const Progress& progress = {});

document::Document costCreditReportLayout(const MatterReportHeading& heading, MatterReportKind kind,
                                          const std::vector<CostCreditEntry>& entries);
document::Document hoursAndFeesReportLayout(const MatterReportHeading& heading, const HoursAndFees& report);

struct MatterReportBoxes {
  std::string client;
  std::string matter;
  PeriodBoxes periods;
  std::vector<std::string> title;  // up to six lines
};

struct ReportRun {
  RateChoice rates = RateChoice::InEffect;  // hours and fees only
  RateAsker askRate;                        // custom rates
  Progress progress;
  store::CalendarDate today;
};

struct ReportResult {
  dialog::Outcome outcome;  // closes with Ok when the document was made
  std::optional<document::Document> document;
};

// The logic of TCumulativeHoursAndFeesReportForm, TCumulativeCostsReportForm and
// TCumulativeCreditsReportForm.
class CumulativeMatterReport {
 public:
  // Loads the current period's client codes and matter table.
  CumulativeMatterReport(std::string dataFilesPath, std::string period, MatterReportKind kind);

  const std::vector<std::string>& clientCodes() const { return lists_.clientCodes; }
  // The first matter of the matter table (empty texts without matters).
  std::string openingClient() const;
  std::string openingMatter() const;
  std::vector<std::string> matterNumbers(const std::string& client) const { return lists_.numbersOf(client); }
  PeriodBoxes openingPeriods() const { return presetPeriodBoxes(period_); }

  // Print: the first failing check's message and the dialog stays; else the report.
  ReportResult print(const MatterReportBoxes& boxes, const ReportRun& run) const;

 private:
  std::string dataFilesPath_;
  std::string period_;
  MatterReportKind kind_;
  matters::MatterLists lists_;
};

}  // namespace vrk::reports
