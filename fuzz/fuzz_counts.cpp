// The counts file Dimensions.Dat of any bytes: every run of slots a reader asks for is read or
// refused as the file's size and signs say, and a writer's slots read back as written while every
// other byte of the file stays. The first input byte picks the slots and whether the file exists;
// the rest is the file. Nothing reaches the disk: the file is staged in a transaction over an
// empty folder, whose reads see the staged bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "core/store/catalogue.h"
#include "core/store/counts.h"
#include "core/store/store_error.h"
#include "core/store/transaction.h"

namespace {

namespace fs = std::filesystem;
using vrk::store::StoreError;
using vrk::store::Transaction;
namespace slot = vrk::store::slot;
constexpr const char* kCounts = vrk::store::files::kDimensions;

// An empty folder for the transactions, removed at exit.
struct EmptyFolder {
  fs::path path;
  EmptyFolder() {
    std::string pattern = (fs::temp_directory_path() / "vrk-fuzz-counts-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
      std::perror("mkdtemp");
      std::abort();
    }
    path = pattern;
  }
  ~EmptyFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
};

const fs::path& folder() {
  static const EmptyFolder made;
  return made.path;
}

std::int32_t slotAt(const std::string& bytes, std::size_t slot) {
  std::uint32_t value = 0;
  for (std::size_t k = 0; k < 4; ++k)
    value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[slot * 4 + k])) << (8 * k);
  return static_cast<std::int32_t>(value);
}

void check(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "counts file: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t pick = data[0];
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  // Slots as the readers and writers ask for them: a run within the eleven a file may hold.
  const int first = pick % (slot::kSlotCount + 1);
  const int count = (pick >> 4) % (slot::kSlotCount + 2 - first);
  const bool missing = bytes.empty() && (pick & 0x80);

  Transaction tx(folder());
  if (!missing) tx.writeWhole(kCounts, bytes);

  // Reading: refused exactly when the file is missing, too short, or holds a negative count.
  bool refusedRightly = missing || bytes.size() < static_cast<std::size_t>(first + count) * 4;
  if (!refusedRightly)
    for (int k = first; k < first + count; ++k)
      refusedRightly |= slotAt(bytes, static_cast<std::size_t>(k)) < 0;
  try {
    const auto values = vrk::store::readCounts(tx, first, count);
    check(!refusedRightly, "a damaged file was read");
    check(values.size() == static_cast<std::size_t>(count), "the wrong number of slots was read");
    for (int k = 0; k < count; ++k)
      check(values[static_cast<std::size_t>(k)] == slotAt(bytes, static_cast<std::size_t>(first + k)),
            "a slot was read wrong");
  } catch (const StoreError&) {
    check(refusedRightly, "an intact file was refused");
  }

  // Writing the same slots (at most the ten a new file holds) with values drawn from the input.
  const int written = std::min(count, slot::kSlotCount - std::min(first, slot::kSlotCount));
  std::vector<std::int32_t> values;
  for (int k = 0; k < written; ++k)
    values.push_back(static_cast<std::int32_t>((pick * 2654435761U + static_cast<unsigned>(k)) & 0x7fffffff));
  try {
    vrk::store::writeCounts(tx, first, values, pick & 0x40 ? 11 : 10);
  } catch (const StoreError&) {
    check(!missing && bytes.size() < static_cast<std::size_t>(first + written) * 4,
          "a write was refused wrongly");
    check(tx.read(kCounts) == bytes, "a refused write changed the file");
    return 0;
  }
  const std::string after = tx.read(kCounts);
  if (missing) {
    check(after.size() == (pick & 0x40 ? 44U : 40U), "a new file has the wrong size");
  } else {
    check(after.size() == bytes.size(), "a write changed the file's size");
    for (std::size_t k = 0; k < bytes.size(); ++k)
      if (k < static_cast<std::size_t>(first) * 4 || k >= static_cast<std::size_t>(first + written) * 4)
        check(after[k] == bytes[k], "a write changed another slot");
  }
  const auto read = vrk::store::readCounts(tx, first, written);
  check(read == values, "written slots read back wrong");
  return 0;
}
