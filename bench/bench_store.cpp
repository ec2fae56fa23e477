// Times adding and deleting one time record on tables of 10k, 100k and 200k records: the whole
// operation as a dialog runs it (load the table, stage the change, commit with its journal).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/store/binary_codec.h"
#include "core/store/counts.h"
#include "core/store/record_table.h"
#include "core/store/tables.h"

using namespace vrk::store;
using Clock = std::chrono::steady_clock;

namespace {

// Writes a sorted time-record table of n records straight into the folder.
void buildTable(const std::filesystem::path& folder, std::size_t n) {
  const TableLayout layout = timeRecordTable();
  std::string clients, matters, dates, slots, data;
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t client = i / 400, matter = (i / 20) % 20;
    clients += encodeText(7, "C" + std::to_string(100000 + client));
    matters += encodeText(5, std::to_string(matter + 1));
    std::string date(8, '\0');
    putDouble(date, 0, 46000.0 + static_cast<double>(i % 20));
    dates += date;
    std::string slot(4, '\0');
    putInt32(slot, 0, static_cast<std::int32_t>(i));
    slots += slot;
  }
  data.assign(n * layout.recordSize, 'x');
  Transaction tx(folder);
  tx.writeWhole(layout.columns[0].file, clients);
  tx.writeWhole(layout.columns[1].file, matters);
  tx.writeWhole(layout.columns[2].file, dates);
  tx.writeWhole(layout.slotFile, slots);
  tx.writeWhole(layout.dataFile, data);
  writeCounts(tx, 0, {0, 0, 1, 0, 0, static_cast<std::int32_t>(n), 0, 0, 0, 0});
  tx.commit();
}

double millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Figures {
  double median = 0, worst = 0;
};

Figures summarise(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.back()};
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = std::max(2, argc > 1 ? std::atoi(argv[1]) : 21);
  const auto root = std::filesystem::temp_directory_path() / "vrk-bench-store";
  // The first add follows the bulk write of the whole table, whose pages the disk is still
  // taking; it is shown apart ("first ms") and left out of the median and the worst.
  std::printf("%-9s %-8s %12s %12s %12s %12s %12s\n", "records", "op", "median ms", "worst ms", "load ms",
              "commit ms", "first ms");
  for (const std::size_t n : {10000u, 100000u, 200000u}) {
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    buildTable(root, n);
    std::mt19937 random(42);
    std::vector<double> adds, deletes, loads, commits;
    for (int r = 0; r < rounds; ++r) {
      // Add at a random place (a reused slot after the first delete), then delete a random record.
      const auto client = "C" + std::to_string(100000 + random() % (n / 400));
      const Key key{client, std::to_string(random() % 20 + 1), 46000.0 + static_cast<double>(random() % 20)};
      auto start = Clock::now();
      {
        Transaction tx(root);
        RecordTable table(timeRecordTable(), tx);
        const auto loaded = Clock::now();
        table.add(key, std::string(kTimeRecordSize, 'n'));
        const auto staged = Clock::now();
        tx.commit();
        loads.push_back(millis(loaded - start));
        commits.push_back(millis(Clock::now() - staged));
      }
      adds.push_back(millis(Clock::now() - start));
      start = Clock::now();
      {
        Transaction tx(root);
        RecordTable table(timeRecordTable(), tx);
        table.remove(random() % table.size());
        tx.commit();
      }
      deletes.push_back(millis(Clock::now() - start));
    }
    const double first = adds.front();
    const auto add = summarise({adds.begin() + 1, adds.end()}), del = summarise(deletes);
    std::printf("%-9zu %-8s %12.2f %12.2f %12.2f %12.2f %12.2f\n", n, "add", add.median, add.worst,
                summarise({loads.begin() + 1, loads.end()}).median,
                summarise({commits.begin() + 1, commits.end()}).median, first);
    std::printf("%-9zu %-8s %12.2f %12.2f\n", n, "delete", del.median, del.worst);
  }
  std::filesystem::remove_all(root);
  return 0;
}
