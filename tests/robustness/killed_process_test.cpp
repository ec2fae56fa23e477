// Killed saves end to end: a seeded stream of vrk-batch actions that write, each killed with
// SIGKILL at a random moment. Whatever moment the kill lands on, the next command opens the
// folder and succeeds, its commit journals are gone, and every folder holds exactly the state
// before the action or exactly the state after it.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <iostream>
#include <random>

#include "robustness/robustness_support.h"

namespace vrk::test::robust {
namespace {

const char* const kToday = "08/03/2001";
const char* const kPeriod = "072001";
constexpr std::size_t kMostKills = 150;
constexpr double kMostSeconds = 60;

// ---- What the folder holds, read from its files ---------------------------------------------

std::vector<std::string> textList(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = bytes.find("\r\n", from)) != std::string::npos; from = at + 2)
    lines.push_back(bytes.substr(from, at - from));
  return lines;
}

// Entries of `width` + 1 bytes: a length byte, then the characters.
std::vector<std::string> textEntries(const std::string& bytes, std::size_t width) {
  std::vector<std::string> entries;
  for (std::size_t at = 0; at + width + 1 <= bytes.size(); at += width + 1)
    entries.push_back(
        bytes.substr(at + 1, std::min<std::size_t>(static_cast<unsigned char>(bytes[at]), width)));
  return entries;
}

struct Office {
  std::vector<std::string> clients;
  std::vector<std::pair<std::string, std::string>> matters;  // client code, matter number
  std::vector<std::string> payers;                           // clients with payment records
  std::vector<std::string> attorneys;
  int schedules = 0;
};

Office readOffice(const std::filesystem::path& folder) {
  const FolderFiles files = folderFiles(folder);
  const auto file = [&files](const std::string& name) {
    const auto it = files.find(name);
    return it == files.end() ? std::string() : it->second;
  };
  Office office;
  office.clients = textList(file("ClientCodes.Dat"));
  office.attorneys = textList(file("AttorneyInitials.Dat"));
  const auto matterClients = textEntries(file("MatterClientCodesArray.Dat"), 7);
  const auto matterNumbers = textEntries(file("MatterNumbersArray.Dat"), 5);
  for (std::size_t i = 0; i < matterClients.size() && i < matterNumbers.size(); ++i)
    office.matters.emplace_back(matterClients[i], matterNumbers[i]);
  office.payers = textEntries(file("PaymentRecordClientCodesArray.Dat"), 7);
  const std::string counts = file("Dimensions.Dat");  // the fee schedule count is the third
  if (counts.size() >= 12)
    for (int i = 3; i >= 0; --i)
      office.schedules = office.schedules * 256 + static_cast<unsigned char>(counts[8 + i]);
  return office;
}

// ---- The stream of actions ------------------------------------------------------------------

class ActionStream {
 public:
  explicit ActionStream(std::uint32_t seed) : random_(seed) {}

