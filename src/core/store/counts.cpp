#include "core/store/counts.h"

#include <algorithm>

#include "core/store/binary_codec.h"
#include "core/store/catalogue.h"
#include "core/store/file_io.h"
#include "core/store/store_error.h"

namespace vrk::store {

std::vector<std::int32_t> readCounts(const Transaction& tx, int first, int count) {
  const auto path = tx.pathOf(files::kDimensions);
  if (!tx.exists(files::kDimensions)) throw StoreError(tx.folder(), kCountsFileMissing);
  const auto needed = static_cast<std::uint64_t>(first + count) * 4;
  if (tx.size(files::kDimensions) < needed) throw StoreError(path, "The counts file is damaged (too short)");
  auto values = decodeInt32s(tx.readRange(files::kDimensions, static_cast<std::uint64_t>(first) * 4,
                                          static_cast<std::uint64_t>(count) * 4),
                             static_cast<std::size_t>(count));
  if (std::any_of(values.begin(), values.end(), [](std::int32_t v) { return v < 0; }))
    throw StoreError(path, "The counts file is damaged (a negative count)");
  return values;
}

void writeCounts(Transaction& tx, int first, const std::vector<std::int32_t>& values, int slotsWhenCreated) {
  if (!tx.exists(files::kDimensions)) {
    for (const auto& name : countedFiles())
      if (io::fileSize(tx.pathOf(name))) throw StoreError(tx.folder(), kCountsFileMissing);
    std::vector<std::int32_t> all(static_cast<std::size_t>(std::max(slotsWhenCreated, slot::kSlotCount)), 0);
    std::copy(values.begin(), values.end(), all.begin() + first);
    tx.writeWhole(files::kDimensions, encodeInt32s(all));
    return;
  }
  const auto end = static_cast<std::uint64_t>(first) * 4 + values.size() * 4;
  if (tx.size(files::kDimensions) < static_cast<std::uint64_t>(first) * 4 ||
      tx.size(files::kDimensions) < end) {
    // A counts file too short to hold the slots is damaged: refuse rather than guess the others.
    throw StoreError(tx.pathOf(files::kDimensions), "The counts file is damaged (too short)");
  }
  tx.writeAt(files::kDimensions, static_cast<std::uint64_t>(first) * 4, encodeInt32s(values));
}

}  // namespace vrk::store
