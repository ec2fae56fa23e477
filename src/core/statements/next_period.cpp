#include "core/statements/next_period.h"

#include "core/store/binary_codec.h"
#include "core/store/catalogue.h"
#include "core/store/counts.h"

namespace vrk::statements {
namespace {

constexpr int kStandingCounts = 5;  // clients, free client slots, fee schedules, matters, free matter slots
constexpr int kAllCounts = 10;

std::string whole(const store::Transaction& tx, const char* name) { return tx.readRange(name, 0, tx.size(name)); }

void copyOver(const store::Transaction& current, store::Transaction& next, const char* name) {
  if (current.exists(name)) {
    next.writeWhole(name, whole(current, name));
  } else if (next.exists(name)) {
    next.remove(name);
  }
}

// The data file keeps the next folder's records and takes the current folder's length: a table
// holds exactly as many records as its counts say.
void keepAndExtend(const store::Transaction& current, store::Transaction& next, const char* name) {
  if (!current.exists(name) || !next.exists(name)) {
    copyOver(current, next, name);
    return;
  }
  const std::uint64_t have = next.size(name);
  const std::uint64_t size = current.size(name);
  if (size > have) next.writeAt(name, have, current.readRange(name, have, size - have));
  if (size < have) next.truncate(name, size);
}

}  // namespace

void prepareNextPeriod(const store::Transaction& current, store::Transaction& next) {
  std::vector<std::int32_t> counts = store::readCounts(current, 0, kStandingCounts);
  counts.resize(kAllCounts, 0);
  next.writeWhole(store::files::kDimensions, store::encodeInt32s(counts));
  for (const char* name :
       {store::files::kAttorneyInitials, store::files::kFeeSchedules, store::files::kClientCodes,
        store::files::kClientGroups, store::files::kClientIndicesInUse, store::files::kClientIndicesNotInUse,
        store::files::kMatterClientCodesArray, store::files::kMatterNumbersArray, store::files::kMatterIndicesInUse,
        store::files::kMatterIndicesNotInUse})
    copyOver(current, next, name);
  keepAndExtend(current, next, store::files::kClientData);
  keepAndExtend(current, next, store::files::kMatterData);
}

}  // namespace vrk::statements
