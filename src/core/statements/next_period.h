// The next billing period's folder as a final run prepares it before its first statement.
#pragma once

#include "core/store/transaction.h"

namespace vrk::statements {

// Stages in `next` (a transaction on the next period's folder, which must exist):
// - its counts: the current period's clients, fee schedules and matters, and no billing records
//   (those stay in the current period's folder);
// - the attorney list and rates, the client code and group lists, the client and matter key and
//   slot files, copied over whatever is there; a free-slot file the current folder does not have
//   is removed, so no stale free slot survives;
// - the client and matter data files: copied when the next folder has none; otherwise kept, so the
//   records an earlier final run of the month rolled forward stay, and extended with the current
//   folder's records beyond their end (clients or matters added since that run).
void prepareNextPeriod(const store::Transaction& current, store::Transaction& next);

}  // namespace vrk::statements