  // The next action for the office: an action of a kind drawn at random, with fields drawn from
  // what the office holds (one the office lacks the makings of falls back to adding a client).
  std::vector<std::string> next(const Office& office) {
    using Maker = std::function<std::vector<std::string>(const Office&)>;
    const std::vector<Maker> makers = {
        [this](const Office&) -> std::vector<std::string> {
          return {"add-client", "code=K" + fresh(), std::string("group=") + (coin() ? "A" : "B"),
                  "address-1=1 Main St"};
        },
        [this](const Office& o) -> std::vector<std::string> {
          return {"change-client", "client=" + pick(o.clients), "address-2=Suite " + fresh(),
                  "trust-account-balance=12.50"};
        },
        [this](const Office& o) -> std::vector<std::string> {
          return {"change-client", "client=" + pick(o.clients), "code=R" + fresh()};
        },
        [this](const Office& o) -> std::vector<std::string> {
          return {"delete-client", "client=" + pick(o.clients), "--yes"};
        },
        [this](const Office& o) -> std::vector<std::string> {
          return {"add-matter", "client=" + pick(o.clients), "matter=" + std::to_string(100 + counter_++),
                  "attorney=" + pick(o.attorneys)};
        },
        [this](const Office& o) { return matter("change-matter", o, {"description-2=Changed " + fresh()}); },
        [this](const Office& o) {
          return matter("change-matter", o, {"new-matter=" + std::to_string(100 + counter_++)});
        },
        [this](const Office& o) { return matter("delete-matter", o, {}); },
        [this](const Office& o) {
          return matter("add-time-record", o, {"attorney=" + pick(o.attorneys), "time=1.5", "date=" + day()});
        },
        [this](const Office& o) {
          return matter("change-time-record", o, {"time=2.5", "description-1=Call"});
        },
        [this](const Office& o) { return matter("change-time-record", o, {"new-date=" + day()}); },
        [this](const Office& o) { return matter("delete-time-record", o, {}); },
        [this](const Office& o) {
          return matter(
              "add-cost-credit-record", o,
              {"amount=12.25", std::string("kind=") + (coin() ? "cost" : "credit"), "date=" + day()});
        },
        [this](const Office& o) {
          return matter("change-cost-credit-record", o, {"amount=7", "new-date=" + day()});
        },
        [this](const Office& o) { return matter("delete-cost-credit-record", o, {}); },
        [this](const Office& o) -> std::vector<std::string> {
          return {"add-payment", "client=" + pick(o.clients), "amount=40", "date=" + day()};
        },
        [this](const Office& o) -> std::vector<std::string> {
          return {"change-payment", "client=" + pick(o.payers), "amount=41", "new-date=" + day()};
        },
        [this](const Office& o) -> std::vector<std::string> {
          return {"delete-payment", "client=" + pick(o.payers)};
        },
        [this](const Office& o) {
          std::vector<std::string> words = {"add-attorney", "initials=" + initials()};
          for (int k = 1; k <= std::max(1, o.schedules); ++k)
            words.push_back("rate-" + std::to_string(k) + "=" + std::to_string(90 + k));
          return words;
        },
        [this](const Office& o) -> std::vector<std::string> {
          return {"change-attorney", "from=" + pick(o.attorneys), "to=" + initials()};
        },
        [this](const Office& o) -> std::vector<std::string> {
          return {"delete-attorney", "initials=" + pick(o.attorneys)};
        },
        [this](const Office& o) {
          std::vector<std::string> words = {"add-fee-schedule"};
          for (const auto& attorney : o.attorneys)
            words.push_back("rate-" + attorney + "=" + std::to_string(100 + counter_++ % 400));
          return words;
        },
        [this](const Office& o) -> std::vector<std::string> {
          return {"change-fee-schedules", "rate-" + pick(o.attorneys) + "-" + schedule(o) + "=" +
                                              std::to_string(200 + counter_++ % 300)};
        },
        [this](const Office& o) -> std::vector<std::string> {
          return {"delete-fee-schedule", "schedule=" + schedule(o)};
        },
        [](const Office&) -> std::vector<std::string> {
          return {"final-statements", "group=A"};
        },
    };
    lacking_ = false;
    std::vector<std::string> words =
        makers[std::uniform_int_distribution<std::size_t>(0, makers.size() - 1)(random_)](office);
    if (lacking_) words = makers[0](office);
    words.insert(words.begin(), "do");
    return words;
  }

  // A delay from 0 to twice the action's run time: half of them drawn over the whole range, half
  // over the last quarter of the run, where its commit is (most of a run is the program's start).
  std::chrono::microseconds delay(double runSeconds) {
    const double micros = runSeconds * 1e6;
    const bool late = coin();
    std::uniform_real_distribution<double> range(late ? 0.75 * micros : 0.0,
                                                 late ? 1.0 * micros : 2.0 * micros);
    return std::chrono::microseconds(static_cast<long long>(range(random_)));
  }

