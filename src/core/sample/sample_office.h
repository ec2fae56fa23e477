// A generated office of any size for trying out and timing the monthly statement run: attorneys
// and fee schedules, client groups, clients of every billing category with their balances,
// matters, time, cost/credit and payment records, all dated in the folder's billing period.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vrk::sample {

struct SampleOfficeSize {
  int clients = 50;
  int matters = 150;
  int time = 2000;
  int costs = 500;
  int payments = 100;
  std::uint32_t seed = 1;
};

// Client codes end in the client's number (seven characters in all, five digits at most), so at
// most this many clients; every other count at most kMaxSampleRecords.
inline constexpr int kMaxSampleClients = 99999;
inline constexpr int kMaxSampleRecords = 1000000;

// Why an office of this size cannot be made ("" when it can): at least one client, counts from
// 0 to their maximum, at least one matter when there are time or cost/credit records, and no
// more matters than the clients' matter numbers can hold.
std::string sizeProblem(const SampleOfficeSize& size);

// The first data file the folder holds (the counts file, the attorney register, a file of a
// record table or the client group list), or nothing: a sample office goes only into a folder
// without them.
std::optional<std::string> existingDataFile(const std::filesystem::path& folder);

// Writes an office of that size into the billing-period folder (named MMYYYY; created, one level,
// when missing) in one transaction:
// - attorneys with rates under three to ten fee schedules;
// - clients in several client groups and of all five billing categories (when there are five
//   clients or more), some with a trust balance, some overdue with 30/60/90-day balances and most
//   of those with late charges, some paying a monthly retainer; a client's payments since the last
//   statement are the sum of its payment records;
// - matters with fee schedules and totals to date, and matter-0 retainer-services time for
//   retainer clients;
// - time records (some with a special rate, some at no charge), costs and credits on matters,
//   and payments, all on days of the billing period.
// The same size and seed always give the same bytes. Throws std::invalid_argument for a size
// sizeProblem() refuses, a folder not named as a billing period, or one that already holds a data
// file; StoreError when the files cannot be written.
void writeSampleOffice(const std::filesystem::path& folder, const SampleOfficeSize& size);

}  // namespace vrk::sample
