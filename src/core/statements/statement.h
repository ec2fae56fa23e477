// One client's monthly statement as the computation produces it: the items in the order the
// statement shows them (the layout turns them into lines and pages), the statement's amounts, the
// messages it raised and, in a final run, the matters' new cumulative totals.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/clients/client_record.h"
#include "core/dialog/outcome.h"
#include "core/matters/matter_record.h"

namespace vrk::statements {

// The billing categories, as stored in the client record.
enum Category : std::int32_t {
  kItemized = 0,
  kSummary = 1,
  kContingentBilledCosts = 2,
  kContingentNoCosts = 3,
  kOverhead = 4,
};

// "Retainer Services" and its underline, before the matter-0 time entries.
struct RetainerHeading {};

// A matter's non-empty description lines and their underline. A summary-billing matter's heading
// stands after its time records, with its summary lines (their count is part of its page check).
struct MatterHeading {
  std::string matter;  // the matter number, as stored
  std::vector<std::string> description;
  std::size_t emptyDescriptionLines = 0;  // of lines 2 to 4, for the page check
  std::optional<std::size_t> summaryLines;
};

struct TimeEntry {
  double date = 0;
  std::vector<std::string> description;  // line 1 and the non-empty further lines
  std::string initials;
  double hours = 0;
  std::optional<double> fee;  // nothing: "N/C"
  double rate = 0;            // what the fee was reckoned at
  bool combinedBlock = false;  // in a block of both time and cost/credit records
};

struct CostEntry {
  double date = 0;
  std::vector<std::string> description;  // line 1 and the non-empty further lines
  double amount = 0;                     // positive; a credit is shown negative
  bool credit = false;
  bool withoutDate = false;  // summary-billing clients
};

struct SummaryLine {
  std::string initials;
  double hours = 0;
  double rate = 0;
  double amount = 0;
};

enum class MatterTotal { Hours, Fees, Costs, Credits };

struct MatterTotals {
  bool underline = false;
  bool combinedBlock = false;
  std::vector<std::pair<MatterTotal, double>> lines;
};

// The balance section's labels, in the wording the statement prints.
enum class Balance {
  TrustAtStart,      // "Trust Account Balance At Start Of Billing Period" (negative)
  DueAtStart,        // "Balance Due At Start Of Billing Period"
  Payments,          // "Payments Received Since Start Of Billing Period" (negative)
  TrustForward,      // "Trust Account Balance Forward" (negative)
  Unpaid,            // "Unpaid Balance Remaining From Last Statement"
  LateCharge,        // "Late Charges (1.5% of Unpaid Balance)"
  Retainer,          // "Monthly Retainer"
  StatementFees,     // "Total Fees On This Statement"
  StatementCosts,    // "Total Costs On This Statement"
  StatementCredits,  // "Total Credits On This Statement" (negative)
  NoActivity,        // "No Activity" (no amount)
  BalanceNowDue,     // "Balance Now Due"
  TrustBalance,      // "Trust Account Balance" (negative)
};

struct BalanceLine {
  Balance label;
  double amount = 0;
};

// The totals block (categories 0 to 2), or the balance section standing alone when the billing
// period has no billing records at all. The flags size its page check.
struct TotalsBlock {
  bool heading = false;  // "TOTALS", when the client has billing records
  bool pageCheck = true;
  bool retainer = false;
  bool matterDefined = false;
  bool credits = false;
  std::int32_t category = kItemized;
  std::vector<BalanceLine> lines;
};

struct ClosingNotices {
  bool lateCharge = false;
};

using Item = std::variant<RetainerHeading, MatterHeading, TimeEntry, CostEntry, SummaryLine, MatterTotals,
                          TotalsBlock, ClosingNotices>;

// The figures of one statement (what the roll-forward needs among them).
struct StatementAmounts {
  double fees = 0;
  double costs = 0;
  double credits = 0;
  double openingTrust = 0;
  double openingBalance = 0;
  double payments = 0;
  double unpaid = 0;
  double lateCharge = 0;
  double retainer = 0;
  double trustBalance = 0;
  double balanceNowDue = 0;
};

// One attorney's activity cells.
struct AttorneyCells {
  double overhead = 0;
  double contingent = 0;
  double noCharge = 0;
  double billed = 0;
  double fees = 0;
};

// The client-group totals of the activity reports (total billings is derived when printed).
struct GroupTotals {
  double attorneyHours = 0;
  double previousBalances = 0;
  double paymentsReceived = 0;
  double previousTrust = 0;
  double currentTrust = 0;
  double unpaidBalances = 0;
  double lateCharges = 0;
  double retainerFees = 0;
  double hourlyFees = 0;
  double costs = 0;
  double credits = 0;
  double balancesNowDue = 0;
};

// What a run keeps over the statements of one client group.
struct GroupActivity {
  std::vector<AttorneyCells> attorneys;  // one per attorney of the attorney list, in its order
  GroupTotals totals;
};

// A matter's record with its new cumulative totals, for the next billing period's matter file.
struct MatterUpdate {
  std::int32_t slot = 0;
  matters::MatterRecord record;
};

struct Statement {
  std::string client;
  clients::ClientRecord record;
  std::vector<Item> items;
  StatementAmounts amounts;
  std::vector<dialog::Message> messages;  // error boxes, in the order they were met
  std::vector<MatterUpdate> matterUpdates;
};

}  // namespace vrk::statements
