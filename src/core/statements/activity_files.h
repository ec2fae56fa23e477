// The two activity files of a billing-period folder, which final runs fill group by group:
// AttorneyActivityReport.Dat, five 8-byte little-endian doubles per attorney in attorney-list order
// (overhead, contingent, no charge, billed hours, fees), and BillingActivityReport.Dat, exactly 13
// doubles (the twelve group totals in their order with total billings as the twelfth figure).
// Both hold sums over the client groups finalized so far.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/statements/statement.h"
#include "core/store/transaction.h"

namespace vrk::statements {

inline constexpr std::size_t kAttorneyActivityEntrySize = 5 * 8;
inline constexpr std::size_t kBillingActivityFigureCount = 13;
inline constexpr std::size_t kBillingActivityFileSize = kBillingActivityFigureCount * 8;

// The billing activity file's thirteen figures: the group totals and the stored total billings.
struct BillingActivityFigures {
  GroupTotals totals;
  double totalBillings = 0;
};

// The cells of the first `attorneyCount` attorneys. Attorneys past the file's end (or all of them
// when the file does not exist) read as zeros; a size that is not whole entries of 40 bytes is a
// damaged file (StoreError naming it).
std::vector<AttorneyCells> readAttorneyActivity(const store::Transaction& tx, std::size_t attorneyCount);

// The billing activity file; missing, or not exactly 104 bytes: StoreError naming it.
BillingActivityFigures readBillingActivityFigures(const store::Transaction& tx);
GroupTotals readBillingActivity(const store::Transaction& tx);

// Adds a finalized group's figures to both files (a missing file is created with them).
// `earlierInitials` is the attorney list the attorney file was written with, when known: cells are
// then summed by initials for attorneys both lists know, attorneys only in `initials` start from
// zero, and the file is rewritten in `initials` order, leaving out attorneys dropped since. Without
// it the cells are summed by position. The billing file's total billings is summed as well.
void stageActivityFiles(store::Transaction& tx, const std::vector<std::string>& initials,
                        const std::optional<std::vector<std::string>>& earlierInitials,
                        const GroupActivity& group);

}  // namespace vrk::statements
