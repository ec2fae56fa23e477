// Three programs saving into one billing-period folder at the same moment: each save waits for
// the others', so no record and no total is lost. (Without the folder lock this office's saves
// overlap within a few rounds and damage the payment tables.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "batch/batch_runner.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

constexpr int kWriters = 3;
constexpr int kRounds = 30;               // saves per writer
constexpr const char* kClient = "ALI0003";  // a client of the generated office

std::vector<std::string> options(const std::filesystem::path& dataDir) {
  return {"--settings", (dataDir / "settings.ini").string(), "--data-dir", dataDir.string(),
          "--today", "07/20/2001", "--period", "072001"};
}

// A shell loop of kRounds one-dollar payments, each run's exit status on a line of `statuses`.
std::string writerLoop(const std::filesystem::path& dataDir, const std::filesystem::path& statuses) {
  std::string command = shellQuote(VRK_BATCH_EXE);
  for (const auto& word : options(dataDir)) command += " " + shellQuote(word);
  command += std::string(" do add-payment client=") + kClient + " amount=1 >/dev/null 2>&1";
  return "(i=0; while [ $i -lt " + std::to_string(kRounds) + " ]; do " + command + "; echo $? >>" +
         shellQuote(statuses.string()) + "; i=$((i+1)); done)";
}

int countLines(const std::string& text, const std::string& line) {
  std::istringstream in(text);
  int count = 0;
  for (std::string got; std::getline(in, got);) count += got == line ? 1 : 0;
  return count;
}

// The client's payments since the last statement, in cents.
long paymentsTotal(const std::filesystem::path& dataDir) {
  const std::string data = runBatchOn(dataDir, {"print", "client-data", std::string("client=") + kClient},
                                      "07/20/2001", "072001")
                               .out;
  const auto at = data.find("Payments Since Last Statement:");
  std::string digits;
  for (std::size_t i = at; at != std::string::npos && i < data.size() && data[i] != '\n'; ++i)
    if (std::isdigit(static_cast<unsigned char>(data[i]))) digits += data[i];
  return digits.empty() ? -1 : std::stol(digits);
}

TEST(TwoWriters, PaymentsSavedAtTheSameTimeAreAllKept) {
  TempFolder folder;
  std::filesystem::create_directories(folder / "072001");
  ASSERT_EQ(runBatchOn(folder.path(),
                       {"do", "sample-office", "clients=200", "matters=600", "time=20000", "costs=5000",
                        "payments=2000", "seed=3"},
                       "07/20/2001", "072001")
                .status,
            0);
  const auto listing = [&] {
    return runBatchOn(folder.path(), {"print", "records", "payment", std::string("client=") + kClient},
                      "07/20/2001", "072001")
        .out;
  };
  const auto payments = [&listing] {
    const std::string text = listing();
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));  // one payment a line
  };
  const int paymentsBefore = payments();
  const long totalBefore = paymentsTotal(folder.path());

  std::string all;
  for (int w = 0; w < kWriters; ++w) all += writerLoop(folder.path(), folder / ("status" + std::to_string(w))) + " & ";
  ASSERT_EQ(std::system(("sh -c " + shellQuote(all + "wait")).c_str()), 0);

  // Every save ended OK (0), or found the folder busy too long (3) and added nothing.
  int saved = 0;
  for (int w = 0; w < kWriters; ++w) {
    const std::string statuses = readFile(folder / ("status" + std::to_string(w)));
    saved += countLines(statuses, "0");
    EXPECT_EQ(countLines(statuses, "0") + countLines(statuses, "3"), kRounds) << statuses;
  }
  EXPECT_GT(saved, kRounds) << "the writers hardly ever got the folder";
  const int lost = paymentsBefore + saved - payments();
  EXPECT_EQ(lost, 0);
  EXPECT_EQ(paymentsTotal(folder.path()), totalBefore + 100L * saved);
  std::cout << "two writers: " << kWriters << " writers, " << kWriters * kRounds << " rounds, " << saved
            << " saves, " << lost << " lost\n";
}

}  // namespace
}  // namespace vrk::test
