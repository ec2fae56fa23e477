#include "core/statements/activity_files.h"

#include <algorithm>
#include <map>

#include "core/statements/activity_reports.h"
#include "core/store/binary_codec.h"
#include "core/store/catalogue.h"
#include "core/store/store_error.h"

namespace vrk::statements {
namespace {

using store::files::kAttorneyActivityReport;
using store::files::kBillingActivityReport;

// An attorney's cells in the order the file keeps them.
constexpr double AttorneyCells::*kCellOrder[] = {&AttorneyCells::overhead, &AttorneyCells::contingent,
                                                 &AttorneyCells::noCharge, &AttorneyCells::billed,
                                                 &AttorneyCells::fees};

// The group totals in the billing file's order; total billings stands between credits and the
// balances now due.
constexpr double GroupTotals::*kTotalsBeforeBillings[] = {
    &GroupTotals::attorneyHours, &GroupTotals::previousBalances, &GroupTotals::paymentsReceived,
    &GroupTotals::previousTrust, &GroupTotals::currentTrust,     &GroupTotals::unpaidBalances,
    &GroupTotals::lateCharges,   &GroupTotals::retainerFees,     &GroupTotals::hourlyFees,
    &GroupTotals::costs,         &GroupTotals::credits};
constexpr std::size_t kTotalBillingsIndex = std::size(kTotalsBeforeBillings);

std::string encodeAttorneyActivity(const std::vector<AttorneyCells>& attorneys) {
  std::string bytes(attorneys.size() * kAttorneyActivityEntrySize, '\0');
  for (std::size_t k = 0; k < attorneys.size(); ++k)
    for (std::size_t j = 0; j < std::size(kCellOrder); ++j)
      store::putDouble(bytes, k * kAttorneyActivityEntrySize + j * 8, attorneys[k].*kCellOrder[j]);
  return bytes;
}

std::string encodeBillingActivity(const BillingActivityFigures& figures) {
  std::string bytes(kBillingActivityFileSize, '\0');
  for (std::size_t i = 0; i < kTotalBillingsIndex; ++i)
    store::putDouble(bytes, i * 8, figures.totals.*kTotalsBeforeBillings[i]);
  store::putDouble(bytes, kTotalBillingsIndex * 8, figures.totalBillings);
  store::putDouble(bytes, (kTotalBillingsIndex + 1) * 8, figures.totals.balancesNowDue);
  return bytes;
}

AttorneyCells sum(const AttorneyCells& a, const AttorneyCells& b) {
  AttorneyCells cells;
  for (const auto cell : kCellOrder) cells.*cell = a.*cell + b.*cell;
  return cells;
}

AttorneyCells groupCells(const GroupActivity& group, std::size_t position) {
  return position < group.attorneys.size() ? group.attorneys[position] : AttorneyCells{};
}

}  // namespace

std::vector<AttorneyCells> readAttorneyActivity(const store::Transaction& tx, std::size_t attorneyCount) {
  std::vector<AttorneyCells> attorneys(attorneyCount);
  if (!tx.exists(kAttorneyActivityReport)) return attorneys;
  const std::uint64_t size = tx.size(kAttorneyActivityReport);
  if (size % kAttorneyActivityEntrySize != 0)
    throw store::StoreError(
        tx.pathOf(kAttorneyActivityReport),
        "The activity file is damaged (its size is not a whole number of attorney entries)");
  const std::size_t stored =
      static_cast<std::size_t>(std::min<std::uint64_t>(size / kAttorneyActivityEntrySize, attorneyCount));
  if (stored == 0) return attorneys;
  const std::string bytes = tx.readRange(kAttorneyActivityReport, 0, stored * kAttorneyActivityEntrySize);
  for (std::size_t k = 0; k < stored; ++k)
    for (std::size_t j = 0; j < std::size(kCellOrder); ++j)
      attorneys[k].*kCellOrder[j] = store::getDouble(bytes, k * kAttorneyActivityEntrySize + j * 8);
  return attorneys;
}

BillingActivityFigures readBillingActivityFigures(const store::Transaction& tx) {
  if (!tx.exists(kBillingActivityReport))
    throw store::StoreError(tx.pathOf(kBillingActivityReport), "The file is missing");
  if (tx.size(kBillingActivityReport) != kBillingActivityFileSize)
    throw store::StoreError(tx.pathOf(kBillingActivityReport),
                            "The activity file is damaged (it does not hold exactly 13 figures)");
  const std::string bytes = tx.read(kBillingActivityReport, kBillingActivityFileSize);
  BillingActivityFigures figures;
  for (std::size_t i = 0; i < kTotalBillingsIndex; ++i)
    figures.totals.*kTotalsBeforeBillings[i] = store::getDouble(bytes, i * 8);
  figures.totalBillings = store::getDouble(bytes, kTotalBillingsIndex * 8);
  figures.totals.balancesNowDue = store::getDouble(bytes, (kTotalBillingsIndex + 1) * 8);
  return figures;
}

GroupTotals readBillingActivity(const store::Transaction& tx) {
  return readBillingActivityFigures(tx).totals;
}

void stageActivityFiles(store::Transaction& tx, const std::vector<std::string>& initials,
                        const std::optional<std::vector<std::string>>& earlierInitials,
                        const GroupActivity& group) {
  std::vector<AttorneyCells> attorneys(initials.size());
  if (earlierInitials) {
    const std::vector<AttorneyCells> earlier = readAttorneyActivity(tx, earlierInitials->size());
    std::map<std::string, std::size_t> earlierPosition;
    for (std::size_t k = 0; k < earlierInitials->size(); ++k)
      earlierPosition.emplace((*earlierInitials)[k], k);
    for (std::size_t k = 0; k < initials.size(); ++k) {
      const auto found = earlierPosition.find(initials[k]);
      attorneys[k] = found == earlierPosition.end() ? groupCells(group, k)
                                                    : sum(earlier[found->second], groupCells(group, k));
    }
  } else {
    const std::vector<AttorneyCells> earlier = readAttorneyActivity(tx, initials.size());
    for (std::size_t k = 0; k < initials.size(); ++k) attorneys[k] = sum(earlier[k], groupCells(group, k));
  }
  // Both files are checked before either is staged, so a damaged one leaves the other alone too.
  BillingActivityFigures figures;
  if (tx.exists(kBillingActivityReport)) figures = readBillingActivityFigures(tx);
  for (const auto total : kTotalsBeforeBillings) figures.totals.*total += group.totals.*total;
  figures.totals.balancesNowDue += group.totals.balancesNowDue;
  figures.totalBillings += totalBillings(group.totals);

  tx.writeWhole(kAttorneyActivityReport, encodeAttorneyActivity(attorneys));
  tx.writeWhole(kBillingActivityReport, encodeBillingActivity(figures));
}

}  // namespace vrk::statements
