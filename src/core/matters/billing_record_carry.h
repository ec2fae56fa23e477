// Carries the billing period's time and cost/credit records of a matter along to its new key.
#pragma once

#include <cstddef>

#include "core/matters/matter_lists.h"
#include "core/store/transaction.h"

namespace vrk::matters {

// Every time and cost/credit record of `from` (client code byte for byte, number by value) takes
// the key `to`, keeping its date and data slot; the tables stay sorted and the moved records
// follow any `to` already has. Staged in `tx`; returns how many records moved.
std::size_t carryBillingRecords(store::Transaction& tx, const MatterKey& from, const MatterKey& to);

}  // namespace vrk::matters
