// The counts file Dimensions.Dat: ten 32-bit counts; each writer overwrites only its own slots.
#pragma once

#include <cstdint>
#include <vector>

#include "core/store/transaction.h"

namespace vrk::store {

namespace slot {
inline constexpr int kClients = 0;
inline constexpr int kFreeClientSlots = 1;
inline constexpr int kFeeSchedules = 2;
inline constexpr int kMatters = 3;
inline constexpr int kFreeMatterSlots = 4;
inline constexpr int kTimeRecords = 5;
inline constexpr int kFreeTimeRecordSlots = 6;
inline constexpr int kCostCreditRecords = 7;
inline constexpr int kFreeCostCreditRecordSlots = 8;
inline constexpr int kPaymentRecords = 9;
inline constexpr int kSlotCount = 10;
}  // namespace slot

// The error for a counts file that is missing while files it counts exist; names the folder.
inline constexpr const char* kCountsFileMissing = "THE COUNTS FILE Dimensions.Dat IS MISSING";

// Reads `count` consecutive slots from `first`. A missing file (kCountsFileMissing, naming the
// folder), one too short to hold the slots, or a negative count raises StoreError.
std::vector<std::int32_t> readCounts(const Transaction& tx, int first, int count);

// Writes consecutive slots from `first`. When the file does not exist yet it is created with
// `slotsWhenCreated` integers (ten, or eleven when the first client creates it), all others 0;
// but only in a folder that holds none of the files it counts: counts started afresh beside
// existing records would tell every table it is empty (kCountsFileMissing).
void writeCounts(Transaction& tx, int first, const std::vector<std::int32_t>& values,
                 int slotsWhenCreated = 10);

}  // namespace vrk::store
