// Times the CSV import of time records: 100,000 rows into a generated billing period that already
// holds 100,000 time records (the rows checked as the add dialog checks them, merged into the
// tables and committed with the journal).
//
// usage: vrk_bench_import [ROWS [EXISTING]]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/interchange/record_import.h"
#include "core/matters/matter_lists.h"
#include "core/records/time_records.h"
#include "core/sample/sample_office.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

}  // namespace

int main(int argc, char** argv) {
  const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
  const int existing = argc > 2 ? std::atoi(argv[2]) : 100000;
  const auto root = std::filesystem::temp_directory_path() / ("vrk-bench-import-" + std::to_string(std::random_device{}()));
  const auto folder = root / "072001";
  std::filesystem::create_directories(folder);

  vrk::sample::SampleOfficeSize size;
  size.clients = 300;
  size.matters = 1000;
  size.time = existing;
  vrk::sample::writeSampleOffice(folder, size);

  const vrk::records::AddTimeRecord lists(folder);
  const auto& matters = lists.lists().matters;
  const auto& attorneys = lists.lists().attorneys;
  std::mt19937 random(7);
  std::string csv = "client,matter,date,attorney,hours,rate,description\r\n";
  for (int i = 0; i < rows; ++i) {
    const auto& matter = matters[random() % matters.size()];
    csv += matter.client + "," + matter.number + ",07/" + std::to_string(1 + random() % 28) + "/2001," +
           attorneys[random() % attorneys.size()] + ",1.5,,\"Imported row " + std::to_string(i) + "\nsecond line\"\r\n";
  }

  const auto started = Clock::now();
  const auto result = vrk::interchange::importRecords(folder, vrk::interchange::ImportKind::Time, csv);
  const double took = seconds(started);
  std::printf("import of %d time rows into %d: %zu imported, %zu problems, %.2f s\n", rows, existing,
              result.imported, result.problems.size(), took);
  std::filesystem::remove_all(root);
  return result.problems.empty() ? 0 : 1;
}