 private:
  bool coin() { return std::uniform_int_distribution<int>(0, 1)(random_) == 1; }
  std::string pick(const std::vector<std::string>& from) {
    lacking_ = lacking_ || from.empty();
    if (from.empty()) return {};
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random_)];
  }
  std::string fresh() { return std::to_string(counter_++); }
  std::string day() {
    char text[16];
    std::snprintf(text, sizeof text, "07/%02d/2001", std::uniform_int_distribution<int>(1, 31)(random_));
    return text;
  }
  std::string initials() {
    const int n = counter_++;
    return std::string("Q") + static_cast<char>('A' + n % 26) + static_cast<char>('A' + n / 26 % 26);
  }
  std::string schedule(const Office& o) {
    lacking_ = lacking_ || o.schedules < 1;
    if (o.schedules < 1) return {};
    return std::to_string(std::uniform_int_distribution<int>(1, o.schedules)(random_));
  }
  std::vector<std::string> matter(const char* action, const Office& o, std::vector<std::string> more) {
    lacking_ = lacking_ || o.matters.empty();
    if (o.matters.empty()) return {};
    const auto& [client, number] =
        o.matters[std::uniform_int_distribution<std::size_t>(0, o.matters.size() - 1)(random_)];
    std::vector<std::string> words = {action, "client=" + client, "matter=" + number};
    words.insert(words.end(), more.begin(), more.end());
    return words;
  }

  std::mt19937 random_;
  int counter_ = 0;       // makes new codes, numbers and initials
  bool lacking_ = false;  // the office lacks something the action needs
};

