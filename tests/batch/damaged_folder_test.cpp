// Damaged or inconsistent folders end to end: every save on them is refused as a file error
// naming the file, exit status 3, and no byte of the folder changes.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>

#include "batch/batch_runner.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

void setCount(const std::filesystem::path& folder, int slot, std::int32_t value) {
  std::string counts = readFile(folder / "Dimensions.Dat");
  for (int i = 0; i < 4; ++i)
    counts[static_cast<std::size_t>(slot * 4 + i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
  writeFile(folder / "Dimensions.Dat", counts);
}

std::string slots(std::initializer_list<std::int32_t> values) {
  std::string bytes;
  for (const auto value : values)
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

// Each file's size, and its bytes unless it is a huge sparse one.
std::map<std::string, std::string> state(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const auto size = entry.file_size();
    files[entry.path().filename().string()] =
        std::to_string(size) + ":" + (size < (1U << 20) ? readFile(entry.path()) : std::string());
  }
  return files;
}

}  // namespace

TEST(DamagedFolder, SavesOnInconsistentFilesAreRefusedAndWriteNothing) {
  struct Case {
    const char* damage;
    std::function<void(const std::filesystem::path&)> apply;
    std::vector<std::string> args;
    std::string named;  // what the error names
  };
  const std::vector<std::string> addClient = {"do", "add-client", "code=NEW1", "group=A", "address-1=New St"};
  const Case cases[] = {
      // BETA1's data slot 0 also stands in the free list: the new client would overwrite BETA1.
      {"free slot in use", [](const auto& f) { writeFile(f / "ClientIndicesNotInUse.Dat", slots({0})); },
       addClient, "ClientIndicesNotInUse.Dat"},
      {"one free slot twice",
       [](const auto& f) {
         writeFile(f / "ClientIndicesNotInUse.Dat", slots({3, 3}));
         setCount(f, 1, 2);
       },
       addClient, "ClientIndicesNotInUse.Dat"},
      // A count of 0 beside existing files would start the table afresh over its records.
      {"matter count 0",
       [](const auto& f) { setCount(f, 3, 0); },
       {"do", "add-matter", "client=ZED", "matter=5", "attorney=JD"},
       "MatterClientCodesArray.Dat"},
      {"client count 0", [](const auto& f) { setCount(f, 0, 0); }, addClient, "ClientCodes.Dat"},
      // Without the counts, a new attorney register would replace AB, JD and MKL.
      {"counts file missing",
       [](const auto& f) { std::filesystem::remove(f / "Dimensions.Dat"); },
       {"do", "add-attorney", "initials=QQ", "rate-1=100"},
       "THE COUNTS FILE Dimensions.Dat IS MISSING"},
      {"attorney list missing",
       [](const auto& f) { std::filesystem::remove(f / "AttorneyInitials.Dat"); },
       {"do", "add-attorney", "initials=QQ", "rate-1=100"},
       "AttorneyInitials.Dat"},
      // Billing records: a key or data file cut short, a flipped bit in a data slot.
      {"time data file cut short",
       [](const auto& f) { std::filesystem::resize_file(f / "TimeRecordData.Dat", 5 * 265 + 100); },
       {"do", "add-time-record", "client=ACME", "matter=1", "attorney=JD", "time=1"},
       "TimeRecordData.Dat"},
      {"time dates cut in a record",
       [](const auto& f) { std::filesystem::resize_file(f / "TimeRecordDatesArray.Dat", 4 * 8 + 3); },
       {"do", "delete-time-record", "client=ACME", "matter=1"},
       "TimeRecordDatesArray.Dat"},
      {"cost/credit slot bit flipped",
       [](const auto& f) {
         std::string slots = readFile(f / "CostCreditRecordIndicesInUse.Dat");
         slots[0] = static_cast<char>(slots[0] ^ 0x40);
         writeFile(f / "CostCreditRecordIndicesInUse.Dat", slots);
       },
       {"do", "change-cost-credit-record", "client=ACME", "matter=1", "amount=5"},
       "CostCreditRecordIndicesInUse.Dat"},
      {"payment amounts cut short",
       [](const auto& f) { std::filesystem::resize_file(f / "PaymentRecordAmountsArray.Dat", 12); },
       {"do", "add-payment", "client=ACME", "amount=5"},
       "PaymentRecordAmountsArray.Dat"},
      // A 1 TiB sparse code list is refused by its size, never read into memory.
      {"huge code list",
       [](const auto& f) { std::filesystem::resize_file(f / "ClientCodes.Dat", 1ULL << 40); }, addClient,
       "ClientCodes.Dat"},
      // The whole-period reports of a finished period: activity files not of whole figures.
      {"attorney activity entry cut short",
       [](const auto& f) {
         writeFile(f / "ClientGroupsWithFinalStatements.Dat", "A\r\nB\r\n");
         writeFile(f / "AttorneyActivityReport.Dat", std::string(3 * 40 - 8, '\0'));
       },
       {"print", "attorney-activity"},
       "AttorneyActivityReport.Dat"},
      {"billing activity figure missing",
       [](const auto& f) {
         writeFile(f / "ClientGroupsWithFinalStatements.Dat", "A\r\nB\r\n");
         writeFile(f / "BillingActivityReport.Dat", std::string(12 * 8, '\0'));
       },
       {"print", "billing-activity"},
       "BillingActivityReport.Dat"},
      // The aged accounts report reads every client record.
      {"client data cut short",
       [](const auto& f) { std::filesystem::resize_file(f / "ClientData.Dat", 396 + 10); },
       {"print", "aged-accounts"},
       "ClientData.Dat"},
      // The matter lists read every matter record they list, the group list every client record.
      {"matter data cut short for a list",
       [](const auto& f) { std::filesystem::resize_file(f / "MatterData.Dat", 100); },
       {"print", "matter-list", "all=yes"}, "MatterData.Dat"},
      {"matter data cut short for all matter data",
       [](const auto& f) { std::filesystem::resize_file(f / "MatterData.Dat", 228 + 10); },
       {"print", "all-matter-data", "client=ACME"}, "MatterData.Dat"},
      {"client data cut short for a group list",
       [](const auto& f) { std::filesystem::resize_file(f / "ClientData.Dat", 396 + 10); },
       {"print", "matter-list", "group=A"}, "ClientData.Dat"},
      // A final run reads every table before it writes, and adds to the activity files last.
      {"time records cut short", [](const auto& f) { std::filesystem::resize_file(f / "TimeRecordData.Dat", 265 * 2); },
       {"do", "final-statements-all"}, "TimeRecordData.Dat"},
      {"matter records cut short", [](const auto& f) { std::filesystem::resize_file(f / "MatterData.Dat", 100); },
       {"do", "final-statements", "group=A"}, "MatterData.Dat"},
      {"attorney activity of an earlier group damaged",
       [](const auto& f) {
         writeFile(f / "ClientGroupsWithFinalStatements.Dat", "A\r\n");
         writeFile(f / "AttorneyActivityReport.Dat", std::string(41, '\0'));
       },
       {"do", "final-statements", "group=B"}, "AttorneyActivityReport.Dat"},
      // The cumulative reports read each month's tables; a damaged one is a file error.
      {"cost/credit data cut short for a cumulative report",
       [](const auto& f) { std::filesystem::resize_file(f / "CostCreditRecordData.Dat", 180); },
       {"print", "cumulative-costs", "client=ACME", "matter=1", "beginning=7/2001", "final=7/2001"},
       "CostCreditRecordData.Dat"},
      {"payment dates cut short for a cumulative report",
       [](const auto& f) { std::filesystem::resize_file(f / "PaymentRecordDatesArray.Dat", 8); },
       {"print", "cumulative-payments", "client=ACME", "beginning=6/2001", "final=7/2001"},
       "PaymentRecordDatesArray.Dat"},
      {"rate records cut short for a cumulative report",
       [](const auto& f) { std::filesystem::resize_file(f / "FeeSchedules.Dat", 90); },
       {"print", "cumulative-hours-and-fees", "client=ACME", "matter=1", "beginning=7/2001", "final=7/2001"},
       "FeeSchedules.Dat"},
      // The mailing labels read every client record, or the selected ones through their slots.
      {"client data cut short for labels",
       [](const auto& f) { std::filesystem::resize_file(f / "ClientData.Dat", 396 + 10); },
       {"print", "mailing-labels", "selection=activity"}, "ClientData.Dat"},
      {"client slot out of range for selected labels",
       [](const auto& f) { writeFile(f / "ClientIndicesInUse.Dat", slots({2, 0, 7})); },
       {"print", "mailing-labels", "selection=ZED,ACME"}, "ClientIndicesInUse.Dat"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.damage);
    TempFolder temp;
    const auto folder = copySampleOffice(temp.path());
    c.apply(folder);
    const auto before = state(folder);
    const auto result = runBatchOn(temp.path(), c.args, "08/03/2001", "072001", true);
    EXPECT_EQ(result.status, 3) << result.out;
    EXPECT_NE(result.out.find(c.named), std::string::npos) << result.out;
    EXPECT_EQ(state(folder), before);
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "082001"));  // no next period begun
  }
}

}  // namespace vrk::test
