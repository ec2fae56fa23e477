// vrk-batch verify: sealed billing periods checked against their seals, one line per period or problem.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "batch/batch_runner.h"
#include "core/closing/period_seal.h"
#include "core/store/transaction.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

// vrk-batch verify on the data directory: the period named (today's, July 2001, when empty), or --all.
BatchResult verify(const std::filesystem::path& data, const std::string& period, bool all, bool withErrors = false) {
  std::vector<std::string> args = {"--data-dir", data.string(), "--today", "07/20/2001"};
  if (!period.empty()) args.insert(args.end(), {"--period", period});
  args.push_back("verify");
  if (all) args.push_back("--all");
  return runBatch(args, withErrors);
}

namespace fs = std::filesystem;

// A data directory holding the sample office's July 2001 and copies of it as December 2000 and
// January 2001; `sealed` names the periods given a seal.
fs::path office(const test::TempFolder& folder, const std::vector<std::string>& sealed) {
  const fs::path data = folder / "VRK DATA FILES";
  test::copySampleOffice(data);
  for (const char* period : {"122000", "012001"}) fs::copy(data / "072001", data / period);
  fs::create_directory(data / "backup");  // not a billing period: never checked
  for (const std::string& period : sealed) {
    store::Transaction tx(data / period);
    closing::stageSeal(tx);
    tx.commit();
  }
  return data;
}

TEST(VerifyCommand, ReportsEachPeriodAndFailsOnlyOnABrokenSeal) {
  struct Case {
    const char* what;
    std::vector<std::string> sealed;
    std::function<void(const fs::path&)> change;
    std::string period;  // empty: --all
    std::string output;
    int status;
  };
  const auto none = [](const fs::path&) {};
  const auto damageJuly = [](const fs::path& data) {
    fs::remove(data / "072001" / "ClientCodes.Dat");
    test::writeFile(data / "072001" / "TimeRecordData.Dat", "cut");
    test::writeFile(data / "072001" / "Notes.Dat", "");
  };
  const Case cases[] = {
      {"sealed and holding", {"072001"}, none, "072001", "072001: sealed, all files hold\n", kExitOk},
      {"sealed and changed", {"072001"}, damageJuly, "072001",
       "072001: missing: ClientCodes.Dat\n072001: added: Notes.Dat\n072001: changed: TimeRecordData.Dat\n",
       kExitRefused},
      {"named but not sealed", {"122000"}, none, "072001", "072001: not sealed\n", kExitRefused},
      {"all, in date order, unsealed listed", {"122000", "072001"}, none, "",
       "122000: sealed, all files hold\n012001: not sealed\n072001: sealed, all files hold\n", kExitOk},
      {"all, one broken", {"122000", "072001"}, damageJuly, "",
       "122000: sealed, all files hold\n012001: not sealed\n072001: missing: ClientCodes.Dat\n"
       "072001: added: Notes.Dat\n072001: changed: TimeRecordData.Dat\n",
       kExitRefused},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempFolder folder;
    const fs::path data = office(folder, c.sealed);
    c.change(data);
    const auto result = verify(data, c.period, c.period.empty());
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.out, c.output);
  }
}

TEST(VerifyCommand, ADamagedSealAMissingFolderOrABadPeriodFail) {
  test::TempFolder folder;
  const fs::path data = office(folder, {"122000", "012001"});
  const fs::path seal = data / "012001" / closing::kSealName;
  test::writeFile(seal, "PERIOD SEAL 012001\r\nnot a line\r\n");
  const std::string damaged =
      "012001: The period seal is damaged (line 2: no SHA-256 hash of 64 hex digits): " + seal.string() + "\n";
  struct Case {
    std::string period;
    bool all;
    std::string output;
    int status;
  };
  const Case cases[] = {
      {"012001", false, damaged, kExitRefused},
      {"", true, "122000: sealed, all files hold\n" + damaged + "072001: not sealed\n", kExitRefused},
      {"082001", false, "082001: no folder for this billing period in " + data.string() + "\n", kExitRefused},
      {"132001", false, "", kExitUsage},
      {"", false, "072001: not sealed\n", kExitRefused},  // today's billing period
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.period);
    const auto result = verify(data, c.period, c.all);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.out, c.output);
  }
  const auto gone = verify(folder / "gone", "", true);
  EXPECT_EQ(gone.status, kExitRefused);
  EXPECT_TRUE(gone.out.starts_with("The data directory cannot be listed")) << gone.out;
}

}  // namespace
}  // namespace vrk::test
