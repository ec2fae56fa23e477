// Times adding and deleting one time record on tables of 10k, 100k and 200k records: first on the
// bare record table (load the table, stage the change, commit with its journal), then through the
// add, change and delete dialogs' own logic (their lists loaded, Display, the checks, the durable
// commit), a change moving the record to another matter.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/attorneys/attorney_register.h"
#include "core/clients/client_record.h"
#include "core/records/time_records.h"
#include "core/store/binary_codec.h"
#include "core/store/counts.h"
#include "core/store/record_table.h"
#include "core/store/tables.h"
#include "core/store/text_list.h"

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
  const std::string record = vrk::records::encodeTimeRecord({"JD", "1.0", "", {"Research"}});
  data.reserve(n * layout.recordSize);
  for (std::size_t i = 0; i < n; ++i) data += record;
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

std::string clientCode(std::size_t client) { return "C" + std::to_string(100000 + client); }

// The clients (one per 400 records), their 20 matters each and three attorneys the time records
// name, so that the dialogs' checks pass.
void buildRegisters(const std::filesystem::path& folder, std::size_t n) {
  Transaction tx(folder);
  RecordTable clients(clientTable(), tx);
  RecordTable matters(matterTable(), tx);
  for (std::size_t client = 0; client < n / 400; ++client) {
    clients.add({clientCode(client)}, vrk::clients::encodeClientRecord({}));
    for (int matter = 1; matter <= 20; ++matter)
      matters.add({clientCode(client), std::to_string(matter)}, std::string(kMatterRecordSize, '\0'));
  }
  tx.writeWhole("AttorneyInitials.Dat", "AB\r\nJD\r\nMKL\r\n");
  tx.writeWhole("FeeSchedules.Dat", std::string(3 * vrk::attorneys::kRateRecordSize, '\0'));
  tx.commit();
}

// Add, change (to another matter, so the record moves) and delete through the dialogs' logic.
void timeDialogs(const std::filesystem::path& folder, std::size_t n, int rounds) {
  using namespace vrk::records;
  std::mt19937 random(7);
  std::vector<double> adds, changes, deletes;
  vrk::store::CalendarDate lastEntry{2025, 12, 1};
  for (int r = 0; r < rounds; ++r) {
    const std::string client = clientCode(random() % (n / 400));
    auto start = Clock::now();
    {
      AddTimeRecord add(folder);
      const auto outcome = add.save({client, "3", {2025, 12, 10}, "JD", "1.5", "$", {"Research"}}, lastEntry);
      if (!outcome.closed()) std::printf("add refused: %s\n", outcome.messages.at(0).text.c_str());
    }
    adds.push_back(millis(Clock::now() - start));
    start = Clock::now();
    {
      ChangeTimeRecord change(folder);
      change.selection().display(client, "3", {});
      TimeBoxes boxes = change.shownBoxes();
      boxes.matter = "17";
      if (!change.save(boxes, lastEntry).closed()) std::printf("change refused\n");
    }
    changes.push_back(millis(Clock::now() - start));
    start = Clock::now();
    {
      DeleteTimeRecord remove(folder);
      remove.selection().display(client, "17", {});
      if (!remove.remove().closed()) std::printf("delete refused\n");
    }
    deletes.push_back(millis(Clock::now() - start));
  }
  for (const auto& [name, times] : {std::pair{"d-add", adds}, std::pair{"d-change", changes}, std::pair{"d-delete", deletes}}) {
    const auto figures = summarise(times);
    std::printf("%-9zu %-8s %12.2f %12.2f\n", n, name, figures.median, figures.worst);
  }
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
    buildRegisters(root, n);
    timeDialogs(root, n, rounds);
  }
  std::filesystem::remove_all(root);
  return 0;
}