std::string commandText(const std::vector<std::string>& words) {
  std::string text;
  for (const auto& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

const char* const kJournal = ".vrk-commit-journal";  // and its partial form, .vrk-commit-journal.partial

bool hasJournal(const FolderFiles& files) {
  for (const auto& [name, bytes] : files)
    if (name.find(kJournal) != std::string::npos) return true;
  return false;
}

// The lock files in the folders of a data directory, with their sizes.
std::string lockFiles(const std::filesystem::path& dataDir) {
  std::string found;
  for (const auto& folder : std::filesystem::directory_iterator(dataDir))
    if (folder.is_directory())
      for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        if (isLockFile(entry.path().filename().string()))
          found += (found.empty() ? "" : ", ") + folder.path().filename().string() + "/" +
                   entry.path().filename().string() + " of " + std::to_string(entry.file_size()) + " bytes";
  return found.empty() ? "none" : found;
}

void removeLockFiles(const std::filesystem::path& dataDir) {
  for (const auto& folder : std::filesystem::directory_iterator(dataDir))
    if (folder.is_directory())
      for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        if (isLockFile(entry.path().filename().string())) std::filesystem::remove(entry.path());
}

// What opens a billing period after a kill: a print-out that reads the time records through a
// store transaction, which first finishes or discards a save a crash interrupted. It succeeds
// in any state the stream reaches (a client without records is a listing of none).
const std::vector<std::string> kOpening = {"print", "records", "time", "client=ACME"};

// ---- The test -------------------------------------------------------------------------------

TEST(KilledProcesses, EveryKillLeavesTheStateBeforeOrAfterTheAction) {
  TempFolder temp;
  TempFolder scratch;
  const auto dataDir = temp.path() / "data";
  std::filesystem::create_directories(dataDir);
  copySampleOffice(dataDir);

  // The office as the stream starts it again after a final run (later actions on a finished
  // period are mostly refused).
  const auto startAgain = [&] {
    std::filesystem::remove_all(dataDir);
    std::filesystem::create_directories(dataDir);
    copySampleOffice(dataDir);
  };
  const auto run = [](const std::filesystem::path& dir, const std::vector<std::string>& words,
                      const std::string& period = kPeriod) {
    return runBatchLimited(batchArguments(dir, words, kToday, period));
  };

  ActionStream stream(20010731);
  std::size_t kills = 0, landed = 0, midCommit = 0, endedAfter = 0, endedBefore = 0, broken = 0, blocked = 0;
  std::size_t refusedActions = 0, finals = 0;
  std::string partnerJournals;  // journals found in another folder after the period opened
  const auto started = Clock::now();
  while (kills < kMostKills && std::chrono::duration<double>(Clock::now() - started).count() < kMostSeconds) {
    const std::vector<std::string> words = stream.next(readOffice(dataDir / kPeriod));
    const std::string what = "kill " + std::to_string(kills + 1) + ": vrk-batch " + commandText(words) + ": ";

    // The state after: the same action run to its end on a copy of the state before.
    const FolderFiles before = dataDirectoryFiles(dataDir);
    const auto copy = scratch.path() / std::to_string(kills);
    copyDataDirectory(dataDir, copy);
    const Ending complete = run(copy, words);
    ASSERT_TRUE(complete.exited && complete.status <= 2) << what << complete.describe() << "\n"
                                                         << complete.output;
    const FolderFiles after = dataDirectoryFiles(copy);
    std::filesystem::remove_all(copy);
    if (complete.status != 0) ++refusedActions;

    // The same action killed at a random moment.
    BatchProcess killed(batchArguments(dataDir, words, kToday, kPeriod), false);
    std::this_thread::sleep_for(stream.delay(complete.seconds));
    const Ending end = killed.killNow();
    ++kills;
    if (end.signal == SIGKILL) ++landed;
    const FolderFiles left = dataDirectoryFiles(dataDir);
    if (hasJournal(left) || (left != before && left != after)) ++midCommit;

    // The next command opens the period, which finishes or discards the interrupted save, and
    // reads it; then the checks read every folder's files.
    Ending opened = run(dataDir, kOpening);
    if (!(opened.exited && opened.status == 0) && opened.output.find("IN USE") != std::string::npos) {
      ++blocked;
      ADD_FAILURE() << what << end.describe() << " after " << complete.seconds
                    << " s; the lock file it left (" << lockFiles(dataDir)
                    << ") keeps the next command out:\n"
                    << opened.output;
      removeLockFiles(dataDir);  // go on without the lock; the state is checked as ever
      opened = run(dataDir, kOpening);
    }
    EXPECT_TRUE(opened.exited && opened.status == 0) << what << "opening: " << opened.describe() << "\n"
                                                     << opened.output;
    std::string ownJournals, otherJournals;
    for (const auto& [name, bytes] : dataDirectoryFiles(dataDir))
      if (name.find(kJournal) != std::string::npos)
        (name.rfind(std::string(kPeriod) + "/", 0) == 0 ? ownJournals : otherJournals) += " " + name;
    EXPECT_TRUE(ownJournals.empty()) << what << "the period opened, yet journals are left:" << ownJournals;
    if (!otherJournals.empty()) {
      // A save spanning two folders may leave its half in the other folder until that one opens.
      partnerJournals += otherJournals;
      for (const auto& entry : std::filesystem::directory_iterator(dataDir)) {
        const std::string period = entry.path().filename().string();
        if (entry.is_directory() && period != kPeriod) {
          const Ending other = runBatchLimited(batchArguments(dataDir, kOpening, kToday, period));
          EXPECT_TRUE(other.exited && other.status == 0)
              << what << "opening " << period << ": " << other.describe();
        }
      }
    }
    const Ending checked = run(dataDir, {"print", "checks"});
    EXPECT_TRUE(checked.exited && checked.status == 0) << what << "checks: " << checked.describe() << "\n"
                                                       << checked.output;

    const FolderFiles now = dataDirectoryFiles(dataDir);
    EXPECT_FALSE(hasJournal(now)) << what << "a commit journal is left: " << differingFiles(before, now);
    const bool isBefore = now == before;
    const bool isAfter = now == after;
    if (!isBefore && !isAfter) {
      ++broken;
      ADD_FAILURE() << what << end.describe() << " after " << complete.seconds
                    << " s; neither the state before "
                    << "nor after. Against before: " << differingFiles(before, now)
                    << ". Against after: " << differingFiles(after, now);
      startAgain();  // go on from a known state
      continue;
    }
    if (before != after) ++(isAfter ? endedAfter : endedBefore);
    if (isAfter && words[1] == "final-statements" && before != after) {
      ++finals;
      startAgain();
    }
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
  std::cout << "killed processes: " << kills << " kills (" << landed << " while running, " << midCommit
            << " mid-commit); of the actions that change the office " << endedAfter
            << " ended in the state after, " << endedBefore << " in the state before; " << refusedActions
            << " actions refused, " << finals << " final runs, journals left in the other folder:"
            << (partnerJournals.empty() ? " none" : partnerJournals) << ", " << blocked
            << " next commands kept out by a lock file, " << broken << " broken states, " << seconds << " s"
            << std::endl;
  EXPECT_EQ(broken, 0U);
  EXPECT_EQ(blocked, 0U);
}

}  // namespace
}  // namespace vrk::test::robust
